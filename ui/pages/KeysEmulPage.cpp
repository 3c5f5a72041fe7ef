// Placeholder until the page is built.
#include <QWidget>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"

namespace orvanta::ui {

QWidget* createKeysEmulPage(PageContext&) {
    auto* page = new QWidget;
    page->setObjectName("cxTabSheet2");
    return page;
}

}  // namespace orvanta::ui
