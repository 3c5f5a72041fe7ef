#include "ui/MainWindow.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "connection/Frames.h"
#include "ui/Pictures.h"
#include "ui/PortWatcher.h"
#include "ui/pages/ConfigPage.h"
#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/widgets/Editors.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/TabRows.h"
#include "ui/widgets/TnrDeviceBox.h"

namespace orvanta::ui {

namespace {
constexpr int kStatusPanelWidths[7] = {100, 400, 80, 50, 50, 50, 50};
const char* kCaption = "Shell Orvanta (HW ver. 7.x)  22/02/2026";

}  // namespace

TForm3::TForm3(WindowOptions options, QWidget* parent)
    : QMainWindow(parent), extraPorts_(std::move(options.extraPorts)) {
    setObjectName("Form3");
    scheduler_ = std::make_unique<connection::QtScheduler>(this);
    nrComm1_ = std::make_unique<serial::TnrComm>(serial::createPlatformSerialDevice(),
                                                 options.portSource ? std::move(options.portSource)
                                                                    : serial::createPlatformPortSource());
    // The window's settings of the component: two stop bits, no flow control, port 3.
    nrComm1_->SetStopBits(serial::StopBits::Two);
    nrComm1_->SetParity(serial::Parity::None);
    nrComm1_->SetByteSize(8);
    nrComm1_->SetStreamProtocol(serial::StreamProtocol::None);
    nrComm1_->SetBaudRate(128000);
    nrComm1_->SetComPortNo(3);
    for (const auto& p : extraPorts_) nrComm1_->AddExtraPort(p);

    loop_ = std::make_unique<connection::ConnectionLoop>(*nrComm1_, *scheduler_, session_,
                                                         static_cast<connection::LoopObserver&>(*this));
    connection::addHandshakeStates(*loop_, *this);
    connection::addGenericStates(*loop_, *this);

    pageContext_ = std::make_unique<PageContext>(PageContext{*loop_, session_, this,
                                                             [this](const QString& m) { showError(m); },
                                                             [this] { Button8Click(); }});
    buildWindow();
    FormCreate();
}

TForm3::~TForm3() {
    if (loop_) loop_->Shutdown();
    // The child widgets outlive the members; unbind the selector before the component goes.
    nrDeviceBox1_->setNrComm(nullptr);
}

void TForm3::buildWindow() {
    setWindowTitle(kCaption);
    resize(1201, 720);
    move(0, 0);

    auto* content = new QWidget;
    content->setObjectName("Content");
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(6);
    row->addWidget(buildLeftPanel());
    row->addWidget(buildCentre(), 1);
    row->addWidget(buildRightPanel());

    // The window scrolls its content when made smaller than the layout needs.
    auto* scroll = new QScrollArea;
    scroll->setObjectName("ScrollBox1");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);

    auto* central = new QWidget;
    auto* col = new QVBoxLayout(central);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    col->addWidget(scroll, 1);
    ProgressBar1_ = new QProgressBar;
    ProgressBar1_->setObjectName("ProgressBar1");
    ProgressBar1_->setFixedHeight(22);
    ProgressBar1_->setRange(0, 100);
    ProgressBar1_->setValue(0);
    ProgressBar1_->setTextVisible(false);
    col->addWidget(ProgressBar1_);
    setCentralWidget(central);
    buildStatusBar();
}

