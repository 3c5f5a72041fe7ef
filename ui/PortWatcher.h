#pragma once
// Follows serial ports plugged in or pulled out while the tool runs: the platform's
// monitor wakes a socket notifier, and the component rebuilds its list (keeping the
// chosen port chosen); the selector refills on the component's notification 3.
#include <QObject>
#include <memory>

#include "serial/PortMonitor.h"
#include "serial/TnrComm.h"

class QSocketNotifier;

namespace orvanta::ui {

class PortWatcher : public QObject {
    Q_OBJECT
public:
    // With the platform's monitor.
    explicit PortWatcher(serial::TnrComm& comm, QObject* parent = nullptr);
    // With a given monitor; none means nothing is watched.
    PortWatcher(serial::TnrComm& comm, std::unique_ptr<serial::PortMonitor> monitor, QObject* parent = nullptr);
    ~PortWatcher() override;

    // Whether hot-plug events reach the tool on this system.
    bool watching() const { return notifier_ != nullptr; }

signals:
    // The component's list has been rebuilt.
    void portsChanged();

private:
    void onReadable();

    serial::TnrComm& comm_;
    std::unique_ptr<serial::PortMonitor> monitor_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace orvanta::ui
