#pragma once
// TForm3: the one window. It owns the serial component, the connection loop and the
// records, shows what the loop reports, and maps its editors to and from records.
#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

#include "connection/ConnectionLoop.h"
#include "connection/GenericStates.h"
#include "connection/Handshake.h"
#include "connection/Session.h"
#include "connection/qt/QtScheduler.h"
#include "serial/TnrComm.h"

class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QTabWidget;
class QGroupBox;

namespace orvanta::ui {

class RadioGroup;
class PortWatcher;
class TabRows;
class TnrDeviceBox;
struct PageContext;

struct WindowOptions {
    // Where ports come from; the platform's own when empty.
    std::unique_ptr<serial::PortSource> portSource;
    // Ports to list besides those found, selected at start when given (--port, --simulate).
    std::vector<serial::FoundPort> extraPorts;
};

class TForm3 : public QMainWindow,
               private connection::LoopObserver,
               private connection::HandshakeView,
               private connection::ConfigReplyView {
    Q_OBJECT
public:
    explicit TForm3(WindowOptions options = {}, QWidget* parent = nullptr);
    ~TForm3() override;

    connection::Session& session() { return session_; }
    connection::ConnectionLoop& loop() { return *loop_; }
    serial::TnrComm& comm() { return *nrComm1_; }
    QString statusText(int panel) const;
    // Link-type bit rate: "UART" and "Bluetooth" 921600, "WiFi" 230400.
    uint32_t linkBaudRate() const;

    // "Connect" and "Disconnect".
    void Button8Click();
    void Button2Click();

signals:
    // The configuration reply has been unpacked into the editors.
    void configurationShown();
    void connectionClosed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // LoopObserver
    void statusText(int panel, const std::string& text) override;
    void errorRaised(const std::string& message) override;
    void portOpeningStarted() override;
    void portOpeningEnded() override;
    void moduleWoken() override;
    void connectionEnded() override;
    // HandshakeView
    void showCapacities(const connection::CapacityReport& report) override;
    // ConfigReplyView
    void configReceived(const connection::VersionLabels& labels) override;

    void buildWindow();
    QWidget* buildLeftPanel();
    QWidget* buildRightPanel();
    QWidget* buildCentre();
    void addPage(QWidget* page, const QString& caption, bool tabShown);
    void buildStatusBar();
    void FormCreate();
    void showError(const QString& message);

    connection::Session session_;
    std::unique_ptr<connection::QtScheduler> scheduler_;
    std::unique_ptr<serial::TnrComm> nrComm1_;
    std::unique_ptr<connection::ConnectionLoop> loop_;
    std::unique_ptr<PortWatcher> portWatcher_;  // after nrComm1_: it goes first
    std::vector<serial::FoundPort> extraPorts_;
    std::unique_ptr<PageContext> pageContext_;

    // Left panel.
    TnrDeviceBox* nrDeviceBox1_ = nullptr;
    QPushButton* Button8_ = nullptr;
    QPushButton* Button3_ = nullptr;
    QLabel* Image1_ = nullptr;
    QPushButton* BitBtn72_ = nullptr;
    std::array<QLineEdit*, 5> capacityBoxes_{};  // Edit6..Edit10
    QLabel* Label161_ = nullptr;
    QLabel* Label170_ = nullptr;
    RadioGroup* RadioGroup1_ = nullptr;

    // Centre.
    QLabel* Image62_ = nullptr;
    QTabWidget* cxPageControl1_ = nullptr;
    TabRows* tabRows_ = nullptr;  // the page control's tab row, wrapping onto several lines

    QProgressBar* ProgressBar1_ = nullptr;
    QStatusBar* StatusBar1_ = nullptr;
    std::array<QLabel*, 7> statusPanels_{};
    QMenu* PopupMenu1_ = nullptr;
};

}  // namespace orvanta::ui
