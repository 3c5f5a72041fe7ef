#include "ui/widgets/Editors.h"

#include <QLineEdit>
#include <QMouseEvent>

#include "ui/Help.h"
#include "ui/Pictures.h"

namespace orvanta::ui {

SpinEdit::SpinEdit(const QString& name, int min, int max, int value, int step, QWidget* parent) : QSpinBox(parent) {
    setObjectName(name);
    setRange(min, max);
    setSingleStep(step);
    setValue(value);
    setAccelerated(true);
}

void SpinEdit::setClamped(long long v) {
    if (v < minimum()) v = minimum();
    if (v > maximum()) v = maximum();
    setValue(static_cast<int>(v));
}

ComboBox::ComboBox(const QString& name, const QStringList& items, const QString& startText, bool editable,
                   QWidget* parent)
    : QComboBox(parent) {
    setObjectName(name);
    setEditable(editable);
    if (editable) setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(6);
    addItems(items);
    setCurrentIndex(-1);
    if (!startText.isEmpty()) setText(startText);
}

int ComboBox::itemIndex() const {
    int i = currentIndex();
    if (i < 0) return -1;
    if (isEditable() && currentText() != itemText(i)) return -1;
    return i;
}

void ComboBox::setItemIndex(int index) {
    if (index < 0 || index >= count()) {
        setCurrentIndex(-1);
        if (isEditable()) setEditText(QString());
        return;
    }
    setCurrentIndex(index);
}

void ComboBox::setText(const QString& text) {
    if (isEditable()) {
        setCurrentIndex(-1);
        setEditText(text);
    } else {
        setCurrentIndex(-1);
        setPlaceholderText(text);
    }
}

void ComboBox::setItems(const QStringList& items) {
    QString keep = currentText();
    clear();
    addItems(items);
    setCurrentIndex(-1);
    if (isEditable()) setEditText(keep);
}

QStringList ComboBox::items() const {
    QStringList l;
    for (int i = 0; i < count(); ++i) l << itemText(i);
    return l;
}

void ComboBox::hidePopup() {
    QComboBox::hidePopup();
    emit closedUp();
}

CheckListBox::CheckListBox(const QString& name, const QStringList& items, QWidget* parent) : QListWidget(parent) {
    setObjectName(name);
    for (const QString& t : items) {
        auto* it = new QListWidgetItem(t, this);
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        it->setCheckState(Qt::Unchecked);
    }
}

bool CheckListBox::isChecked(int index) const {
    auto* it = item(index);
    return it && it->checkState() == Qt::Checked;
}

void CheckListBox::setChecked(int index, bool checked) {
    if (auto* it = item(index)) it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(e);
}

QFont boldFont(const QWidget* w, int extraPixels) {
    QFont f = w->font();
    f.setBold(true);
    if (extraPixels) f.setPixelSize((f.pixelSize() > 0 ? f.pixelSize() : 11) + extraPixels);
    return f;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent, bool bold) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (bold) b->setFont(boldFont(b));
    return b;
}

QPushButton* makePictureButton(const QString& name, const QIcon& icon, const QString& whatItDoes, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setIcon(icon);
    b->setIconSize(QSize(22, 22));
    b->setToolTip(whatItDoes);
    b->setAccessibleName(whatItDoes);
    return b;
}

QCheckBox* makeCheck(const QString& name, const QString& caption, QWidget* parent) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

QGroupBox* makeGroup(const QString& name, const QString& caption, QWidget* parent) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(name);
    return g;
}

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

ClickableLabel* makeHelpPicture(const QString& name, const QString& path, QWidget* parent) {
    auto* l = new ClickableLabel(parent);
    l->setObjectName(name);
    l->setPixmap(pictures::help(22));
    l->setCursor(Qt::PointingHandCursor);
    l->setToolTip("Help: " + path);
    l->setAccessibleName("Help: " + path);
    QObject::connect(l, &ClickableLabel::clicked, l, [path] { openHelpPage(path); });
    return l;
}

}  // namespace orvanta::ui
