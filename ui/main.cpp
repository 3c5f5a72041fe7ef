// orvanta-shell: the configuration and service tool of the Orvanta display module.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "sim/PtyServer.h"
#include "ui/MainWindow.h"
#include "ui/Style.h"

using namespace orvanta;

namespace {

// Connects to the module, waits for the configuration read, saves a picture of the
// window and prints what it shows. Used by `make run` where there is no display.
void scriptedCheck(ui::TForm3& w, const QString& screenshot, QApplication& app) {
    auto done = std::make_shared<bool>(false);
    auto finish = [&w, &app, screenshot, done](bool ok) {
        if (*done) return;
        *done = true;
        QDir().mkpath(QFileInfo(screenshot).absolutePath());
        bool saved = w.grab().save(screenshot);
        std::printf("Screenshot: %s%s\n", qPrintable(QFileInfo(screenshot).absoluteFilePath()),
                    saved ? "" : " (could not be saved)");
        QStringList panels;
        for (int i = 0; i < 7; ++i) panels << QString("[%1]").arg(w.statusText(i));
        std::printf("Status bar: %s\n", qPrintable(panels.join(' ')));
        const char* names[5] = {"Edit6", "Edit7", "Edit8", "Edit9", "Edit10"};
        const char* disks[5] = {"Disk 0", "Disk 1", "Disk 2", "Disk 3", "SD"};
        QStringList caps;
        for (int i = 0; i < 5; ++i) {
            auto* e = w.findChild<QLineEdit*>(names[i]);
            caps << QString("%1: %2 Mb").arg(disks[i], e ? e->text() : "?");
        }
        std::printf("Capacities: %s\n", qPrintable(caps.join(", ")));
        auto* l161 = w.findChild<QLabel*>("Label161");
        auto* l170 = w.findChild<QLabel*>("Label170");
        std::printf("Version: \"%s\" / \"%s\"\n", l161 ? qPrintable(l161->text()) : "", l170 ? qPrintable(l170->text()) : "");
        std::printf("%s\n", ok ? "Check passed: connected and read the configuration." : "Check FAILED: no configuration within 15 s.");
        std::fflush(stdout);
        w.loop().Shutdown();
        app.exit(ok ? 0 : 1);
    };
    QObject::connect(&w, &ui::TForm3::configurationShown, &w, [finish] {
        // Let the window paint what it was just given before the picture is taken.
        QTimer::singleShot(200, [finish] { finish(true); });
    });
    QTimer::singleShot(15000, &w, [finish] { finish(false); });
    QTimer::singleShot(100, &w, [&w] { w.Button8Click(); });
}

QString fileSafe(QString s) {
    s = s.trimmed();
    for (QChar& c : s)
        if (!c.isLetterOrNumber()) c = '-';
    return s;
}

// Connects, then saves a picture of the window for every tab a user can reach,
// nested tabs included. Used by scripts/screenshots.sh under a virtual display.
void screenshotTabs(ui::TForm3& w, const QString& dir, QApplication& app) {
    QObject::connect(&w, &ui::TForm3::configurationShown, &w, [&w, &app, dir] {
        QDir().mkpath(dir);
        auto* pages = w.findChild<QTabWidget*>("cxPageControl1");
        int shot = 0;
        auto save = [&](const QString& name) {
            QCoreApplication::processEvents();
            QString path = QString("%1/%2-%3.png").arg(dir).arg(++shot, 2, 10, QChar('0')).arg(fileSafe(name));
            w.grab().save(path);
            std::printf("%s\n", qPrintable(QFileInfo(path).absoluteFilePath()));
        };
        for (int i = 0; pages && i < pages->count(); ++i) {
            if (!pages->isTabVisible(i)) continue;
            pages->setCurrentIndex(i);
            save(pages->tabText(i));
            for (QTabWidget* inner : pages->widget(i)->findChildren<QTabWidget*>()) {
                // Nested page controls whose tabs the user can see: their own tab bar, or a wrapping tab row.
                auto* rows = inner->parentWidget() ? inner->parentWidget()->findChild<QWidget*>(inner->objectName() + "_tabRows") : nullptr;
                if (!inner->isVisible() || !(inner->tabBar()->isVisible() || (rows && rows->isVisible()))) continue;
                for (int j = 1; j < inner->count(); ++j) {
                    if (!inner->isTabVisible(j)) continue;
                    inner->setCurrentIndex(j);
                    save(pages->tabText(i) + "-" + inner->tabText(j));
                }
                inner->setCurrentIndex(0);
            }
        }
        if (pages) pages->setCurrentIndex(0);
        std::fflush(stdout);
        w.loop().Shutdown();
        app.exit(0);
    });
    QTimer::singleShot(15000, &w, [&app] {
        std::fprintf(stderr, "no configuration from the module within 15 s\n");
        app.exit(1);
    });
    QTimer::singleShot(100, &w, [&w] { w.Button8Click(); });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("orvanta-shell");
    ui::applyCharcoalDarkSlate(app);

    QCommandLineParser parser;
    parser.setApplicationDescription("Configuration and service tool of the Orvanta display module.");
    parser.addHelpOption();
    QCommandLineOption portOpt("port", "Open the serial device PATH (a pty, /dev/rfcomm0, ...) instead of the selector's choice.", "PATH");
    QCommandLineOption simOpt("simulate", "Start a simulated module on a pseudo-terminal and select its port.");
    QCommandLineOption checkOpt("check-screenshot",
                                "Connect, wait for the configuration, save a screenshot to FILE, print what the window shows, and exit.",
                                "FILE");
    QCommandLineOption tabsOpt("screenshot-tabs", "Connect, save a screenshot of every reachable tab into DIR, and exit.", "DIR");
    parser.addOption(tabsOpt);
    parser.addOption(portOpt);
    parser.addOption(simOpt);
    parser.addOption(checkOpt);
    parser.process(app);

    ui::WindowOptions options;
    std::unique_ptr<sim::PtyServer> simulator;
    if (parser.isSet(simOpt)) {
        simulator = std::make_unique<sim::PtyServer>();
        try {
            simulator->start();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "orvanta-shell: cannot start the simulated module: %s\n", e.what());
            return 1;
        }
        options.extraPorts.push_back({simulator->portPath(), simulator->portPath(), "simulated module", "", ""});
        std::printf("Simulated module on %s\n", simulator->portPath().c_str());
        std::fflush(stdout);
    }
    if (parser.isSet(portOpt)) {
        const std::string path = parser.value(portOpt).toStdString();
        options.extraPorts.insert(options.extraPorts.begin(), {path, path, "", "", ""});
    }

    int rc;
    {
        ui::TForm3 window(std::move(options));
        window.show();
        if (parser.isSet(checkOpt)) scriptedCheck(window, parser.value(checkOpt), app);
        else if (parser.isSet(tabsOpt)) screenshotTabs(window, parser.value(tabsOpt), app);
        rc = app.exec();
    }
    if (simulator) simulator->stop();
    return rc;
}
