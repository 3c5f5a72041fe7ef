// "Transmission": the gear recognition table, one row per gear: road speed at 2000 RPM,
// the ratio value the module stores, and a miles-per-hour column for reference.
#include <QWidget>
#include <array>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/pages/RecordPageKit.h"

namespace orvanta::ui {

QWidget* createTransmissionPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet3");
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(8);
    v->addLayout(kit::buttonRow({kit::requestButton(ctx, page, "BitBtn24", "Read ", 163, 36),
                                 kit::requestButton(ctx, page, "BitBtn25", "Save", 162, 35)}));

    QGroupBox* g = makeGroup("GroupBoxGears", "Gear recognition", page);
    auto* grid = new QGridLayout(g);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);
    auto header = [&](int column, const QString& text) {
        auto* l = new QLabel(text, g);
        l->setFont(boldFont(l));
        l->setWordWrap(true);
        grid->addWidget(l, 0, column, Qt::AlignBottom);
    };
    header(0, "Gear");
    header(1, "Speed on 2000 RPM on each gear.");
    header(2, "Percentage");
    header(3, "m/h");

    struct Gear { const char* speed; int speed0; const char* ratio; int ratio0; const char* mph; };
    const std::array<Gear, 6> gears{{{"SpinEdit27", 22, "SpinEdit38", 90, "SpinEdit210"},
                                     {"SpinEdit28", 33, "SpinEdit37", 60, "SpinEdit211"},
                                     {"SpinEdit29", 50, "SpinEdit36", 40, "SpinEdit212"},
                                     {"SpinEdit32", 61, "SpinEdit35", 33, "SpinEdit213"},
                                     {"SpinEdit31", 71, "SpinEdit33", 28, "SpinEdit214"},
                                     {"SpinEdit30", 84, "SpinEdit34", 24, "SpinEdit215"}}};
    for (int i = 0; i < 6; ++i) {
        const Gear& gear = gears[static_cast<size_t>(i)];
        const int row = i + 1;
        grid->addWidget(new QLabel(QString::number(i + 1), g), row, 0, Qt::AlignHCenter);
        grid->addWidget(kit::spin(gear.speed, 10, 200, gear.speed0, 1, g), row, 1);
        grid->addWidget(kit::spin(gear.ratio, 1, 200, gear.ratio0, 1, g), row, 2);
        // Shown beside the km/h speed for drivers who think in miles; not stored.
        grid->addWidget(kit::spin(gear.mph, 10, 200, gear.speed0, 1, g), row, 3);
    }
    grid->addWidget(new QLabel("Set V =10 for disable sixth gear", g), 7, 1, 1, 3);
    grid->setColumnStretch(4, 1);
    v->addWidget(g);
    v->addStretch(1);
    kit::fitGroupTitles(page);
    return page;
}

}  // namespace orvanta::ui
