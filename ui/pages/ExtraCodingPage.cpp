// "Extra Coding": warnings, vehicle options, speed limit, coffee break, line colour,
// long-press actions and sensor options of the extra coding record.
#include <QCheckBox>
#include <QRadioButton>
#include <QWidget>
#include <utility>
#include <vector>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/pages/RecordPageKit.h"
#include "ui/widgets/RadioGroup.h"

namespace orvanta::ui {

namespace {

using Checks = std::vector<std::pair<const char*, const char*>>;

QGroupBox* checkGroup(const QString& name, const QString& caption, const Checks& checks, int columns,
                      QWidget* parent) {
    QGroupBox* g = makeGroup(name, caption, parent);
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(1);
    grid->setHorizontalSpacing(10);
    const int rows = (static_cast<int>(checks.size()) + columns - 1) / columns;
    for (int i = 0; i < static_cast<int>(checks.size()); ++i)
        grid->addWidget(makeCheck(checks[static_cast<size_t>(i)].first, checks[static_cast<size_t>(i)].second, g),
                        i % rows, i / rows);
    grid->setRowStretch(rows, 1);
    return g;
}

QGroupBox* buildWarnings(QWidget* parent) {
    QGroupBox* g = checkGroup("GroupBoxWarnings", "Warnings",
                              {{"CheckBox74", "Brake Pads"},
                               {"CheckBox75", "Wash flude level"},
                               {"CheckBox62", "Brake flude level"},
                               {"CheckBox66", "Hand Brake"},
                               {"CheckBox73", "Tire pressure"},
                               {"CheckBox61", "Opening the bonnet"},
                               {"CheckBox68", "Real-time Mininum oil press. icon"},
                               {"CheckBox76", "Seat belt warning"},
                               {"CheckBox72", "No/Half FIS Oil Level Warn."},
                               {"CheckBox77", "Full FIS Oil Level Warn."},
                               {"CheckBox82", "Fault head or reverse light lamp"},
                               {"CheckBox83", "Fault brake light lamp"},
                               {"CheckBox5", "Fault headlight range control"},
                               {"CheckBox19", "Tank tightness, Refuiling"},
                               {"CheckBox20", "Ice (snowflake) warning"},
                               {"CheckBox27", "Airbag off warning"},
                               {"CheckBox85", "Open Tank "},
                               {"CheckBox48", "Coolant low level"},
                               {"CheckBox49", "Low Oil level"},
                               {"CheckBox63", "Turn off repeated messages"},
                               {"CheckBox50", "Xmas congratulations"},
                               {"CheckBox51", "New Year congratulations"}},
                              2, parent);
    // The two level warnings change only by a read reply or an installer code.
    for (const char* name : {"CheckBox48", "CheckBox49"}) {
        auto* c = g->findChild<QCheckBox*>(name);
        c->setChecked(true);
        c->setEnabled(false);
        c->setToolTip("Set by reading the coding or by an installer code");
    }
    return g;
}

QGroupBox* buildOptions(QWidget* parent) {
    QGroupBox* g = checkGroup("GroupBoxOptions", "Vehicle options",
                              {{"CheckBox69", "Mirrors Heater"},
                               {"CheckBox78", "Together mirrors move "},
                               {"CheckBox56", "Mirror folding"},
                               {"CheckBox71", "IMMO active"},
                               {"CheckBox79", "without clutch sensor IMMO2"},
                               {"CheckBox84", "IMMO2 1J0 CCM Tempomat GRA "},
                               {"CheckBox81", "Tempomat GRA Cruise Control"},
                               {"CheckBox8", "IMMO2 Fault coolant from LED "},
                               {"CheckBox9", "IMMO2 Wash fluid level from LED "},
                               {"CheckBox18", "High beam indicator from LED "},
                               {"CheckBox80", "Fuel consumption *2 (A4 B7)"},
                               {"CheckBox23", "CAN Parktronic (A6/A8)"},
                               {"CheckBox24", "Show distance "},
                               {"CheckBox25", "Front + Rear "},
                               {"CheckBox35", "Invert Wash sensor (Audi A6 C5)"},
                               {"CheckBox36", "2 pin Orvanta - Fog lamps control"},
                               {"CheckBox43", "Oil temp. directly from G266 sensor "},
                               {"CheckBox54", "Hide gears gearbox"},
                               {"CheckBox60", "The arrow test"}},
                              2, parent);
    auto* folding = g->findChild<QCheckBox*>("CheckBox56");
    folding->setTristate(true);
    folding->setCheckState(Qt::PartiallyChecked);
    return g;
}

QGroupBox* buildSpeedLimit(QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBoxSpeedLimit", "Speed limit", parent);
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(3);
    grid->addWidget(makeCheck("CheckBox70", "Speed limit", g), 0, 0, 1, 2);
    auto* eu = new QRadioButton("EU", g);
    eu->setObjectName("RadioButton5");
    auto* usa = new QRadioButton("USA", g);
    usa->setObjectName("RadioButton6");
    grid->addWidget(eu, 0, 2);
    grid->addWidget(usa, 0, 3);
    grid->addWidget(new QLabel("Km/h", g), 1, 0);
    grid->addWidget(kit::spin("SpinEdit3", 30, 250, 90, 5, g), 1, 1);
    grid->addWidget(new QLabel("M/h", g), 1, 2);
    grid->addWidget(kit::spin("SpinEdit111", 30, 250, 55, 1, g), 1, 3);
    grid->setColumnStretch(4, 1);
    return g;
}

QGroupBox* buildCoffeeBreak(QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBoxCoffeeBreak", "Coffee break reminder", parent);
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(3);
    grid->addWidget(makeCheck("CheckBox67", "CoffeeBreak", g), 0, 0, 1, 4);
    grid->addWidget(new QLabel("Min", g), 1, 0);
    grid->addWidget(kit::spin("SpinEdit39", 0, 600, 240, 10, g), 1, 1);
    grid->addWidget(new QLabel("Km", g), 1, 2);
    grid->addWidget(kit::spin("SpinEdit40", 0, 600, 240, 10, g), 1, 3);
    grid->setColumnStretch(4, 1);
    return g;
}

QGroupBox* buildLongPress(PageContext& ctx, QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBoxLongPress", "2 sec. press UP/DOWN button", parent);
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(2);
    const QStringList actions{"Dimmer form",
                              "Oil level form",
                              "Set warning speed",
                              "Fast menu",
                              "Acceleration 0-100 km / h",
                              "Set zero level for boost sensor",
                              "No action",
                              ""};
    auto* up = new ComboBox("ComboBox37", actions, "Dimmer form", false, g);
    auto* down = new ComboBox("ComboBox38", actions, "Oil level form", false, g);
    up->setMinimumContentsLength(24);
    down->setMinimumContentsLength(24);
    // The LONG buttons let the chosen action be tried on the module at once.
    QPushButton* longUp = kit::requestButton(ctx, g, "BitBtn51", "LONG", 50, 5);
    QPushButton* longDown = kit::requestButton(ctx, g, "BitBtn73", "LONG", 50, 6);
    longUp->setIcon(pictures::arrow(Qt::UpArrow));
    longDown->setIcon(pictures::arrow(Qt::DownArrow));
    longUp->setToolTip("Long press of UP on the module");
    longDown->setToolTip("Long press of DOWN on the module");
    grid->addWidget(new QLabel("Long Up press", g), 0, 0);
    grid->addWidget(up, 1, 0);
    grid->addWidget(longUp, 1, 1);
    grid->addWidget(new QLabel("Long DW press", g), 2, 0);
    grid->addWidget(down, 3, 0);
    grid->addWidget(longDown, 3, 1);
    return g;
}

QWidget* buildSmallLists(QWidget* parent) {
    auto* w = new QWidget(parent);
    auto* grid = new QGridLayout(w);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    auto* remap = new ComboBox("ComboBox13", {"No remap", "Remap 29pin -> 33pin"}, {}, false, w);
    remap->setItemIndex(0);
    auto* fuel = new ComboBox("ComboBox15", {"99 l/100km", "30 l/100km"}, {}, false, w);
    fuel->setItemIndex(0);
    grid->addWidget(new QLabel("Extended input 1 remap", w), 0, 0);
    grid->addWidget(remap, 1, 0);
    grid->addWidget(new QLabel("Instant fuel consumption", w), 0, 1);
    grid->addWidget(fuel, 1, 1);
    return w;
}

}  // namespace

QWidget* createExtraCodingPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("cxTabSheet5");
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(6, 6, 6, 6);
    v->addLayout(kit::buttonRow({kit::requestButton(ctx, page, "BitBtn28", "Read Encode", 54, 23),
                                 kit::requestButton(ctx, page, "BitBtn29", "Save Encode", 52, 21)}));

    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    auto* left = new QVBoxLayout;
    left->addWidget(buildWarnings(page));
    left->addWidget(buildOptions(page));
    left->addStretch(1);
    columns->addLayout(left, 3);

    auto* right = new QVBoxLayout;
    right->addWidget(buildSpeedLimit(page));
    right->addWidget(buildCoffeeBreak(page));
    auto* pair = new QHBoxLayout;
    auto* colour = new RadioGroup("RadioGroup2", "Line color", {"Blue", "Red", "Yellow", "Green", "White"}, 2, page);
    colour->setItemIndex(0);
    pair->addWidget(colour);
    pair->addWidget(new RadioGroup("RadioGroup17", "Coolant temperature source",
                                   {"Dashboard (G2)", "Motor ECU (G62)", "CAN comfort"}, 1, page));
    right->addLayout(pair);
    right->addWidget(buildLongPress(ctx, page));
    right->addWidget(buildSmallLists(page));
    right->addStretch(1);
    columns->addLayout(right, 2);
    v->addLayout(columns, 1);
    kit::fitGroupTitles(page);
    return page;
}

}  // namespace orvanta::ui
