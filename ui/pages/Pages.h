#pragma once
// The tabs of the main page control and the right-hand panel. Each factory builds one
// page (objectName = its tab's name) and wires its controls to requests.
class QWidget;

namespace orvanta::ui {

struct PageContext;

QWidget* createConfigPage(PageContext& ctx);           // TabSheet1 "Config"
QWidget* createScreenSetupPage(PageContext& ctx);      // cxTabSheet1 "Screen Setup"
QWidget* createExtraCodingPage(PageContext& ctx);      // cxTabSheet5 "Extra Coding"
QWidget* createTurboTimerPage(PageContext& ctx);       // TabSheet8 "TurboTimer"
QWidget* createDesktopPage(PageContext& ctx);          // TabSheet10 "Desktop"
QWidget* createImageLoaderPage(PageContext& ctx);      // TabSheet4 "IMZ Disk Image Loader"
QWidget* createTransmissionPage(PageContext& ctx);     // TabSheet3 "Transmission"
QWidget* createKeysEmulPage(PageContext& ctx);         // cxTabSheet2 "Keys emul" (never shown)
QWidget* createFirmwarePage(PageContext& ctx);         // TabSheet2 "Firmware load" (never shown)
QWidget* createDiagnosticsPage(PageContext& ctx);      // TabSheet16 "Diagnostics" (never shown)
QWidget* createUserCalibrationPage(PageContext& ctx);  // TabSheet19 "User Calibration"
QWidget* createMaintenancePage(PageContext& ctx);      // TabSheet18 "Maintenance"
QWidget* createAutoDiagPage(PageContext& ctx);         // TabSheet22 "AutoDiag Setup"
QWidget* createExtendedPage(PageContext& ctx);         // TabSheet29 "Extended"
QWidget* createPdcPage(PageContext& ctx);              // TabSheet20 "PDC "
QWidget* createInstallerPage(PageContext& ctx);        // TabSheet21 "Installer"

// Panel2: the button emulator and the signal emulators at the right edge.
QWidget* createRightPanel(PageContext& ctx);

}  // namespace orvanta::ui
