#include "ui/PortWatcher.h"

#include <QSocketNotifier>

namespace orvanta::ui {

PortWatcher::PortWatcher(serial::TnrComm& comm, QObject* parent)
    : PortWatcher(comm, serial::createPlatformPortMonitor(), parent) {}

PortWatcher::PortWatcher(serial::TnrComm& comm, std::unique_ptr<serial::PortMonitor> monitor, QObject* parent)
    : QObject(parent), comm_(comm), monitor_(std::move(monitor)) {
    setObjectName("PortWatcher");
    if (!monitor_ || monitor_->fd() < 0) return;  // no events here: the list stays as built
    notifier_ = new QSocketNotifier(monitor_->fd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PortWatcher::onReadable);
}

PortWatcher::~PortWatcher() {
    // The notifier must stop watching before the monitor closes its descriptor.
    delete notifier_;
}

void PortWatcher::onReadable() {
    // One rebuild for however many events came together (a dual adapter brings two).
    if (monitor_->takeChanges().empty()) return;
    comm_.Update();
    emit portsChanged();
}

}  // namespace orvanta::ui
