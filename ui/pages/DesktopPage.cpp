// "Desktop": the module's ten dashboard pages. A page list, the page type, one editor
// per type (switched from code; its tabs are hidden), the six corner values shared by
// all pages, the exchange with the module and a backup file.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/pages/FileChooser.h"
#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/widgets/Editors.h"
#include "ui/widgets/RadioGroup.h"

namespace orvanta::ui {

namespace {

constexpr uint8_t kSaveDesktop = 98;
constexpr uint8_t kReadDesktop = 99;

const QStringList kCellList{"Empty",         "Boost",           "RPM",          "Voltage",      "InstantFC",
                            "AveregeFC",     "MaxSpeed",        "AvrSpeed",     "Trip distance", "Trip time",
                            "Fuel level",    "Fuel range",      "Horsepower",   "Torque",       "Intake °C/°F",
                            "Coolant temp.", "Air temp.",       "EGT1 temp.",   "Gear Oil temp.", "Oil temp.",
                            "Oil level",     "Oil press.",      "Date",         "Time",         "TripFC",
                            "AFR",           "Lymbda",          "EGT2 temp.",   "Steering angle°", "MAF",
                            "Throttle",      "Fuel press",      "LPG",          "Haldex"};

const QStringList kMainList{"Empty",         "Speed",     "Boost",      "RPM",          "Voltage",    "InstantFC",
                            "AveregeFC",     "Trip distance", "Trip time", "Fuel level", "Fuel range", "Horsepower",
                            "Torque",        "Intake °C/°F", "Coolant temp.", "Air temp.", "EGT1 temp.",
                            "Gear Oil temp.", "Oil temp.", "Oil level",  "Oil press.",   "AFR",        "MAF"};

const QStringList kCornerList{"Empty",        "Boost",      "Voltage",        "AveregeFC",     "Distance",
                              "Trip time",    "Fuel level", "Fuel range",     "Intake °C/°F",  "Coolant temp.",
                              "Air temp.",    "EGT temp.",  "Gear Oil temp.", "Oil temp.",     "Oil level",
                              "Date",         "Time",       "Trip distance",  "Steering angle°", "Oil press",
                              "LPG",          "Fuel press"};

const QStringList kRoundList{"Boost", "Horsepower", "Torque", "InstantFC", "AveregeFC", "Voltage"};
const QStringList kGraphList{"Boost", "RPM", "InstantFC", "Horsepower", "Torque"};
const QStringList kTitleModes{"Empty", "Param title", "Track(radio)info"};
const QStringList kTitleModesLower{"empty", "param title", "track(radio)info"};

const QStringList kPageTypes{"page OFF",     "4 rectangular",    "3 round", "1 big param", "2 graphics",
                             "All warnings", "Fuel consumption", "Misfire", "Retards"};

// "OpenDialog1": the desktop backup files.
OpenDialogSettings desktopBackupDialog() {
    OpenDialogSettings s;
    s.name = "OpenDialog1";
    s.filter = "Descktop config (*.dsk)";
    s.defaultSuffix = "dsk";
    return s;
}

QStringList mainListShort() { return kMainList.mid(0, 21); }

ComboBox* box(const char* name, const QStringList& items, QWidget* parent) {
    auto* b = new ComboBox(name, items, {}, false, parent);
    b->setMinimumContentsLength(10);
    return b;
}

// The parts every type editor has: the title line and main value at the top, the
// items in the middle, "2. Apply" and "Cancel" at the foot.
struct EditorFrame {
    QWidget* page;
    QGridLayout* items;
};

EditorFrame editorPage(const char* name, const char* titleBox, const QStringList& titleItems, const char* mainBox,
                       const QStringList& mainItems, const char* apply, const char* cancel) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(8, 8, 8, 8);
    auto* top = new QGridLayout;
    top->addWidget(new QLabel("Title line", page), 0, 0);
    top->addWidget(box(titleBox, titleItems, page), 0, 1);
    top->addWidget(new QLabel("Main value", page), 1, 0);
    top->addWidget(box(mainBox, mainItems, page), 1, 1);
    top->setColumnStretch(2, 1);
    v->addLayout(top);
    auto* items = new QGridLayout;
    items->setHorizontalSpacing(8);
    v->addSpacing(6);
    v->addLayout(items);
    v->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(apply, "2. Apply", page, true));
    buttons->addWidget(makeButton(cancel, "Cancel", page));
    buttons->addStretch(1);
    v->addLayout(buttons);
    return {page, items};
}

