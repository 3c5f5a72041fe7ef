// Placeholder until the page is built.
#include <QWidget>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"

namespace orvanta::ui {

QWidget* createScreenSetupPage(PageContext&) {
    auto* page = new QWidget;
    page->setObjectName("cxTabSheet1");
    return page;
}

}  // namespace orvanta::ui
