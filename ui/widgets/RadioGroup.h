#pragma once
// A captioned group of radio buttons with an item index, as the records use it:
// -1 is no selection; an index past the last item selects the last item.
#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;

namespace orvanta::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QString& caption, const QStringList& items, int columns = 1,
               QWidget* parent = nullptr);

    int itemIndex() const;
    // Negative: no item; past the end: the last item.
    void setItemIndex(int index);
    int count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* button(int index) const;

signals:
    // The user (or code) changed the selected item.
    void itemIndexChanged(int index);

private:
    QButtonGroup group_;
    std::vector<QRadioButton*> buttons_;
};

}  // namespace orvanta::ui
