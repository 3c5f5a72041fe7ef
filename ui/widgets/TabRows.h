#pragma once
// A tab row that wraps onto several lines when the tabs do not fit, for a QTabWidget
// whose own (single-line, scrolling) tab bar is hidden. It mirrors the widget's tabs,
// their visibility and the current one.
#include <QTabWidget>
#include <QWidget>
#include <vector>

class QToolButton;

namespace orvanta::ui {

class TabRows : public QWidget {
    Q_OBJECT
public:
    explicit TabRows(QTabWidget* tabs, QWidget* parent = nullptr);
    // Rebuilds the row from the tab widget (after tabs were added or shown/hidden).
    void refresh();

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    int place(int width, bool apply) const;  // lays the buttons out; returns the height used
    QTabWidget* tabs_;
    std::vector<QToolButton*> buttons_;  // one per tab index
};

}  // namespace orvanta::ui