QWidget* TForm3::buildLeftPanel() {
    auto* panel = new QWidget;
    panel->setObjectName("Panel1");
    panel->setMinimumWidth(153);
    panel->setMaximumWidth(190);
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(2, 2, 2, 2);
    v->setSpacing(5);

    nrDeviceBox1_ = new TnrDeviceBox(panel);
    nrDeviceBox1_->setObjectName("nrDeviceBox1");
    nrDeviceBox1_->setToolTip("Serial port of the module");
    connect(nrDeviceBox1_, &TnrDeviceBox::portError, this, &TForm3::showError);
    v->addWidget(nrDeviceBox1_);

    Button8_ = makeButton("Button8", "Connect", panel, true);
    connect(Button8_, &QPushButton::clicked, this, &TForm3::Button8Click);
    v->addWidget(Button8_);
    Button3_ = makeButton("Button3", "Disconnect", panel, true);
    connect(Button3_, &QPushButton::clicked, this, &TForm3::Button2Click);
    v->addWidget(Button3_);

    Image1_ = new QLabel(panel);
    Image1_->setObjectName("Image1");
    Image1_->setPixmap(pictures::link(32));
    Image1_->setAlignment(Qt::AlignCenter);
    Image1_->setToolTip("Port open");
    Image1_->setVisible(false);
    v->addWidget(Image1_);

    BitBtn72_ = makeButton("BitBtn72", "Reboot", panel);
    BitBtn72_->setFont(boldFont(BitBtn72_, 3));
    BitBtn72_->setIcon(pictures::reboot());
    BitBtn72_->setIconSize(QSize(22, 22));
    BitBtn72_->setMinimumHeight(34);
    connect(BitBtn72_, &QPushButton::clicked, this, [this] { loop_->Post(50, connection::cmd::Reboot); });
    v->addWidget(BitBtn72_);

    const char* captions[5] = {"Disk 0:\\", "Disk 1:\\", "Disk 2:\\", "Disk 3:\\", "SD:\\"};
    const char* labels[5] = {"Label18", "Label19", "Label20", "Label21", "Label22"};
    const char* edits[5] = {"Edit6", "Edit7", "Edit8", "Edit9", "Edit10"};
    auto* disks = new QGridLayout;
    disks->setHorizontalSpacing(4);
    disks->setVerticalSpacing(3);
    for (int i = 0; i < 5; ++i) {
        auto* l = new QLabel(captions[i], panel);
        l->setObjectName(labels[i]);
        auto* e = new QLineEdit("0", panel);
        e->setObjectName(edits[i]);
        e->setReadOnly(true);
        e->setFont(boldFont(e));
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(i == 4 ? 64 : 48);
        e->setFocusPolicy(Qt::NoFocus);
        capacityBoxes_[static_cast<size_t>(i)] = e;
        auto* mb = new QLabel("Mb", panel);
        disks->addWidget(l, i, 0);
        disks->addWidget(e, i, 1);
        disks->addWidget(mb, i, 2);
    }
    disks->setColumnStretch(3, 1);
    v->addLayout(disks);

    auto* version = new QGroupBox("Version", panel);
    version->setObjectName("Version");
    auto* vv = new QVBoxLayout(version);
    vv->setContentsMargins(6, 4, 6, 4);
    Label161_ = new QLabel(version);
    Label161_->setObjectName("Label161");
    Label161_->setFont(boldFont(Label161_));
    Label161_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label170_ = new QLabel(version);
    Label170_->setObjectName("Label170");
    Label170_->setFont(boldFont(Label170_));
    Label170_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    vv->addWidget(Label161_);
    vv->addWidget(Label170_);
    v->addWidget(version);

    RadioGroup1_ = new RadioGroup("RadioGroup1", "Link", {"UART", "Bluetooth", "WiFi"}, 1, panel);
    RadioGroup1_->setItemIndex(0);
    v->addWidget(RadioGroup1_);
    v->addStretch(1);
    return panel;
}

QWidget* TForm3::buildRightPanel() {
    QWidget* panel = createRightPanel(*pageContext_);
    panel->setMinimumWidth(139);
    return panel;
}

