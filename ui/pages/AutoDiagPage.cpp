// "AutoDiag Setup": the measuring groups the module polls from each control unit, and
// which diagnostic values feed its dashboard values.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <array>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/widgets/Editors.h"
#include "ui/widgets/TabRows.h"

namespace orvanta::ui {

namespace {

constexpr uint8_t kSavePolling = 72;
constexpr uint8_t kReadPolling = 73;
constexpr uint8_t kSaveDiagParams = 104;
constexpr uint8_t kReadDiagParams = 105;

struct UnitPage {
    const char* caption;
    const char* objectName;
    std::array<const char*, 8> groups;  // rows 1 to 8, in polling order
    const char* helpPicture;
    const char* helpPath;
};

constexpr std::array<UnitPage, 5> kUnits{{
    {"ECU motor [1]",
     "TabSheetEcuMotor",
     {"SpinEdit191", "SpinEdit192", "SpinEdit193", "SpinEdit194", "SpinEdit195", "SpinEdit196", "SpinEdit197",
      "SpinEdit198"},
     "Image90",
     "/Installation/Auto-Diag_20set.htm"},
    {"AT [2]",
     "TabSheetAt",
     {"SpinEdit135", "SpinEdit136", "SpinEdit137", "SpinEdit138", "SpinEdit139", "SpinEdit140", "SpinEdit141",
      "SpinEdit142"},
     "Image91",
     "/Installation/ATF.htm"},
    {"Dashboard [17]",
     "TabSheetDashboard",
     {"SpinEdit143", "SpinEdit144", "SpinEdit145", "SpinEdit146", "SpinEdit147", "SpinEdit148", "SpinEdit149",
      "SpinEdit150"},
     "Image92",
     "/Installation/Auto-Diag_20set.htm"},
    {"PDC - Park Assist [76]",
     "TabSheetParkAssist",
     {"SpinEdit151", "SpinEdit152", "SpinEdit153", "SpinEdit154", "SpinEdit155", "SpinEdit156", "SpinEdit157",
      "SpinEdit158"},
     "Image94",
     "/Installation/Auto-Diag_20set.htm"},
    {"Air Suspension [34]",
     "TabSheetAirSuspension",
     {"SpinEdit159", "SpinEdit160", "SpinEdit161", "SpinEdit162", "SpinEdit178", "SpinEdit180", "SpinEdit181",
      "SpinEdit182"},
     "Image93",
     "/Installation/Auto-Diag_20set.htm"},
}};

const QStringList kEngineDashboard{"01  Engine", "17  Dashboard"};
const QStringList kAllUnits{"01  Engine", "17  Dashboard", "02 automatic transmition"};
const QStringList kEngine{"01  Engine"};
const QStringList kTransmission{"02 automatic transmition"};

struct DiagValue {
    const char* check;
    const char* caption;
    const char* unitBox;
    const QStringList* units;
    const char* group;
    const char* number;
};

// In the order of the screen rows (the record keeps another order).
const std::array<DiagValue, 11> kDiagValues{{
    {"CheckBox28", "Oil temp.", "ComboBox40", &kEngineDashboard, "SpinEdit132", "SpinEdit133"},
    {"CheckBox29", "Intake temp.", "ComboBox41", &kEngineDashboard, "SpinEdit131", "SpinEdit134"},
    {"CheckBox37", "Transmit temp.", "ComboBox47", &kTransmission, "SpinEdit202", "SpinEdit201"},
    {"CheckBox31", "EGT1", "ComboBox43", &kEngine, "SpinEdit185", "SpinEdit186"},
    {"CheckBox32", "EGT2", "ComboBox44", &kEngine, "SpinEdit187", "SpinEdit188"},
    {"CheckBox33", "AFR", "ComboBox45", &kEngine, "SpinEdit189", "SpinEdit190"},
    {"CheckBox41", "MAF", "ComboBox12", &kEngine, "SpinEdit204", "SpinEdit205"},
    {"CheckBox34", "Boost (k-line)", "ComboBox46", &kEngine, "SpinEdit200", "SpinEdit199"},
    {"CheckBox30", "Voltage", "ComboBox42", &kAllUnits, "SpinEdit183", "SpinEdit184"},
    {"CheckBox52", "Req Boost", "ComboBox14", &kAllUnits, "SpinEdit216", "SpinEdit217"},
    {"CheckBox55", "Oil Level", "ComboBox17", &kAllUnits, "SpinEdit221", "SpinEdit220"},
}};

QWidget* unitPage(const UnitPage& u) {
    auto* page = new QWidget;
    page->setObjectName(u.objectName);
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(8, 8, 8, 8);
    auto* groups = makeGroup(QString(u.objectName) + "Groups", "Select ALL Groups", page);
    auto* g = new QGridLayout(groups);
    g->setContentsMargins(10, 12, 10, 8);
    g->setVerticalSpacing(3);
    for (int row = 0; row < 8; ++row) {
        g->addWidget(new QLabel(QString::number(row + 1), groups), row, 0, Qt::AlignRight);
        auto* spin = new SpinEdit(u.groups[static_cast<size_t>(row)], 1, 250, 1, 1, groups);
        spin->setMinimumWidth(70);
        g->addWidget(spin, row, 1);
    }
    g->setColumnStretch(2, 1);
    v->addWidget(groups);
    auto* help = new QLabel(
        QString("Select the unit \"%1\" as \"22. AutoDiag Mode\" on the \"Config\" page for automatic connection "
                "in diagnostic mode.")
            .arg(u.caption),
        page);
    help->setWordWrap(true);
    v->addWidget(help);
    v->addStretch(1);
    v->addWidget(makeHelpPicture(u.helpPicture, u.helpPath, page), 0, Qt::AlignLeft);
    return page;
}

QWidget* desktopParamsPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("TabSheetDesktopParams");
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(8, 8, 8, 8);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    for (int col = 1; col <= 3; ++col) {
        static const char* heads[] = {"", "ECU", "Group", "Number"};
        auto* head = new QLabel(heads[col], page);
        head->setFont(boldFont(head));
        grid->addWidget(head, 0, col);
    }
    int row = 1;
    for (const DiagValue& d : kDiagValues) {
        grid->addWidget(makeCheck(d.check, d.caption, page), row, 0);
        auto* unit = new ComboBox(d.unitBox, *d.units, {}, false, page);
        unit->setMinimumContentsLength(13);
        grid->addWidget(unit, row, 1);
        grid->addWidget(new SpinEdit(d.group, 1, 250, 1, 1, page), row, 2);
        grid->addWidget(new SpinEdit(d.number, 1, 4, 1, 1, page), row, 3);
        ++row;
    }
    grid->setColumnStretch(4, 1);
    v->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    auto* read = makeButton("BitBtn83", "4. Read ", page, true);
    QObject::connect(read, &QPushButton::clicked, page, [&ctx] { ctx.loop.Post(422, kReadDiagParams); });
    auto* save = makeButton("BitBtn84", "6. Save", page, true);
    QObject::connect(save, &QPushButton::clicked, page, [&ctx] { ctx.loop.Post(421, kSaveDiagParams); });
    buttons->addWidget(read);
    buttons->addWidget(save);
    buttons->addStretch(1);
    v->addSpacing(6);
    v->addLayout(buttons);
    v->addStretch(1);
    return page;
}

}  // namespace

