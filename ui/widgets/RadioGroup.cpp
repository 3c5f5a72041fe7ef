#include "ui/widgets/RadioGroup.h"

#include <QGridLayout>
#include <QRadioButton>

#include "records/EditorRules.h"

namespace orvanta::ui {

RadioGroup::RadioGroup(const QString& objectName, const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent) {
    setObjectName(objectName);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(1);
    const int cols = std::max(1, columns);
    const int rows = (static_cast<int>(items.size()) + cols - 1) / cols;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(objectName + "_" + QString::number(i));
        group_.addButton(b, i);
        buttons_.push_back(b);
        grid->addWidget(b, rows ? i % rows : i, rows ? i / rows : 0);
    }
    connect(&group_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) emit itemIndexChanged(id);
    });
}

int RadioGroup::itemIndex() const { return group_.checkedId(); }

void RadioGroup::setItemIndex(int index) {
    index = records::radioIndex(index, count());
    if (index < 0) {
        // QButtonGroup keeps one button checked while exclusive; lift that for a moment.
        if (auto* b = group_.checkedButton()) {
            group_.setExclusive(false);
            b->setChecked(false);
            group_.setExclusive(true);
            emit itemIndexChanged(-1);
        }
        return;
    }
    buttons_[static_cast<size_t>(index)]->setChecked(true);
}

QRadioButton* RadioGroup::button(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return buttons_[static_cast<size_t>(index)];
}

}  // namespace orvanta::ui
