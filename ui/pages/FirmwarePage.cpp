// Placeholder until the page is built.
#include <QWidget>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"

namespace orvanta::ui {

QWidget* createFirmwarePage(PageContext&) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet2");
    return page;
}

}  // namespace orvanta::ui
