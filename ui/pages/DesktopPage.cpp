// Placeholder until the page is built.
#include <QWidget>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"

namespace orvanta::ui {

QWidget* createDesktopPage(PageContext&) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet10");
    return page;
}

}  // namespace orvanta::ui