QWidget* TForm3::buildCentre() {
    auto* box = new QWidget;
    box->setObjectName("ScrollBox2");
    box->setMinimumSize(760, 400);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    Image62_ = new QLabel(box);
    Image62_->setObjectName("Image62");
    Image62_->setPixmap(pictures::title());
    Image62_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    v->addWidget(Image62_);

    cxPageControl1_ = new QTabWidget(box);
    cxPageControl1_->setObjectName("cxPageControl1");
    cxPageControl1_->setMaximumHeight(630);
    cxPageControl1_->tabBar()->setExpanding(false);
    cxPageControl1_->setUsesScrollButtons(true);
    PageContext& c = *pageContext_;
    auto empty = [](const char* name) {
        auto* w = new QWidget;
        w->setObjectName(name);
        return w;
    };
    addPage(createConfigPage(c), "Config", true);
    addPage(createScreenSetupPage(c), "Screen Setup", true);
    addPage(createExtraCodingPage(c), "Extra Coding", true);
    addPage(createTurboTimerPage(c), "TurboTimer", true);
    addPage(createDesktopPage(c), "Desktop", true);
    addPage(createImageLoaderPage(c), "IMZ Disk Image Loader", true);
    addPage(createTransmissionPage(c), "Transmission", true);
    addPage(createKeysEmulPage(c), "Keys emul", false);
    QWidget* firmware = createFirmwarePage(c);
    firmware->setEnabled(false);
    addPage(firmware, "Firmware load", false);
    addPage(createDiagnosticsPage(c), "Diagnostics", false);
    addPage(empty("TabSheet17"), "TabSheet17", false);
    addPage(createUserCalibrationPage(c), "User Calibration", true);
    addPage(createMaintenancePage(c), "Maintenance", true);
    addPage(createAutoDiagPage(c), "AutoDiag Setup", true);
    addPage(empty("TabSheet28"), "Protected settings", false);
    addPage(createExtendedPage(c), "Extended", true);
    addPage(createPdcPage(c), "PDC ", true);
    addPage(createInstallerPage(c), "Installer", true);
    cxPageControl1_->setCurrentIndex(0);
    cxPageControl1_->setVisible(false);
    cxPageControl1_->setEnabled(false);
    tabRows_ = new TabRows(cxPageControl1_, box);
    v->addWidget(tabRows_);
    v->addWidget(cxPageControl1_, 1);
    v->addStretch(0);
    return box;
}

void TForm3::addPage(QWidget* page, const QString& caption, bool tabShown) {
    // Pages scroll inside the page control rather than stretching the window.
    auto* scroll = new QScrollArea;
    scroll->setObjectName(page->objectName() + "_scroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    int index = cxPageControl1_->addTab(scroll, caption);
    // A tab that is never shown stays out of the tab row for good.
    cxPageControl1_->setTabVisible(index, tabShown);
}

void TForm3::buildStatusBar() {
    StatusBar1_ = new QStatusBar(this);
    StatusBar1_->setObjectName("StatusBar1");
    StatusBar1_->setSizeGripEnabled(false);
    StatusBar1_->setFixedHeight(21);
    auto* strip = new QWidget(StatusBar1_);
    auto* h = new QHBoxLayout(strip);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    for (int i = 0; i < 7; ++i) {
        auto* l = new QLabel(strip);
        l->setObjectName(QString("StatusPanel%1").arg(i));
        l->setMinimumWidth(kStatusPanelWidths[i]);
        if (i != 1) l->setMaximumWidth(kStatusPanelWidths[i] + 40);
        statusPanels_[static_cast<size_t>(i)] = l;
        h->addWidget(l, i == 1 ? 1 : 0);
    }
    StatusBar1_->addWidget(strip, 1);
    setStatusBar(StatusBar1_);

    PopupMenu1_ = new QMenu(this);
    PopupMenu1_->setObjectName("PopupMenu1");
    QAction* visible = PopupMenu1_->addAction("Visible");
    visible->setObjectName("Visible1");
    // The "Config" tab is always shown; choosing the item changes nothing visible.
    connect(visible, &QAction::triggered, this, [this] {
        cxPageControl1_->setTabVisible(0, true);
        tabRows_->refresh();
    });
    StatusBar1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StatusBar1_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1_->popup(StatusBar1_->mapToGlobal(pos)); });
}

