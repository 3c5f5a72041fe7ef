// "Screen Setup": direct commands to the module's LCD (frame lines, backgrounds,
// brightness, sleep, a trial LCD type, start-up logos) and the gamma sets.
#include <QCheckBox>
#include <QScrollBar>
#include <QTabWidget>
#include <QWidget>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "connection/Frames.h"
#include "emulators/Emulators.h"
#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/pages/RecordPageKit.h"
#include "ui/widgets/RadioGroup.h"

namespace orvanta::ui {

namespace {

using kit::arrowButton;
using kit::requestButton;

// Background commands carry a fixed parameter the module expects.
constexpr uint8_t kBackgroundParam = 5;

QWidget* buildFrameGroup(PageContext& ctx, QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBoxScreenFrame", "Screen size", parent);
    auto* v = new QVBoxLayout(g);
    v->setSpacing(4);
    v->addWidget(requestButton(ctx, g, "BitBtn32", "Screen size setup", 50, 10));
    v->addWidget(new QLabel("Top line", g), 0, Qt::AlignHCenter);
    auto* top = new QHBoxLayout;
    top->addWidget(arrowButton(ctx, g, "BitBtn77", Qt::DownArrow, "Top line down", 50, 11));
    top->addWidget(arrowButton(ctx, g, "BitBtn64", Qt::UpArrow, "Top line up", 50, 12));
    v->addLayout(top);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(arrowButton(ctx, g, "BitBtn60", Qt::DownArrow, "Bottom line down", 50, 13));
    bottom->addWidget(arrowButton(ctx, g, "BitBtn50", Qt::UpArrow, "Bottom line up", 50, 14));
    v->addLayout(bottom);
    v->addWidget(new QLabel("Bottom line", g), 0, Qt::AlignHCenter);
    v->addWidget(requestButton(ctx, g, "BitBtn31", "Save size", 50, 15));
    v->addStretch(1);
    return g;
}

QWidget* buildBackgroundGroup(PageContext& ctx, QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBoxBackground", "Background", parent);
    auto* v = new QVBoxLayout(g);
    v->setSpacing(4);
    v->addWidget(requestButton(ctx, g, "BitBtn44", "Show Back-nd", 51, 41, kBackgroundParam));
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(arrowButton(ctx, g, "BitBtn78", Qt::UpArrow, "Previous background", 51, 42, kBackgroundParam));
    arrows->addWidget(arrowButton(ctx, g, "BitBtn79", Qt::DownArrow, "Next background", 51, 43, kBackgroundParam));
    v->addLayout(arrows);
    v->addWidget(requestButton(ctx, g, "BitBtn48", "Save Background", 51, 44, kBackgroundParam));
    v->addStretch(1);
    return g;
}

QWidget* buildBrightnessGroup(PageContext& ctx, QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBoxBrightness", "Brightness and sleep", parent);
    auto* v = new QVBoxLayout(g);
    v->setSpacing(4);
    auto* row = new QHBoxLayout;
    SpinEdit* level = kit::spin("SpinEdit2", 0, 100, 100, 10, g);
    row->addWidget(level);
    row->addWidget(new QLabel("%", g));
    row->addStretch(1);
    v->addLayout(row);
    auto* bar = new QScrollBar(Qt::Horizontal, g);
    bar->setObjectName("ScrollBar2");
    bar->setRange(0, 100);
    bar->setSingleStep(10);
    bar->setPageStep(10);
    bar->setValue(100);
    bar->setMinimumWidth(140);
    v->addWidget(bar);
    // Each side only fires when its value really changes, so the pair settles at once.
    QObject::connect(level, &QSpinBox::valueChanged, bar, &QScrollBar::setValue);
    QObject::connect(bar, &QScrollBar::valueChanged, level, &QSpinBox::setValue);

    QPushButton* send = makeButton("BitBtn30", "Brightness", g);
    auto& loop = ctx.loop;
    QObject::connect(send, &QPushButton::clicked, send,
                     [&loop, level] { loop.Post(51, 50, static_cast<uint8_t>(level->value())); });
    v->addWidget(send);
    auto* sleep = new QHBoxLayout;
    sleep->addWidget(requestButton(ctx, g, "Button19", "Sleep In", 50, 101));
    sleep->addWidget(requestButton(ctx, g, "Button20", "Sleep Out", 50, 100));
    v->addLayout(sleep);
    v->addStretch(1);
    return g;
}

// Qt also closes the list when the box itself is hidden (the page control starts
// hidden); only a list the user opened counts as closing it.
class LcdTypeBox : public ComboBox {
public:
    using ComboBox::ComboBox;
    bool takeOpened() { return std::exchange(opened_, false); }
    void showPopup() override {
        opened_ = true;
        ComboBox::showPopup();
    }

private:
    bool opened_ = false;
};

QWidget* buildLcdTypeGroup(PageContext& ctx, QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBoxLcdType", "Changing the display type without saving the setting", parent);
    auto* v = new QHBoxLayout(g);
    // The window copies the display types of the "Config" page in at start-up.
    auto* types = new LcdTypeBox("ComboBox39", {}, "Type of Display", false, g);
    types->setMinimumContentsLength(22);
    v->addWidget(types);
    QPushButton* change = makeButton("Button1854333", "Change LCD type", g);
    // Nothing to try until the user has looked at the list.
    change->setEnabled(false);
    QObject::connect(types, &ComboBox::closedUp, change, [types, change] {
        if (types->takeOpened()) change->setEnabled(true);
    });
    auto& loop = ctx.loop;
    // Item n carries type n + 10; no selection (-1) gives 9.
    QObject::connect(change, &QPushButton::clicked, change, [&loop, types] {
        loop.Post(51, 53, static_cast<uint8_t>((types->itemIndex() + 10) & 0xFF));
    });
    v->addWidget(change, 0, Qt::AlignLeft);
    return g;
}

QWidget* buildIgnitionGroup(PageContext& ctx, QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBoxIgnition", "Ignition On/Off emulator", parent);
    auto* v = new QVBoxLayout(g);
    QCheckBox* kl15 = makeCheck("CheckBox44", "Terminal 15", g);
    auto& loop = ctx.loop;
    // Its new state chooses ignition on or off; the side panel's boxes are separate.
    QObject::connect(kl15, &QCheckBox::clicked, kl15,
                     [&loop](bool checked) { loop.Post(50, emulators::ignitionCommand(checked)); });
    v->addWidget(kl15);
    v->addStretch(1);
    return g;
}

QWidget* buildLogoGroup(PageContext& ctx, QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBoxLogos", "Start-up logos", parent);
    auto* grid = new QGridLayout(g);
    grid->setHorizontalSpacing(8);

    QGroupBox* anime = makeGroup("GroupBoxAnimatedLogo", "Animated Logo (logos\\anime folder)", g);
    auto* av = new QVBoxLayout(anime);
    av->setSpacing(2);
    av->addWidget(makeCheck("CheckBox21", "ignition ON", anime));
    av->addWidget(makeCheck("CheckBox22", "ign. OFF", anime));
    av->addWidget(makeCheck("CheckBox26", "Align center", anime));
    av->addStretch(1);

    QGroupBox* welcome = makeGroup("GroupBoxWelcomeLogo", "Welcome Logo *logo.dta", g);
    auto* wv = new QVBoxLayout(welcome);
    wv->setSpacing(2);
    wv->addWidget(makeCheck("CheckBox6", "ignition ON", welcome));
    wv->addWidget(makeCheck("CheckBox7", "ignition OFF", welcome));
    auto* wr = new QHBoxLayout;
    wr->addWidget(kit::spin("SpinEdit124", 1, 10, 1, 1, welcome));
    wr->addWidget(new QLabel("seconds", welcome));
    wr->addStretch(1);
    wv->addLayout(wr);

    QGroupBox* bye = makeGroup("GroupBoxGoodbyeLogo", "Goodbye Logo *bye.dta", g);
    auto* bv = new QVBoxLayout(bye);
    bv->setSpacing(2);
    bv->addWidget(makeCheck("CheckBox10", "ignition OFF", bye));
    auto* br = new QHBoxLayout;
    br->addWidget(kit::spin("SpinEdit125", 1, 10, 1, 1, bye));
    br->addWidget(new QLabel("seconds", bye));
    br->addStretch(1);
    bv->addLayout(br);
    bv->addStretch(1);

    QGroupBox* saver = makeGroup("GroupBoxScreenSaverLogo", "Screen saver Logo *scsr.dta", g);
    auto* sv = new QVBoxLayout(saver);
    sv->setSpacing(2);
    sv->addWidget(makeCheck("CheckBox12", "ignition ON", saver));
    sv->addWidget(makeCheck("CheckBox13", "ignition OFF", saver));
    sv->addWidget(new RadioGroup("RadioGroup14", "Screen saver type", {"Image", "Date/time"}, 2, saver));

    grid->addWidget(anime, 0, 0);
    grid->addWidget(welcome, 0, 1);
    grid->addWidget(bye, 0, 2);
    grid->addWidget(saver, 0, 3);
    auto* buttons = new QHBoxLayout;
    QPushButton* read = requestButton(ctx, g, "BitBtn53", "Read", 175, 48);
    QPushButton* save = requestButton(ctx, g, "BitBtn49", "Save", 177, 47);
    read->setToolTip("Read the start-up logo settings from the module");
    save->setToolTip("Save the start-up logo settings to the module");
    buttons->addWidget(read);
    buttons->addWidget(save);
    buttons->addStretch(1);
    grid->addLayout(buttons, 1, 0, 1, 4);
    return g;
}

QWidget* buildScreenSizeSheet(PageContext& ctx) {
    auto* sheet = new QWidget;
    sheet->setObjectName("ScreenSizeSheet");
    auto* grid = new QGridLayout(sheet);
    grid->setSpacing(8);
    grid->addWidget(buildFrameGroup(ctx, sheet), 0, 0, 2, 1);
    grid->addWidget(buildBackgroundGroup(ctx, sheet), 0, 1);
    grid->addWidget(buildBrightnessGroup(ctx, sheet), 0, 2);
    grid->addWidget(buildIgnitionGroup(ctx, sheet), 0, 3);
    grid->addWidget(buildLcdTypeGroup(ctx, sheet), 1, 1, 1, 3);
    grid->addWidget(buildLogoGroup(ctx, sheet), 2, 0, 1, 5);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(4, 1);
    return sheet;
}

// --- GAMMA ---------------------------------------------------------------------------

// A preset gives one value per editor in position order; kKeep leaves that editor alone.
constexpr int kKeep = -1;
using Editors = std::vector<SpinEdit*>;

void applyPreset(const Editors& editors, const std::vector<int>& values) {
    for (size_t i = 0; i < editors.size() && i < values.size(); ++i)
        if (values[i] != kKeep) editors[i]->setClamped(values[i]);
}

// The module's own default gamma of the HX-8357 family, in the two variants.
const std::vector<int>& defaultGammaC() {
    static const std::vector<int> v{0, 21, 29, 42, 49, 66, 76, 83, 69, 64, 59, 50, 46, 40, 36, 3,
                                    0, 21, 29, 42, 49, 66, 76, 83, 69, 64, 59, 50, 46, 40, 36, 3, 0, 1};
    return v;
}

const std::vector<int>& defaultGammaD() {
    static const std::vector<int> v{11, 12, 17, 29, 37, 55, 67, 75, 78, 71, 65, 57, 53, 49, 46, 33,
                                    28, 29, 29, 38, 49, 68, 78, 86, 68, 63, 57, 51, 49, 46, 40, 29, 224, 0};
    return v;
}

SpinEdit* gammaSpin(const QString& name, int max, int value, QWidget* parent) {
    SpinEdit* s = kit::spin(name, 0, max, value, 1, parent);
    s->setMinimumWidth(50);
    return s;
}

// Two editors per row, filled row by row from left to right, under a block caption.
void addPairBlock(QGridLayout* grid, int column, const QString& caption, const Editors& editors, QWidget* parent) {
    auto* title = new QLabel(caption, parent);
    title->setFont(boldFont(title));
    grid->addWidget(title, 0, column, 1, 2, Qt::AlignHCenter);
    for (size_t i = 0; i < editors.size(); ++i)
        grid->addWidget(editors[i], 1 + static_cast<int>(i / 2), column + static_cast<int>(i % 2));
}

QWidget* buildGamma31(PageContext& ctx, QWidget* parent, std::shared_ptr<Editors> out32) {
    QGroupBox* g = makeGroup("GroupBox31", "ILI-9481 / HX-8375B", parent);
    auto* v = new QVBoxLayout(g);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    // Bytes 1-6 (VRP) on the left, 7-12 (VRN) on the right; nibble pairs side by side.
    struct Byte { const char* high; const char* low; int max; int high0; int low0; };
    const std::array<Byte, 12> bytes{{
        {"SpinEdit7", "SpinEdit19", 7, 7, 7},   {"SpinEdit8", "SpinEdit20", 7, 7, 7},
        {"SpinEdit9", "SpinEdit21", 7, 0, 0},   {"SpinEdit10", "SpinEdit22", 7, 0, 7},
        {"SpinEdit11", nullptr, 15, 15, 0},     {"SpinEdit12", nullptr, 31, 0, 0},
        {"SpinEdit13", "SpinEdit23", 7, 0, 0},  {"SpinEdit14", "SpinEdit24", 7, 4, 2},
        {"SpinEdit15", "SpinEdit25", 7, 4, 2},  {"SpinEdit16", "SpinEdit26", 7, 7, 4},
        {"SpinEdit17", nullptr, 15, 0, 0},      {"SpinEdit18", nullptr, 31, 30, 0},
    }};
    Editors editors;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const Byte& b = bytes[i];
        const int column = i < 6 ? 0 : 3;
        const int row = 1 + static_cast<int>(i % 6);
        SpinEdit* high = gammaSpin(b.high, b.max, b.high0, g);
        grid->addWidget(high, row, column);
        editors.push_back(high);
        if (b.low) {
            SpinEdit* low = gammaSpin(b.low, b.max, b.low0, g);
            grid->addWidget(low, row, column + 1);
            editors.push_back(low);
        }
    }
    for (auto [column, caption] : {std::pair{0, "VRP 0..10"}, std::pair{3, "VRN 0..10"}}) {
        auto* title = new QLabel(caption, g);
        title->setFont(boldFont(title));
        grid->addWidget(title, 0, column, 1, 2, Qt::AlignHCenter);
    }
    grid->setColumnMinimumWidth(2, 12);
    v->addLayout(grid);

