// "User Calibration": NEW/OLD pairs that scale eight measured quantities, the
// km-to-miles check whose values go into the system configuration, and the log books.
#include <QWidget>
#include <array>
#include <vector>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/pages/RecordPageKit.h"

namespace orvanta::ui {

namespace {

struct Row {
    const char* caption;
    const char* newer;
    const char* older;
    int max;
    const char* k;
    bool resetToDefault;  // "Reset Calibration" leaves the speed and EGT rows as they are
};

// In the order the page shows them; the record has its own order.
constexpr std::array<Row, 8> kRows{{
    {"Torque Nm", "SpinEdit163", "SpinEdit164", 700, "Label46", true},
    {"Horsepower ", "SpinEdit165", "SpinEdit166", 700, "Label47", true},
    {"Speed (view only) km/h (m/h)", "SpinEdit206", "SpinEdit207", 200, "Label173", false},
    {"Fuel consumption L/100km (m/g)", "SpinEdit114", "SpinEdit115", 700, "Label80", true},
    {"Turbo Boost  bar. (psi)", "SpinEdit116", "SpinEdit117", 700, "Label81", true},
    {"Battary Voltage", "SpinEdit118", "SpinEdit119", 200, "Label84", true},
    {"EGT. K-type thermocouple", "SpinEdit208", "SpinEdit209", 200, "Label176", false},
    {"Odometer speed  km/h(m/h)", "SpinEdit167", "SpinEdit168", 200, "Label49", true},
}};

QGroupBox* buildKmToMiles(QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBoxKmToMiles", "Correction of conversion of km to miles", parent);
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(4);
    auto* km = kit::spin("SpinEdit128", 1, 999999, 255, 1, g);
    auto* ml = kit::spin("SpinEdit127", 1, 999999, 255, 1, g);
    km->setMinimumWidth(90);
    ml->setMinimumWidth(90);
    kit::addRow(grid, 0, "KM(look at Orvanta)", km);
    kit::addRow(grid, 1, "ML (mileage on the standard display)", ml);
    auto* ratio = makeLabel("Label116", "0", g);
    ratio->setFont(boldFont(ratio));
    grid->addWidget(ratio, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton("Button1822", "Calc", g));
    QPushButton* store = makeButton("Button211231", "Save ", g);
    // Enabled only by a plausible ratio from "Calc".
    store->setEnabled(false);
    buttons->addWidget(store);
    buttons->addStretch(1);
    grid->addLayout(buttons, 3, 0, 1, 2);
    auto* note = new QLabel("To write to the module, you need to save the config", g);
    note->setWordWrap(true);
    grid->addWidget(note, 4, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    return g;
}

}  // namespace

QWidget* createUserCalibrationPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet19");
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(8);

    QPushButton* reset = makeButton("BitBtn45", "Reset Calibration", page);
    v->addLayout(kit::buttonRow({kit::requestButton(ctx, page, "BitBtn92222", "Read Calibration", 173, 46),
                                 kit::requestButton(ctx, page, "BitBtn20", "Save Calibration", 172, 45), reset}));

    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    QGroupBox* g = makeGroup("GroupBoxCalibration", "Calibration", page);
    auto* grid = new QGridLayout(g);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    auto* head = new QLabel("NEW value / OLD value", g);
    head->setFont(boldFont(head));
    grid->addWidget(head, 0, 1, 1, 2, Qt::AlignHCenter);
    std::vector<SpinEdit*> resettable;
    for (int i = 0; i < static_cast<int>(kRows.size()); ++i) {
        const Row& r = kRows[static_cast<size_t>(i)];
        const int row = i + 1;
        auto* newer = kit::spin(r.newer, 50, r.max, 100, 1, g);
        auto* older = kit::spin(r.older, 50, r.max, 100, 1, g);
        grid->addWidget(new QLabel(r.caption, g), row, 0);
        grid->addWidget(newer, row, 1);
        grid->addWidget(older, row, 2);
        auto* k = makeLabel(r.k, "K=1", g);
        k->setMinimumWidth(80);
        grid->addWidget(k, row, 3);
        if (r.resetToDefault) {
            resettable.push_back(newer);
            resettable.push_back(older);
        }
    }
    grid->setColumnStretch(4, 1);
    auto& loop = ctx.loop;
    // The editors are reset first; the save reads them when the loop sends.
    QObject::connect(reset, &QPushButton::clicked, reset, [&loop, resettable] {
        for (SpinEdit* s : resettable) s->setValue(100);
        loop.Post(172, 45);
    });
    columns->addWidget(g);

    auto* side = new QVBoxLayout;
    side->addWidget(buildKmToMiles(page));
    QPushButton* logs = kit::requestButton(ctx, page, "BitBtn9", "Reset all Log books", 55, 40);
    side->addWidget(logs, 0, Qt::AlignLeft);
    side->addStretch(1);
    columns->addLayout(side);
    columns->addStretch(1);
    v->addLayout(columns);
    v->addStretch(1);
    kit::fitGroupTitles(page);
    return page;
}

}  // namespace orvanta::ui
