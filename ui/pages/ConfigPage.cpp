// Placeholder until the page is built.
#include <QWidget>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"

namespace orvanta::ui {

QWidget* createConfigPage(PageContext&) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    return page;
}

}  // namespace orvanta::ui
