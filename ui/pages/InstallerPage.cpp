// "Installer": the protected hardware version and LCD type (behind the installer's
// login), the installer's name and date, and the SD card settings of the configuration.
#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QWidget>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/pages/RecordPageKit.h"

namespace orvanta::ui {

namespace {

constexpr int kUnlockCode = 39772;
constexpr int kLevelWarningsOffCode = 26328;
constexpr int kLevelWarningsOnCode = 29494;

QGroupBox* buildProtected(PageContext& ctx, QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBox40", "Protected internal memory", parent);
    // Locked until the installer's code is entered; every start begins locked.
    g->setEnabled(false);
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(4);
    grid->setHorizontalSpacing(8);

    auto* version = new ComboBox("ComboBox7", {"7", "72", "75", "76", "77", "78", "79"}, "79", true, g);
    QPushButton* setVersion = makeButton("Button5122222", "Set", g);
    auto* type = new ComboBox("ComboBox2", {}, "Display type", false, g);
    type->setMinimumContentsLength(24);
    QPushButton* setType = makeButton("Button6errr", "Set", g);

    grid->addWidget(new QLabel("1. HardWare Version", g), 0, 0);
    grid->addWidget(version, 1, 0);
    grid->addWidget(setVersion, 1, 1);
    grid->addWidget(new QLabel("2. LCD type", g), 2, 0);
    grid->addWidget(type, 3, 0);
    grid->addWidget(setType, 3, 1);
    grid->addWidget(new QLabel("/16", g), 3, 2);
    auto* warning = new QLabel(
        "The hardware version can be written only once, the display type at most 16 times. "
        "Both take precedence over the same settings of the configuration.",
        g);
    warning->setWordWrap(true);
    grid->addWidget(warning, 4, 0, 1, 3);
    grid->setColumnStretch(0, 1);

    auto& loop = ctx.loop;
    // Each value is sent at most once per unlock: the button locks itself when used.
    QObject::connect(setVersion, &QPushButton::clicked, setVersion, [&ctx, &loop, version, setVersion] {
        bool ok = false;
        version->text().trimmed().toInt(&ok, 10);
        if (!ok) {
            ctx.showError(QString("The hardware version must be a whole number; \"%1\" is not.").arg(version->text()));
            return;
        }
        setVersion->setEnabled(false);
        loop.Post(250, 80);
    });
    QObject::connect(setType, &QPushButton::clicked, setType, [&loop, setType] {
        setType->setEnabled(false);
        loop.Post(251, 81);
    });
    return g;
}

QGroupBox* buildInstallerInfo(PageContext& ctx, QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBoxInstallerInfo", "Installer information", parent);
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(4);
    auto* name = new QLineEdit("Installer Name", g);
    name->setObjectName("Edit15");
    name->setMaxLength(18);
    auto* date = new QDateEdit(QDate(2019, 12, 2), g);
    date->setObjectName("DateTimePicker2");
    date->setCalendarPopup(true);
    date->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    grid->addWidget(name, 0, 0);
    grid->addWidget(new QLabel("Date installation Orvanta", g), 1, 0);
    grid->addWidget(date, 2, 0);
    QPushButton* save = kit::requestButton(ctx, g, "BitBtn61", "Save Installer info", 154, 97);
    save->setFont(boldFont(save));
    grid->addWidget(save, 3, 0);
    grid->setColumnStretch(1, 1);
    return g;
}

QGroupBox* buildLogin(PageContext& ctx, QWidget* parent, QGroupBox* locked) {
    QGroupBox* g = makeGroup("GroupBoxLogin", "Installer login", parent);
    auto* grid = new QGridLayout(g);
    grid->addWidget(new QLabel("Enter Login", g), 0, 0);
    SpinEdit* code = kit::spin("LoginSpinEdit", 10000, 99999, 10000, 1, g);
    code->setMinimumWidth(80);
    grid->addWidget(code, 1, 0);
    QPushButton* login = makeButton("Button18342", "Login", g);
    grid->addWidget(login, 1, 1);
    grid->setColumnStretch(2, 1);
    QWidget* window = ctx.window;
    QObject::connect(login, &QPushButton::clicked, login, [window, code, locked] {
        const int value = code->value();
        if (value == kUnlockCode) {
            locked->setEnabled(true);
            for (const char* name : {"Button6errr", "Button5122222"})
                if (auto* b = locked->findChild<QPushButton*>(name)) b->setEnabled(true);
            return;
        }
        if (value == kLevelWarningsOffCode || value == kLevelWarningsOnCode) {
            // The coolant and oil level warnings of the extra coding always go together.
            for (const char* name : {"CheckBox48", "CheckBox49"})
                if (auto* c = window->findChild<QCheckBox*>(name)) c->setChecked(value == kLevelWarningsOnCode);
            return;
        }
        // Not modal: the connection loop keeps running while the box is up.
        auto* box = new QMessageBox(QMessageBox::Warning, window->windowTitle(), "Invalide login", QMessageBox::Yes,
                                    window);
        box->setObjectName("LoginWarning");
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    return g;
}

QGroupBox* buildSdSetup(QWidget* parent) {
    QGroupBox* g = makeGroup("GroupBoxSdSetup", "SD download setup", parent);
    auto* grid = new QGridLayout(g);
    grid->addWidget(makeCheck("CheckBox11", "SD Card 4bit buswide", g), 0, 0, 1, 2);
    kit::addRow(grid, 1, "SD Speed divider", kit::spin("SpinEdit112", 1, 8, 1, 1, g));
    grid->setColumnStretch(2, 1);
    return g;
}

}  // namespace

QWidget* createInstallerPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet21");
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(8);
    QGroupBox* locked = buildProtected(ctx, page);
    auto* left = new QVBoxLayout;
    left->addWidget(buildLogin(ctx, page, locked));
    left->addWidget(locked);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildInstallerInfo(ctx, page));
    right->addWidget(buildSdSetup(page));
    right->addStretch(1);
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    columns->addStretch(1);
    kit::fitGroupTitles(page);
    return page;
}

}  // namespace orvanta::ui