QWidget* createAutoDiagPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet22");
    auto* h = new QHBoxLayout(page);
    h->setContentsMargins(8, 8, 8, 8);
    h->setSpacing(10);

    // The polling order, one page per control unit.
    auto* left = new QVBoxLayout;
    auto* units = new QTabWidget(page);
    units->setObjectName("PageControl3");
    for (const UnitPage& u : kUnits) units->addTab(unitPage(u), u.caption);
    // Every unit's tab in view: the tab row wraps rather than scrolls.
    left->setSpacing(0);
    left->addWidget(new TabRows(units, page));
    left->addWidget(units, 1);
    left->addSpacing(6);
    auto* buttons = new QHBoxLayout;
    auto* read = makeButton("BitBtn70", "1. Read Config", page, true);
    QObject::connect(read, &QPushButton::clicked, page, [&ctx] { ctx.loop.Post(412, kReadPolling); });
    auto* save = makeButton("BitBtn71", "3. Save Config", page, true);
    QObject::connect(save, &QPushButton::clicked, page, [&ctx] { ctx.loop.Post(411, kSavePolling); });
    buttons->addWidget(read);
    buttons->addWidget(save);
    buttons->addStretch(1);
    left->addLayout(buttons);
    h->addLayout(left, 1);

    // The dashboard values taken from diagnostics.
    auto* params = new QTabWidget(page);
    params->setObjectName("PageControl4");
    params->addTab(desktopParamsPage(ctx), "Desktop Params");
    h->addWidget(params, 1);
    return page;
}

}  // namespace orvanta::ui