void TForm3::FormCreate() {
    // The display-type boxes of "Screen Setup" and "Installer" offer the "Config" page's list.
    auto* lcdTypes = findChild<QComboBox*>("ComboBox4");
    for (const char* name : {"ComboBox39", "ComboBox2"}) replaceItems(findChild<QComboBox*>(name), lcdTypes);
    nrDeviceBox1_->setNrComm(nrComm1_.get());
    // A port given on the command line (or the simulated module's) is selected at start.
    if (!extraPorts_.empty()) {
        for (const serial::TnrDevice& d : nrComm1_->GetDeviceList()) {
            if (d.PortName == extraPorts_.front().path) {
                nrComm1_->SetComPortNo(static_cast<uint16_t>(d.Data));
                break;
            }
        }
    }
    // Ports plugged in or pulled out while running appear in the selector.
    portWatcher_ = std::make_unique<PortWatcher>(*nrComm1_);
}

uint32_t TForm3::linkBaudRate() const { return RadioGroup1_->itemIndex() == 2 ? 230400u : 921600u; }

void TForm3::Button8Click() {
    loop_->Connect([this] { return linkBaudRate(); });
}

void TForm3::Button2Click() { loop_->Disconnect(); }

QString TForm3::statusText(int panel) const {
    if (panel < 0 || panel >= 7) return {};
    return statusPanels_[static_cast<size_t>(panel)]->text();
}

void TForm3::statusText(int panel, const std::string& text) {
    if (panel < 0 || panel >= 7) return;
    QLabel* l = statusPanels_[static_cast<size_t>(panel)];
    QString t = QString::fromStdString(text);
    if (l->text() != t) {
        l->setText(t);
        l->setToolTip(t);
    }
}

void TForm3::errorRaised(const std::string& message) { showError(QString::fromStdString(message)); }

void TForm3::showError(const QString& message) {
    // Non-modal, so the loop is never re-entered from a nested event loop.
    auto* box = new QMessageBox(QMessageBox::Critical, windowTitle(), message, QMessageBox::Ok, this);
    box->setObjectName("ErrorBox");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TForm3::portOpeningStarted() { Image1_->setVisible(false); }

void TForm3::portOpeningEnded() {
    cxPageControl1_->setEnabled(true);
    Image1_->setVisible(true);
}

void TForm3::moduleWoken() {
    Image62_->setVisible(false);
    cxPageControl1_->setVisible(true);
}

void TForm3::connectionEnded() { emit connectionClosed(); }

void TForm3::showCapacities(const connection::CapacityReport& report) {
    for (int i = 0; i < 5; ++i) {
        QLineEdit* e = capacityBoxes_[static_cast<size_t>(i)];
        e->setText(QString::number(report.megabytes(i)));
        const QColor c = report.present(i) ? QColor(0, 128, 0) : QColor(255, 0, 0);
        e->setStyleSheet(QString("QLineEdit { background-color: %1; color: white; }").arg(c.name()));
        // An absent disk also marks its image slot's file box; nothing clears that mark.
        static const char* slotBoxes[4] = {"Edit5", "Edit11", "Edit12", "Edit13"};
        if (i < 4 && !report.present(i))
            if (auto* box = findChild<QLineEdit*>(slotBoxes[i]))
                box->setStyleSheet("QLineEdit { background-color: #ff0000; color: white; }");
    }
}

void TForm3::configReceived(const connection::VersionLabels& labels) {
    if (auto* config = findChild<ConfigPage*>()) config->ParseSys();
    Label161_->setText(QString::fromLatin1(labels.label161.data(), static_cast<int>(labels.label161.size())));
    Label170_->setText(QString::fromLatin1(labels.label170.data(), static_cast<int>(labels.label170.size())));
    emit configurationShown();
}

void TForm3::closeEvent(QCloseEvent* event) {
    // Closing ends a running connection as "Disconnect" does: exit frame, port closed.
    loop_->Shutdown();
    QMainWindow::closeEvent(event);
}

}  // namespace orvanta::ui
