#include "ui/widgets/Editors.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyleOptionComboBox>

#include "records/EditorRules.h"
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

void SpinEdit::setClamped(long long v) { setValue(static_cast<int>(records::spinValue(v, minimum(), maximum()))); }

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
    const int i = records::listIndex(index, count());
    if (i < 0) {
        // No entry at all: neither a typed text nor the start text stays in view.
        setCurrentIndex(-1);
        if (isEditable()) setEditText(QString());
        showNoText();
        return;
    }
    setCurrentIndex(i);
    // A box whose text was typed over still has its old current index.
    if (isEditable() && currentText() != itemText(i)) setEditText(itemText(i));
}

QString ComboBox::text() const {
    if (isEditable()) return currentText();
    return currentIndex() >= 0 ? currentText() : placeholderText();
}

void ComboBox::setText(const QString& text) {
    if (isEditable()) {
        setCurrentIndex(-1);
        setEditText(text);
    } else {
        setCurrentIndex(-1);
        if (text.isEmpty())
            showNoText();
        else
            setPlaceholderText(text);
    }
}

void ComboBox::showNoText() {
    if (placeholderText().isEmpty()) return;
    if (currentIndex() != -1 || count() == 0) {
        setPlaceholderText(QString());
        return;
    }
    // QComboBox selects its first item when the placeholder is removed while nothing
    // is selected; the box is to stay empty, so that passing selection is not reported.
    const QSignalBlocker quiet(this);
    setCurrentIndex(0);
    setPlaceholderText(QString());
    setCurrentIndex(-1);
    update();
}

void ComboBox::setItems(const QStringList& items) {
    QString keep = currentText();
    clear();
    addItems(items);
    setCurrentIndex(-1);
    if (isEditable()) setEditText(keep);
}

QSize ComboBox::minimumSizeHint() const {
    const QSize base = QComboBox::minimumSizeHint();
    if (sizeAdjustPolicy() != AdjustToMinimumContentsLengthWithIcon) return base;
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    const QFontMetrics fm(font());
    int width = fm.horizontalAdvance(QLatin1Char('x')) * minimumContentsLength();
    if (!iconSize().isEmpty()) width += iconSize().width() + 4;
    const QSize contents(width, base.height());
    const QSize hint = style()->sizeFromContents(QStyle::CT_ComboBox, &opt, contents, this);
    return {std::min(base.width(), hint.width()), base.height()};
}

QStringList ComboBox::items() const {
    QStringList l;
    for (int i = 0; i < count(); ++i) l << itemText(i);
    return l;
}

void ComboBox::hidePopup() {
    // Qt also calls this when the box is hidden; only a list that was open closes up.
    const bool wasOpen = view() && view()->isVisible();
    QComboBox::hidePopup();
    if (wasOpen) emit closedUp();
}

CheckListBox::CheckListBox(const QString& name, const QStringList& items, QWidget* parent) : QListWidget(parent) {
    setObjectName(name);
    // The style outlines item check boxes in a shade of the window colour, which on a
    // dark list is as dark as the list itself; a lighter shade keeps the boxes visible.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::PlaceholderText));
    setPalette(pal);
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

int CheckListBox::itemIndex() const { return records::listIndex(currentRow(), count()); }

void CheckListBox::setItemIndex(int index) { setCurrentRow(records::listIndex(index, count())); }

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

void replaceItems(QComboBox* target, const QComboBox* source) {
    if (!target || !source) return;
    const QString typed = target->isEditable() ? target->currentText() : QString();
    const QSignalBlocker quiet(target);
    target->clear();
    for (int i = 0; i < source->count(); ++i) target->addItem(source->itemIcon(i), source->itemText(i));
    target->setCurrentIndex(-1);
    if (target->isEditable()) target->setEditText(typed);
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