void addItem(QGridLayout* g, int row, int col, const QString& label, QWidget* w) {
    auto* l = new QLabel(label, w->parentWidget());
    auto* cell = new QVBoxLayout;
    cell->setSpacing(1);
    cell->addWidget(l);
    cell->addWidget(w);
    g->addLayout(cell, row, col);
}

QWidget* fixedPage(const char* name, const QString& what) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* v = new QVBoxLayout(page);
    auto* l = new QLabel(what, page);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    v->addWidget(l);
    return page;
}

QTabWidget* buildEditors(QWidget* parent) {
    auto* editors = new QTabWidget(parent);
    editors->setObjectName("PageControl2");
    editors->setTabPosition(QTabWidget::South);

    editors->addTab(fixedPage("PageOff", "This page is off."), "page OFF");

    EditorFrame t4 = editorPage("Type4", "ComboBox27", kTitleModes, "ComboBoxEx11", kMainList, "Button733333",
                                "Button13");
    addItem(t4.items, 0, 0, "Top left", box("ComboBoxEx7", kCellList, t4.page));
    addItem(t4.items, 0, 1, "Top right", box("ComboBoxEx9", kCellList, t4.page));
    addItem(t4.items, 1, 0, "Bottom left", box("ComboBoxEx8", kCellList, t4.page));
    addItem(t4.items, 1, 1, "Bottom right", box("ComboBoxEx10", kCellList, t4.page));
    editors->addTab(t4.page, "Type4");

    EditorFrame t3 = editorPage("Type3r", "ComboBox29", kTitleModesLower, "ComboBoxEx12", mainListShort(),
                                "Button5343444", "Button6");
    addItem(t3.items, 0, 0, "Left gauge", box("ComboBoxEx16", kRoundList, t3.page));
    addItem(t3.items, 0, 1, "Middle gauge", box("ComboBoxEx18", kRoundList, t3.page));
    addItem(t3.items, 0, 2, "Right gauge", box("ComboBoxEx17", kRoundList, t3.page));
    editors->addTab(t3.page, "Type3r");

    EditorFrame big = editorPage("TypeBig", "ComboBox30", kTitleModes, "ComboBoxEx13", kMainList,
                                 "Button7555555555", "Button5");
    addItem(big.items, 0, 0, "Second big value", box("ComboBoxEx14", kMainList, big.page));
    editors->addTab(big.page, "TypeBig");

    EditorFrame g2 = editorPage("Type2G", "ComboBox35", kTitleModes, "ComboBoxEx15", mainListShort(), "Button1866",
                                "Button7");
    addItem(g2.items, 0, 0, "Left graph", box("ComboBoxEx19", kGraphList, g2.page));
    addItem(g2.items, 0, 1, "Right graph", box("ComboBoxEx20", mainListShort(), g2.page));
    editors->addTab(g2.page, "Type2G");

    editors->addTab(fixedPage("Warns", "All warnings: a fixed page, nothing to set."), "Warns");
    editors->addTab(fixedPage("FuelC", "Fuel consumption: a fixed page, nothing to set."), "Fuel C");
    editors->addTab(fixedPage("Misfire", "Misfire: a fixed page, nothing to set."), "Misfire");
    editors->addTab(fixedPage("Retards", "Retards: a fixed page, nothing to set."), "Retards");

    // The pages are switched from code only: no tab is ever shown.
    for (int i = 0; i < editors->count(); ++i) editors->setTabVisible(i, false);
    editors->tabBar()->setVisible(false);
    editors->setCurrentIndex(0);
    return editors;
}

}  // namespace

