// "TurboTimer": the cooling and heating halves of the turbo timer record, and the
// emulator buttons that switch the module's turbo timer on and off.
#include <QCheckBox>
#include <QWidget>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/pages/RecordPageKit.h"

namespace orvanta::ui {

namespace {

constexpr const char* kTurboHelp = "/Installation/Turbotimer.htm";

struct HalfNames {
    const char* group;
    const char* caption;
    const char* help;
    const char* helpPath;
    const char* enable;
    const char* enableCaption;
    const char* time;
    int timeMax;
    int timeStart;
    const char* temperature;
    const char* rpmMin;
    const char* rpmMax;
    const char* noBrake;
    const char* noHandbrake;
};

QGroupBox* buildHalf(const HalfNames& n, QWidget* parent) {
    QGroupBox* g = makeGroup(n.group, n.caption, parent);
    auto* v = new QVBoxLayout(g);
    auto* top = new QHBoxLayout;
    top->addWidget(makeCheck(n.enable, n.enableCaption, g));
    top->addStretch(1);
    top->addWidget(makeHelpPicture(n.help, n.helpPath, g));
    v->addLayout(top);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    kit::addRow(grid, 0, "Time (sec)", kit::spin(n.time, 0, n.timeMax, n.timeStart, 30, g));
    kit::addRow(grid, 1, "Temperature", kit::spin(n.temperature, 50, 100, 90, 1, g));
    kit::addRow(grid, 2, "RPM min", kit::spin(n.rpmMin, 400, 1000, 600, 30, g));
    kit::addRow(grid, 3, "RPM max", kit::spin(n.rpmMax, 1100, 2000, 1500, 30, g));
    grid->setColumnStretch(2, 1);
    v->addLayout(grid);
    v->addWidget(makeCheck(n.noBrake, "do not use the brake pedal", g));
    v->addWidget(makeCheck(n.noHandbrake, "do not use the handbrake", g));
    v->addStretch(1);
    return g;
}

}  // namespace

QWidget* createTurboTimerPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet8");
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(8);

    auto* top = kit::buttonRow({kit::requestButton(ctx, page, "BitBtn26", "Read ", 166, 38),
                                kit::requestButton(ctx, page, "BitBtn27", "Save", 165, 37)});
    top->addWidget(makeHelpPicture("Image127", kTurboHelp, page));
    v->addLayout(top);

    auto* halves = new QHBoxLayout;
    halves->setSpacing(8);
    halves->addWidget(buildHalf({"GroupBoxCooling", "Cooling", "Image35", kTurboHelp, "CheckBox3", "Enable cooling",
                                 "SpinEdit90", 300, 90, "SpinEdit106", "SpinEdit169", "SpinEdit170", "CheckBox14",
                                 "CheckBox15"},
                                page));
    halves->addWidget(buildHalf({"GroupBoxHeat", "Heat", "Image40", "/Installation/Webasto.htm", "CheckBox4",
                                 "Enable heating", "SpinEdit107", 1200, 300, "SpinEdit108", "SpinEdit172",
                                 "SpinEdit171", "CheckBox16", "CheckBox17"},
                                page));
    halves->addStretch(1);
    v->addLayout(halves);

    QGroupBox* emulator = makeGroup("GroupBoxTurboEmulator", "Turbo Timer Emulator", page);
    auto* e = new QHBoxLayout(emulator);
    e->addWidget(kit::requestButton(ctx, emulator, "Button29", "TurboTimer switch ON", 50, 7));
    e->addWidget(kit::requestButton(ctx, emulator, "Button30", "TurboTimer switch OFF", 50, 8));
    e->addStretch(1);
    v->addWidget(emulator);
    v->addStretch(1);
    kit::fitGroupTitles(page);
    return page;
}

}  // namespace orvanta::ui
