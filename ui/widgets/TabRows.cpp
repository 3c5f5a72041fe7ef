#include "ui/widgets/TabRows.h"

#include <QEvent>
#include <QTabBar>
#include <QToolButton>

namespace orvanta::ui {

namespace {
constexpr int kGap = 2;
}

TabRows::TabRows(QTabWidget* tabs, QWidget* parent) : QWidget(parent), tabs_(tabs) {
    setObjectName(tabs->objectName() + "_tabRows");
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setStyleSheet(
        "QToolButton { background: #30363d; color: #c9ced4; border: 1px solid #4a525b; padding: 3px 9px;"
        "  border-top-left-radius: 3px; border-top-right-radius: 3px; }"
        "QToolButton:checked { background: #3d4650; color: #ffffff; border-bottom: 2px solid #4f8fc9; }"
        "QToolButton:hover { background: #39414a; }");
    tabs_->tabBar()->hide();
    tabs_->installEventFilter(this);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        for (size_t k = 0; k < buttons_.size(); ++k) buttons_[k]->setChecked(static_cast<int>(k) == i);
    });
    refresh();
}

void TabRows::refresh() {
    for (QToolButton* b : buttons_) delete b;
    buttons_.clear();
    for (int i = 0; i < tabs_->count(); ++i) {
        auto* b = new QToolButton(this);
        b->setText(tabs_->tabText(i));
        b->setCheckable(true);
        b->setChecked(i == tabs_->currentIndex());
        b->setAccessibleName(tabs_->tabText(i).trimmed() + " tab");
        b->setVisible(tabs_->isTabVisible(i));
        connect(b, &QToolButton::clicked, this, [this, i] {
            tabs_->setCurrentIndex(i);
            buttons_[static_cast<size_t>(i)]->setChecked(true);
        });
        buttons_.push_back(b);
    }
    setVisible(!tabs_->isHidden());
    updateGeometry();
    place(width(), true);
}

int TabRows::place(int width, bool apply) const {
    int x = 0, y = 0, rowHeight = 0;
    for (QToolButton* b : buttons_) {
        if (b->isHidden()) continue;
        QSize s = b->sizeHint();
        if (x > 0 && x + s.width() > width) {
            x = 0;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        if (apply) b->setGeometry(x, y, s.width(), s.height());
        x += s.width() + kGap;
        rowHeight = std::max(rowHeight, s.height());
    }
    return y + rowHeight;
}

int TabRows::heightForWidth(int width) const { return place(width, false); }

QSize TabRows::sizeHint() const { return {400, heightForWidth(std::max(width(), 400))}; }

QSize TabRows::minimumSizeHint() const { return {100, heightForWidth(std::max(width(), 100))}; }

void TabRows::resizeEvent(QResizeEvent*) {
    place(width(), true);
    if (height() != heightForWidth(width())) setFixedHeight(heightForWidth(width()));
}

bool TabRows::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabs_) {
        switch (event->type()) {
        case QEvent::Show: setVisible(true); break;
        case QEvent::Hide: setVisible(false); break;
        case QEvent::EnabledChange: setEnabled(tabs_->isEnabled()); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace orvanta::ui
