#pragma once
// The editors every page is built from, with the rules the records rely on:
// - SpinEdit clamps to its range and reports a change only when the value changes;
// - ComboBox: an index outside its list shows no entry; its text (what the box shows,
//   start text included) is what packing reads;
// - RadioGroup (RadioGroup.h): -1 is no selection, past the end is the last item;
// - CheckListBox: one check box per item; no selection packs as 255.
// The same rules without widgets are in records/EditorRules.h.
// The make* helpers give each control its name as its objectName, so tests find it by that name.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>

namespace orvanta::ui {

class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    SpinEdit(const QString& name, int min, int max, int value, int step = 1, QWidget* parent = nullptr);
    // Sets the value held within the range (a spin edit clamps what it is given).
    void setClamped(long long value);
};

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    // editable: the box has a text of its own that need not be an item (the start text,
    // or what the user typed); packing reads that text.
    ComboBox(const QString& name, const QStringList& items, const QString& startText = {}, bool editable = true,
             QWidget* parent = nullptr);

    // The selected item, or -1 when none is (also when the text was typed over).
    int itemIndex() const;
    // An index outside the list (-1 included) leaves no item selected and an empty text.
    void setItemIndex(int index);
    // What the box shows: the selected item, the typed text, or the start text.
    QString text() const;
    // Shows text with no item selected; "" empties the box.
    void setText(const QString& text);
    void setItems(const QStringList& items);
    QStringList items() const;

    // As narrow as its minimum contents length, whatever the length of the start text,
    // which is elided rather than widening the page.
    QSize minimumSizeHint() const override;

signals:
    // The drop-down list was closed (by picking an item or dismissing it).
    void closedUp();

protected:
    void hidePopup() override;

private:
    // Neither an item nor a start text in view.
    void showNoText();
};

class CheckListBox : public QListWidget {
    Q_OBJECT
public:
    CheckListBox(const QString& name, const QStringList& items, QWidget* parent = nullptr);
    bool isChecked(int index) const;
    void setChecked(int index, bool checked);
    // The selected item, or -1; as a record byte that is 255.
    int itemIndex() const;
    // An index outside the list selects nothing.
    void setItemIndex(int index);
};

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent = nullptr, bool bold = false);
// A button that shows only a picture: what it does goes into its tooltip and accessible name.
QPushButton* makePictureButton(const QString& name, const QIcon& icon, const QString& whatItDoes,
                               QWidget* parent = nullptr);
QCheckBox* makeCheck(const QString& name, const QString& caption, QWidget* parent = nullptr);
QGroupBox* makeGroup(const QString& name, const QString& caption, QWidget* parent = nullptr);
QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent = nullptr);
// A help picture: a click opens the help page at path (help site base + path).
ClickableLabel* makeHelpPicture(const QString& name, const QString& path, QWidget* parent = nullptr);
QFont boldFont(const QWidget* w, int extraPixels = 0);

// Replaces target's items with source's (texts and pictures), with no item selected;
// what target shows when nothing is selected (typed or start text) stays.
void replaceItems(QComboBox* target, const QComboBox* source);

}  // namespace orvanta::ui
