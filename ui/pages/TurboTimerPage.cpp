// Placeholder until the page is built.
#include <QWidget>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"

namespace orvanta::ui {

QWidget* createTurboTimerPage(PageContext&) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet8");
    return page;
}

}  // namespace orvanta::ui