QWidget* createDesktopPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet10");
    auto* h = new QHBoxLayout(page);
    h->setContentsMargins(8, 8, 8, 8);
    h->setSpacing(10);

    // Which page, and of which type.
    auto* left = new QVBoxLayout;
    auto* pages = new QListWidget(page);
    pages->setObjectName("ListBox7");
    for (int i = 1; i <= 10; ++i) pages->addItem(QString("Page %1").arg(i));

    pages->setMinimumHeight(170);
    left->addWidget(pages);
    auto* type = new RadioGroup("RadioGroup12", "Page type/ тип страницы", kPageTypes, 1, page);
    // The column is as wide as the group's caption needs, no wider.
    const int columnWidth = type->fontMetrics().horizontalAdvance(type->title()) + 40;
    type->setFixedWidth(columnWidth);
    pages->setFixedWidth(columnWidth);
    left->addWidget(type);
    left->addWidget(makeButton("BitBtn6598777", "Change type", page));
    left->addStretch(1);
    h->addLayout(left);

    // The editor of the selected page's type, framed by the corner values of the screen.
    auto* centre = new QVBoxLayout;
    auto* corners = makeGroup("GroupBoxCorners", "Corner values (all pages)", page);
    auto* c = new QGridLayout(corners);
    c->setContentsMargins(8, 10, 8, 8);
    c->setHorizontalSpacing(8);
    // Laid out as they sit on the module's screen.
    c->addWidget(new QLabel("Left", corners), 0, 1);
    c->addWidget(new QLabel("Right", corners), 0, 2);
    c->addWidget(new QLabel("Top", corners), 1, 0);
    c->addWidget(box("ComboBoxEx1", kCornerList, corners), 1, 1);
    c->addWidget(box("ComboBoxEx2", kCornerList, corners), 1, 2);
    c->addWidget(new QLabel("Bottom, upper line", corners), 2, 0);
    c->addWidget(box("ComboBoxEx3", kCornerList, corners), 2, 1);
    c->addWidget(box("ComboBoxEx4", kCornerList, corners), 2, 2);
    c->addWidget(new QLabel("Bottom, lower line", corners), 3, 0);
    c->addWidget(box("ComboBoxEx5", kCornerList, corners), 3, 1);
    c->addWidget(box("ComboBoxEx6", kCornerList, corners), 3, 2);
    c->setColumnStretch(1, 1);
    c->setColumnStretch(2, 1);
    centre->addWidget(buildEditors(page), 1);
    centre->addWidget(corners);
    h->addLayout(centre, 1);

    // The module and the backup file.
    auto* right = new QVBoxLayout;
    auto* read = makeButton("BitBtn65", "1.Read Config<-Orvanta", page, true);
    QObject::connect(read, &QPushButton::clicked, page, [&ctx] { ctx.loop.Post(402, kReadDesktop); });
    auto* save = makeButton("BitBtn67", "3.Save Config->Orvanta", page, true);
    QObject::connect(save, &QPushButton::clicked, page, [&ctx] { ctx.loop.Post(401, kSaveDesktop); });
    right->addWidget(read);
    right->addWidget(save);
    right->addSpacing(10);
    auto* backup = makeGroup("BackUp", "BackUp", page);
    auto* b = new QVBoxLayout(backup);
    b->setContentsMargins(8, 10, 8, 8);
    auto* fileName = new QLineEdit("Desktop.Cfg", backup);
    fileName->setObjectName("Edit16");
    b->addWidget(fileName);
    b->addWidget(makeButton("BitBtn69", "Save to file", backup));
    auto* load = makeButton("BitBtn68", "Read from file", backup);
    QObject::connect(load, &QPushButton::clicked, page, [&ctx] {
        // Taking the file's bytes into the page stores comes with the layout record.
        openFileChooser()(ctx.window, desktopBackupDialog());
    });
    b->addWidget(load);
    right->addWidget(backup);
    right->addStretch(1);
    h->addLayout(right);
    return page;
}

}  // namespace orvanta::ui
