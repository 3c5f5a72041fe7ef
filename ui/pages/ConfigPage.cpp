#include "ui/pages/ConfigPage.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "connection/Frames.h"
#include "records/EditorRules.h"
#include "records/SysBackup.h"
#include "ui/Flags.h"
#include "ui/Pictures.h"
#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/widgets/Editors.h"
#include "ui/widgets/RadioGroup.h"

namespace orvanta::ui {
namespace {

namespace sys = records::sys;

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

template <size_t N>
QStringList items(const std::array<std::string_view, N>& list) {
    QStringList l;
    for (std::string_view s : list) l << q(s);
    return l;
}

std::string u(const QString& s) { return s.toStdString(); }

ComboBox* listBox(const char* name, const QStringList& list, std::string_view startText, QWidget* parent) {
    // Only the hardware version is typed into; the other boxes pick from their list.
    auto* b = new ComboBox(name, list, q(startText), false, parent);
    b->setMinimumContentsLength(10);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
}

// A caption above its editor, for the long numbered captions; a second caption, where
// the editor has one, sits at the right of the first.
void addAbove(QVBoxLayout* v, const QString& caption, QWidget* editor, const QString& second = {}) {
    auto* l = new QLabel(caption, editor->parentWidget());
    l->setWordWrap(true);
    l->setBuddy(editor);
    if (second.isEmpty()) {
        v->addWidget(l);
    } else {
        auto* row = new QHBoxLayout;
        row->addWidget(l);
        row->addWidget(new QLabel(second, editor->parentWidget()), 1);
        v->addLayout(row);
    }
    v->addWidget(editor);
    v->addSpacing(3);
}

QVBoxLayout* column(QWidget* parent = nullptr) {
    auto* v = new QVBoxLayout(parent);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);
    return v;
}

QString chooseFile(QWidget* parent, const char* name, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setObjectName(name);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter("backup config (*.cfg78)");
    dialog.setDefaultSuffix("cfg78");
    dialog.setDirectory(QDir::homePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace

ConfigPage::ConfigPage(PageContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("TabSheet1");
    SDC = [this] { return chooseFile(ctx_.window, "SDC", QFileDialog::AcceptSave); };
    ODC = [this] { return chooseFile(ctx_.window, "ODC", QFileDialog::AcceptOpen); };

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(6);
    outer->addWidget(buildButtons());

    auto* columns = new QHBoxLayout;
    columns->setSpacing(5);
    auto* a = column();
    a->addWidget(buildVehicle());
    a->addWidget(buildUnits());
    a->addWidget(buildDoorSide());
    a->addWidget(buildOptions());
    a->addStretch(1);
    auto* b = column();
    b->addWidget(buildSource());
    b->addWidget(buildLight());
    b->addStretch(1);
    auto* c = column();
    c->addWidget(buildHardware());
    c->addWidget(buildInputs());
    c->addWidget(buildScreen());
    c->addWidget(buildBackup());
    c->addStretch(1);
    columns->addLayout(a, 1);
    columns->addLayout(b, 1);
    columns->addLayout(c, 1);
    outer->addLayout(columns, 1);
}

QWidget* ConfigPage::buildButtons() {
    auto* w = new QWidget(this);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    auto* read = makeButton("BitBtn22", "1.Read Config", w, true);
    auto* save = makeButton("BitBtn23", "2.Save Config", w, true);
    auto* erase = makeButton("BitBtn34", "Erase Config", w);
    auto* reboot = makeButton("BitBtn74", "Reboot", w);
    reboot->setIcon(pictures::reboot());
    auto* cancel = makeButton("BitBtn80", "Cancel", w);
    for (QPushButton* btn : {read, save, erase, reboot, cancel}) btn->setMinimumHeight(28);
    read->setMinimumWidth(120);
    save->setMinimumWidth(120);
    connect(read, &QPushButton::clicked, this, &ConfigPage::Button6Click);
    connect(save, &QPushButton::clicked, this, &ConfigPage::Button5Click);
    connect(erase, &QPushButton::clicked, this, &ConfigPage::Button42Click);
    // "Cancel" ends the connection exactly as "Reboot" does.
    for (QPushButton* btn : {reboot, cancel})
        connect(btn, &QPushButton::clicked, this, [this] { ctx_.loop.Post(50, connection::cmd::Reboot); });
    h->addWidget(read);
    h->addWidget(save);
    h->addSpacing(12);
    h->addWidget(erase);
    h->addStretch(1);
    h->addWidget(reboot);
    h->addWidget(cancel);
    return w;
}

QWidget* ConfigPage::buildVehicle() {
    auto* g = makeGroup("GroupBoxVehicle", "Vehicle", this);
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setVerticalSpacing(4);
    ComboBox8 = listBox("ComboBox8", items(sys::kCarModels), sys::kStartCarModel, g);
    ComboBox5 = listBox("ComboBox5", items(sys::kCanTypes), sys::kStartCanType, g);
    ComboBoxEx27 = listBox("ComboBoxEx27", items(sys::kLanguages), sys::kStartLanguage, g);
    for (int i = 0; i < ComboBoxEx27->count(); ++i) ComboBoxEx27->setItemIcon(i, flags::languageIcon(i));
    ComboBoxEx27->setIconSize(QSize(24, 16));
    grid->addWidget(makeLabel("CaptionCarModel", "1.", g), 0, 0);
    grid->addWidget(ComboBox8, 0, 1);
    grid->addWidget(makeLabel("CaptionCanType", "2.", g), 1, 0);
    grid->addWidget(ComboBox5, 1, 1);
    grid->addWidget(ComboBoxEx27, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return g;
}

QWidget* ConfigPage::buildUnits() {
    auto* g = makeGroup("GroupBoxUnits", "Units", this);
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);
    RadioGroup4 = new RadioGroup("RadioGroup4", "Distance:", items(sys::kDistanceUnits), 2, g);
    RadioGroup5 = new RadioGroup("RadioGroup5", "Volume:", items(sys::kVolumeUnits), 2, g);
    RadioGroup6 = new RadioGroup("RadioGroup6", "Temp.:", items(sys::kTemperatureUnits), 2, g);
    RadioGroup7 = new RadioGroup("RadioGroup7", "Pressure:", items(sys::kPressureUnits), 2, g);
    RadioGroup8 = new RadioGroup("RadioGroup8", "Consumption:", items(sys::kConsumptionUnits), 2, g);
    RadioGroup13 = new RadioGroup("RadioGroup13", "Time format", items(sys::kTimeFormats), 3, g);
    grid->addWidget(RadioGroup4, 0, 0);
    grid->addWidget(RadioGroup5, 0, 1);
    grid->addWidget(RadioGroup6, 1, 0);
    grid->addWidget(RadioGroup7, 1, 1);
    grid->addWidget(RadioGroup8, 2, 0, 1, 2);
    grid->addWidget(RadioGroup13, 3, 0, 1, 2);
    return g;
}

QWidget* ConfigPage::buildDoorSide() {
    auto* g = makeGroup("GroupBoxDoorSide", "Driver's door", this);
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(0);
    RadioButton9 = new QRadioButton("Left-side door", g);
    RadioButton9->setObjectName("RadioButton9");
    RadioButton10 = new QRadioButton("Right-side driver door", g);
    RadioButton10->setObjectName("RadioButton10");
    // The two always show opposite sides: a click on one clears the other.
    doorSide_ = new QButtonGroup(g);
    doorSide_->addButton(RadioButton9, 0);
    doorSide_->addButton(RadioButton10, 1);
    Label95 = new ClickableLabel("Right-side door", g);
    Label95->setObjectName("Label95");
    Label95->setCursor(Qt::PointingHandCursor);
    Label95->setIndent(22);
    Label95->setToolTip("Right-side driver door");
    connect(Label95, &ClickableLabel::clicked, RadioButton10, [this] { RadioButton10->click(); });
    grid->addWidget(RadioButton9, 0, 0);
    grid->addWidget(RadioButton10, 1, 0);
    grid->addWidget(Label95, 2, 0);
    return g;
}

QWidget* ConfigPage::buildSource() {
    auto* w = new QWidget(this);
    auto* v = column(w);
    RadioGroup11 = new RadioGroup("RadioGroup11", "11. Speed source", items(sys::kSpeedSources), 1, w);
    RadioGroup11->setItemIndex(0);
    RadioGroup10 = new RadioGroup("RadioGroup10", "12. Orvanta control :", items(sys::kControls), 1, w);
    RadioGroup10->setItemIndex(0);
    RadioGroup9 = new RadioGroup("RadioGroup9", "GEAR display", items(sys::kGearDisplays), 2, w);
    v->addWidget(RadioGroup11);
    v->addWidget(RadioGroup10);
    v->addWidget(RadioGroup9);
    return w;
}

QWidget* ConfigPage::buildLight() {
    auto* w = new QWidget(this);
    auto* v = column(w);

    auto* g = makeGroup("GroupBoxLight", "Light", w);
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(4);
    SpinEdit109 = new SpinEdit("SpinEdit109", sys::kDimmerRange.min, sys::kDimmerRange.max, 100, sys::kDimmerStep, g);
    SpinEdit5 = new SpinEdit("SpinEdit5", sys::kAdcRange.min, sys::kAdcRange.max, sys::kAdcRange.min, 1, g);
    SpinEdit6 = new SpinEdit("SpinEdit6", sys::kAdcRange.min, sys::kAdcRange.max, sys::kAdcRange.min, 1, g);
    for (SpinEdit* s : {SpinEdit109, SpinEdit5, SpinEdit6}) s->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    grid->addWidget(makeLabel("CaptionDimmer", "14. Max", g), 0, 0);
    grid->addWidget(SpinEdit109, 0, 1);
    grid->addWidget(makeLabel("CaptionDimmerUnit", "%", g), 0, 2);
    grid->addWidget(makeLabel("CaptionDimmerLevel", "Dimmer Level", g), 0, 3, 1, 2);
    grid->addWidget(makeLabel("CaptionAdc", "15. ADC", g), 1, 0);
    grid->addWidget(SpinEdit5, 1, 1);
    grid->addWidget(makeLabel("CaptionAdcSeparator", "/", g), 1, 2, Qt::AlignCenter);
    grid->addWidget(SpinEdit6, 1, 3);
    grid->addWidget(makeLabel("CaptionAdcCalibration", "calibration", g), 2, 1, 1, 3);
    grid->setColumnStretch(4, 1);
    v->addWidget(g);

    auto* doors = makeGroup("GroupBoxDoors", "16. Choose to DISABLE.", w);
    auto* dv = new QVBoxLayout(doors);
    dv->setContentsMargins(4, 4, 4, 4);
    CheckListBox5 = new CheckListBox("CheckListBox5", items(sys::kDoorContacts), doors);
    // All six contacts in view, without a scroll bar.
    CheckListBox5->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    CheckListBox5->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CheckListBox5->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    dv->addWidget(CheckListBox5);
    v->addWidget(doors);
    return w;
}

QWidget* ConfigPage::buildHardware() {
    auto* g = makeGroup("GroupBoxHardware", "HardWare / Железо", this);
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setVerticalSpacing(4);
    ComboBox3 = new ComboBox("ComboBox3", items(sys::kHwVersions), q(sys::kStartHwVersion), true, g);
    ComboBox3->setMinimumContentsLength(4);
    ComboBox3->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    SpinEdit4 = new SpinEdit("SpinEdit4", sys::kSerialRange.min, sys::kSerialRange.max, sys::kSerialRange.min, 1, g);
    SpinEdit4->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ComboBox4 = listBox("ComboBox4", items(sys::kLcdTypes), sys::kLcdTypes[0], g);
    grid->addWidget(makeLabel("CaptionHwVersion", "17. HW Ver.", g), 0, 0);
    grid->addWidget(ComboBox3, 0, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel("CaptionSerial", "18. Serial №", g), 1, 0);
    grid->addWidget(SpinEdit4, 1, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel("CaptionLcdType", "19. LCD type", g), 2, 0);
    grid->addWidget(ComboBox4, 2, 1);
    grid->setColumnStretch(1, 1);
    return g;
}

QWidget* ConfigPage::buildInputs() {
    auto* g = makeGroup("GroupBoxInputs", "Inputs and modes", this);
    auto* v = new QVBoxLayout(g);
    v->setContentsMargins(6, 4, 6, 4);
    v->setSpacing(1);
    ComboBox1 = listBox("ComboBox1", items(sys::kButtonRemaps), sys::kStartButtonRemap, g);
    ComboBox9 = listBox("ComboBox9", items(sys::kBoostSensors), sys::kStartBoostSensor, g);
    ComboBox10 = listBox("ComboBox10", items(sys::kAutoDiagModes), sys::kStartAutoDiag, g);
    ComboBox11 = listBox("ComboBox11", items(sys::kIgnitionModes), sys::kStartIgnition, g);
    ComboBox16 = listBox("ComboBox16", items(sys::kPin35Remaps), sys::kStartPin35, g);
    ComboBox6 = listBox("ComboBox6", items(sys::kButtonWirings), sys::kStartButtonWiring, g);
    addAbove(v, "20. Remap Orvanta controll buttons / Перенос кнопок управл.", ComboBox1);
    addAbove(v, "21. Turbo", ComboBox9, "Boost Sensor");
    addAbove(v, "22. AutoDiag Mode", ComboBox10);
    addAbove(v, "23. On/Off KL15 Mode", ComboBox11);
    addAbove(v, "24. 35 pin MFD (Brake fluid)* remap to ->", ComboBox16);
    addAbove(v, "25. MFD Buttons **", ComboBox6);
    return g;
}

QWidget* ConfigPage::buildOptions() {
    auto* g = makeGroup("GroupBoxOptions", "Options", this);
    auto* v = new QVBoxLayout(g);
    v->setContentsMargins(6, 4, 6, 4);
    v->setSpacing(3);
    Ch123 = makeCheck("Ch123", "Enable analog signal fuel consumption", g);
    CheckBox42 = makeCheck("CheckBox42", "BCD DateTime Format", g);
    RadioGroup21 = new RadioGroup("RadioGroup21", "Right mirror down", items(sys::kMirrorDownModes), 2, g);
    v->addWidget(Ch123);
    v->addWidget(CheckBox42);
    v->addWidget(RadioGroup21);
    return g;
}

QWidget* ConfigPage::buildScreen() {
    auto* g = makeGroup("GroupBoxScreen", "Screen setup", this);
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    CheckBox53 = makeCheck("CheckBox53", "Horizontal screen ", g);
    CheckBox45 = makeCheck("CheckBox45", "Mirror screen", g);
    CheckBox58 = makeCheck("CheckBox58", "Invert colors", g);
    CheckBox59 = makeCheck("CheckBox59", "Top <-> Bottom", g);
    grid->addWidget(CheckBox53, 0, 0);
    grid->addWidget(CheckBox45, 0, 1);
    grid->addWidget(CheckBox58, 1, 0);
    grid->addWidget(CheckBox59, 1, 1);
    return g;
}

QWidget* ConfigPage::buildBackup() {
    auto* g = makeGroup("GroupBoxBackup", "Backup / Сохранить Конфиг в файл", this);
    auto* v = new QVBoxLayout(g);
    v->setContentsMargins(6, 4, 6, 6);
    v->setSpacing(4);
    Edit17 = new QLineEdit("Config.Cfg", g);
    Edit17->setObjectName("Edit17");
    Edit17->setToolTip("Backup file read by \"4.Read from file\" without asking, when it exists");
    auto* read = makeButton("BitBtn75", "4.Read from file", g);
    auto* save = makeButton("BitBtn76", "5.Save to file", g);
    connect(read, &QPushButton::clicked, this, &ConfigPage::Button2123423423Click);
    connect(save, &QPushButton::clicked, this, &ConfigPage::Button1834234234Click);
    v->addWidget(Edit17);
    auto* row = new QHBoxLayout;
    row->addWidget(read);
    row->addWidget(save);
    v->addLayout(row);
    return g;
}

QCheckBox* ConfigPage::sdBusBox() const {
    return ctx_.window ? ctx_.window->findChild<QCheckBox*>("CheckBox11") : nullptr;
}

QSpinBox* ConfigPage::sdDividerBox() const {
    return ctx_.window ? ctx_.window->findChild<QSpinBox*>("SpinEdit112") : nullptr;
}

std::array<ComboBox*, 11> ConfigPage::emptiedByParse() const {
    return {ComboBox1, ComboBox3, ComboBox4, ComboBox5,  ComboBox6, ComboBoxEx27,
            ComboBox8, ComboBox9, ComboBox10, ComboBox11, ComboBox16};
}

sys::SysEditors ConfigPage::editors() const {
    sys::SysEditors e;
    e.serialNumber = SpinEdit4->value();
    e.hwVersionText = u(ComboBox3->text());
    e.lcdTypeText = u(ComboBox4->text());
    e.lcdType = ComboBox4->itemIndex();
    e.canType = ComboBox5->itemIndex();
    e.ignitionMode = ComboBox11->itemIndex();
    e.maxDimmer = SpinEdit109->value();
    e.pin35Remap = ComboBox16->itemIndex();
    e.gearDisplay = RadioGroup9->itemIndex();
    e.autoDiagMode = ComboBox10->itemIndex();
    e.buttonWiring = ComboBox6->itemIndex();
    e.language = ComboBoxEx27->itemIndex();
    e.adcFirst = SpinEdit5->value();
    e.adcSecond = SpinEdit6->value();
    e.carModelText = u(ComboBox8->text());
    e.carModel = ComboBox8->itemIndex();
    e.boostSensor = ComboBox9->itemIndex();
    e.buttonRemap = ComboBox1->itemIndex();
    e.leftSideDoor = RadioButton9->isChecked();
    e.distance = RadioGroup4->itemIndex();
    e.volume = RadioGroup5->itemIndex();
    e.temperature = RadioGroup6->itemIndex();
    e.pressure = RadioGroup7->itemIndex();
    e.consumption = RadioGroup8->itemIndex();
    for (size_t i = 0; i < e.ignoredDoors.size(); ++i) e.ignoredDoors[i] = CheckListBox5->isChecked(static_cast<int>(i));
    e.speedSource = RadioGroup11->itemIndex();
    e.control = RadioGroup10->itemIndex();
    if (QSpinBox* s = sdDividerBox()) e.sdSpeedDivider = s->value();
    if (QCheckBox* c = sdBusBox()) e.sdBus4Bit = c->isChecked();
    e.analogFuel = Ch123->isChecked();
    e.bcdDateTime = CheckBox42->isChecked();
    e.mirrorScreen = CheckBox45->isChecked();
    e.invertColors = CheckBox58->isChecked();
    e.upsideDown = CheckBox59->isChecked();
    e.timeFormat = RadioGroup13->itemIndex();
    e.rightMirrorDown = RadioGroup21->itemIndex();
    return e;
}

void ConfigPage::setEditors(const sys::SysEditors& e) {
    // In the order the record is unpacked; the texts of the list boxes come from the
    // items they are given, so an index that fits no item leaves its box empty.
    for (ComboBox* b : emptiedByParse()) b->setText(QString());
    SpinEdit4->setClamped(e.serialNumber);
    ComboBox3->setText(q(e.hwVersionText));
    ComboBox4->setItemIndex(e.lcdType);
    ComboBox5->setItemIndex(e.canType);
    ComboBox6->setItemIndex(e.buttonWiring);
    ComboBoxEx27->setItemIndex(e.language);
    SpinEdit5->setClamped(e.adcFirst);
    SpinEdit6->setClamped(e.adcSecond);
    ComboBox1->setItemIndex(e.buttonRemap);
    ComboBox10->setItemIndex(e.autoDiagMode);
    ComboBox11->setItemIndex(e.ignitionMode);
    SpinEdit109->setClamped(e.maxDimmer);
    ComboBox16->setItemIndex(e.pin35Remap);
    ComboBox8->setItemIndex(e.carModel);
    ComboBox9->setItemIndex(e.boostSensor);
    RadioGroup9->setItemIndex(e.gearDisplay);
    RadioGroup11->setItemIndex(e.speedSource);
    RadioGroup10->setItemIndex(e.control);
    // Whichever side the record names is shown checked, and the other cleared.
    (e.leftSideDoor ? RadioButton9 : RadioButton10)->setChecked(true);
    RadioGroup4->setItemIndex(e.distance);
    RadioGroup5->setItemIndex(e.volume);
    RadioGroup6->setItemIndex(e.temperature);
    RadioGroup7->setItemIndex(e.pressure);
    RadioGroup8->setItemIndex(e.consumption);
    RadioGroup13->setItemIndex(e.timeFormat);
    RadioGroup21->setItemIndex(e.rightMirrorDown);
    for (size_t i = 0; i < e.ignoredDoors.size(); ++i) CheckListBox5->setChecked(static_cast<int>(i), e.ignoredDoors[i]);
    if (QSpinBox* s = sdDividerBox(); s && e.sdSpeedDivider)
        s->setValue(static_cast<int>(records::spinValue(*e.sdSpeedDivider, s->minimum(), s->maximum())));
    if (QCheckBox* c = sdBusBox(); c && e.sdBus4Bit) c->setChecked(*e.sdBus4Bit);
    Ch123->setChecked(e.analogFuel);
    CheckBox42->setChecked(e.bcdDateTime);
    CheckBox45->setChecked(e.mirrorScreen);
    CheckBox58->setChecked(e.invertColors);
    CheckBox59->setChecked(e.upsideDown);
}

void ConfigPage::ParseSys() { setEditors(sys::unpack(ctx_.session.SysRecord)); }

void ConfigPage::Button6Click() { ctx_.loop.Post(55, connection::cmd::ReadConfig); }

void ConfigPage::Button42Click() { ctx_.loop.Post(55, connection::cmd::EraseConfig); }

void ConfigPage::Button5Click() {
    connection::Session& s = ctx_.session;
    try {
        sys::pack(editors(), s.SysRecord);
    } catch (const records::ConversionError& err) {
        // Nothing is posted; what was packed before the bad text stays in the record.
        ctx_.showError(QString::fromStdString(err.what()));
        return;
    }
    std::copy_n(s.SysRecord.begin(), s.SysRecord.size(), s.RxRecord.begin());
    ctx_.loop.Post(53, connection::cmd::SaveConfig);
}

void ConfigPage::Button1834234234Click() {
    const QString path = SDC ? SDC() : QString();
    if (path.isEmpty()) return;
    try {
        records::saveSysBackup(QFile::encodeName(path).toStdString(), ctx_.session.SysRecord);
    } catch (const records::BackupFileError& err) {
        ctx_.showError(QString::fromLocal8Bit(err.what()));
    }
}

void ConfigPage::Button2123423423Click() {
    // A relative name is taken relative to the program's current directory.
    QString path = Edit17->text();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        path = ODC ? ODC() : QString();
        if (path.isEmpty()) return;
        Edit17->setText(path);
    }
    try {
        records::loadSysBackup(QFile::encodeName(path).toStdString(), ctx_.session.SysRecord);
    } catch (const records::BackupFileError& err) {
        ctx_.showError(QString::fromLocal8Bit(err.what()));
        return;
    }
    ParseSys();
}

QWidget* createConfigPage(PageContext& ctx) { return new ConfigPage(ctx); }

}  // namespace orvanta::ui