    QPushButton* set = makeButton("Button25", "SET GAMMA", g, true);
    auto& loop = ctx.loop;
    QObject::connect(set, &QPushButton::clicked, set, [&loop] { loop.Post(152, 30); });
    v->addWidget(set);
    QPushButton* hx = makeButton("Button34", "Def HX-8375B", g);
    QObject::connect(hx, &QPushButton::clicked, hx, [editors] {
        applyPreset(editors, {0, 0, 6, 7, 0, 4, 7, 0, 0, 30, 3, 7, 0, 1, 7, 7, 0, 7, 15, 0});
    });
    QPushButton* ili = makeButton("Button36", "Def ILI-9481", g);
    QObject::connect(ili, &QPushButton::clicked, ili, [editors] {
        applyPreset(editors, {0, 0, 3, 2, 3, 6, 4, 5, 6, 22, 3, 7, 7, 5, 7, 7, 5, 4, 12, 0});
    });
    auto* presets = new QHBoxLayout;
    presets->addWidget(hx);
    presets->addWidget(ili);
    v->addLayout(presets);
    // Sits here but, like its twin in the next group, fills the HX-8357 editors.
    QPushButton* def = makeButton("Button33", "Set default GAMMA", g);
    QObject::connect(def, &QPushButton::clicked, def, [&loop, out32] {
        applyPreset(*out32, defaultGammaC());
        loop.Post(153, 61);
    });
    v->addWidget(def);
    v->addStretch(1);
    return g;
}

QWidget* buildGamma32(PageContext& ctx, QWidget* parent, const std::shared_ptr<Editors>& shared) {
    Editors& editors = *shared;
    QGroupBox* g = makeGroup("GroupBox32", "HX-8357C/HX-8357D", parent);
    auto* v = new QVBoxLayout(g);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    for (int i = 0; i < 34; ++i)
        editors.push_back(gammaSpin(QString("SpinEdit%1").arg(41 + i), i < 32 ? 127 : 255, i == 33 ? 1 : 0, g));
    addPairBlock(grid, 0, "VRP 0..16", Editors(editors.begin(), editors.begin() + 16), g);
    addPairBlock(grid, 3, "VRN 0..16", Editors(editors.begin() + 16, editors.begin() + 32), g);
    grid->setColumnMinimumWidth(2, 12);
    v->addLayout(grid);
    auto* extra = new QGridLayout;
    extra->addWidget(new QLabel("SGN _\nSGP", g), 0, 0);
    extra->addWidget(editors[32], 0, 1);
    extra->addWidget(new QLabel("GMA_\nRELOAD", g), 0, 2);
    extra->addWidget(editors[33], 0, 3);
    extra->setColumnStretch(4, 1);
    v->addLayout(extra);

    auto& loop = ctx.loop;
    QPushButton* set = makeButton("Button32", "Set GAMMA", g, true);
    QObject::connect(set, &QPushButton::clicked, set, [&loop] { loop.Post(155, 30); });
    v->addWidget(set);
    QPushButton* c = makeButton("Button35", "Set default GAMMA С", g);
    QObject::connect(c, &QPushButton::clicked, c, [&loop, shared] {
        applyPreset(*shared, defaultGammaC());
        loop.Post(153, 61);
    });
    v->addWidget(c);
    QPushButton* d = makeButton("Button185654444", "Set default GAMMA D", g);
    QObject::connect(d, &QPushButton::clicked, d, [&loop, shared] {
        applyPreset(*shared, defaultGammaD());
        loop.Post(153, 61);
    });
    v->addWidget(d);
    v->addStretch(1);
    return g;
}

QWidget* buildGamma33(PageContext& ctx, QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBox33", "ILI-9486/ILI-9481 NEW", parent);
    auto* v = new QVBoxLayout(g);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    const std::array<int, 30> start{15, 36, 28, 10, 15, 8, 68, 135, 50, 15, 16, 6, 26, 7, 0,
                                    15, 56, 48, 9, 15, 15, 78, 119, 60, 7, 76, 5, 35, 27, 0};
    Editors editors;
    for (int i = 0; i < 30; ++i) {
        // SpinEdit90 belongs to another page: the VRN block starts at 91.
        const int number = i < 15 ? 75 + i : 91 + (i - 15);
        const int max = (i == 7 || i == 8) ? 135 : 127;
        editors.push_back(gammaSpin(QString("SpinEdit%1").arg(number), max, start[static_cast<size_t>(i)], g));
    }
    addPairBlock(grid, 0, "VRP 0..15", Editors(editors.begin(), editors.begin() + 15), g);
    addPairBlock(grid, 3, "VRN 0..15", Editors(editors.begin() + 15, editors.end()), g);
    grid->setColumnMinimumWidth(2, 12);
    v->addLayout(grid);

    auto& loop = ctx.loop;
    QPushButton* set = makeButton("Button40", "Set GAMMA", g, true);
    QObject::connect(set, &QPushButton::clicked, set, [&loop] { loop.Post(157, 30); });
    v->addWidget(set);
    struct Preset { const char* name; const char* caption; std::vector<int> values; };
    const std::vector<Preset> presets{
        {"Button555121", "Def ILI-9486",
         {15, 36, 28, 10, 15, 8, 67, 136, 50, 15, 16, 6, 15, 7, 0, 15, 56, 48, 9, 15, 15, 78, 119, 60, 7, 16, 5, 35, 27, 0}},
        {"Button64335455", "Def ILI 9481 NEW",
         {15, 36, 20, 10, 15, 8, 68, 135, 55, 15, 25, 6, 26, 7, 0, 15, 56, 20, 9, 15, 15, 50, 119, 45, 7, 76, 5, 35, 27, 0}},
        {"Button1822222", "Def R61581",
         {0, 8, 22, 107, 4, 9, 25, 7, 0, 50, kKeep, kKeep, kKeep, kKeep, kKeep,
          7, 25, 9, 100, 11, 22, 8, 0, 50, 0, kKeep, kKeep, kKeep, kKeep, kKeep}},
    };
    auto* row = new QGridLayout;
    int i = 0;
    for (const Preset& p : presets) {
        QPushButton* b = makeButton(p.name, p.caption, g);
        QObject::connect(b, &QPushButton::clicked, b, [editors, values = p.values] { applyPreset(editors, values); });
        row->addWidget(b, i / 2, i % 2);
        ++i;
    }
    v->addLayout(row);
    v->addStretch(1);
    return g;
}

QWidget* buildGammaSheet(PageContext& ctx) {
    auto* sheet = new QWidget;
    sheet->setObjectName("GammaSheet");
    // The HX-8357 editors are also filled from a button of the first group.
    auto editors32 = std::make_shared<Editors>();
    auto* v = new QVBoxLayout(sheet);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    QWidget* g31 = buildGamma31(ctx, sheet, editors32);
    QWidget* g32 = buildGamma32(ctx, sheet, editors32);
    row->addWidget(g31);
    row->addWidget(g32);
    row->addWidget(buildGamma33(ctx, sheet));
    row->addStretch(1);
    v->addLayout(row);
    auto* bottom = new QHBoxLayout;
    QPushButton* save = requestButton(ctx, sheet, "BitBtn33", "Save", 153, 31);
    save->setFont(boldFont(save));
    save->setMinimumWidth(120);
    save->setToolTip("Make the module store the gamma now in force");
    bottom->addWidget(save);
    bottom->addStretch(1);
    v->addLayout(bottom);
    v->addStretch(1);
    return sheet;
}

}  // namespace

QWidget* createScreenSetupPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("cxTabSheet1");
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(4, 4, 4, 4);
    auto* tabs = new QTabWidget(page);
    tabs->setObjectName("PageControl1");
    tabs->addTab(buildScreenSizeSheet(ctx), "Screen size");
    tabs->addTab(buildGammaSheet(ctx), "GAMMA");
    // Two further sheets exist but are never shown.
    for (auto [name, caption] : {std::pair{"GammaHX8357CSheet", "GAMMA HX8357C"},
                                 std::pair{"GammaILI9486Sheet", "GAMMA ILI9486"}}) {
        auto* hidden = new QWidget;
        hidden->setObjectName(name);
        tabs->setTabVisible(tabs->addTab(hidden, caption), false);
    }
    tabs->setCurrentIndex(0);
    v->addWidget(tabs);
    kit::fitGroupTitles(page);
    return page;
}

}  // namespace orvanta::ui
