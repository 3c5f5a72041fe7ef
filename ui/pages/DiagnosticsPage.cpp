// "Diagnostics": kept in the page control but never shown. Its buttons have no action.
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/widgets/Editors.h"

namespace orvanta::ui {

QWidget* createDiagnosticsPage(PageContext&) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet16");
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(8, 8, 8, 8);

    auto* group = makeGroup("GroupBoxDiagnostics", "Diagnostics", page);
    auto* g = new QVBoxLayout(group);
    g->setContentsMargins(8, 10, 8, 8);
    auto* units = new CheckListBox("CheckListBox4",
                                   {"01-Engine", "02-Auto Transmission", "03-ABS", "08-Auto HVAC", "09-Cent. Elect.",
                                    "15-AirBags", "16-Steering wheel", "17-Instruments", "18-Aux. Heat",
                                    "19-CAN Gateway", "22-AWD", "25-IMMO", "35-Centr Locks", "37-NAVI",
                                    "45-Inter Monitor", "46-Central Comfort system module", "55Xenon Range",
                                    "56-Radio"},
                                   group);
    units->setMinimumSize(280, 330);
    g->addWidget(units);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton("Button69", "Read", group));
    buttons->addWidget(makeButton("Button70", "Save", group));
    buttons->addStretch(1);
    g->addLayout(buttons);

    v->addWidget(group, 0, Qt::AlignLeft);
    v->addStretch(1);
    return page;
}

}  // namespace orvanta::ui
