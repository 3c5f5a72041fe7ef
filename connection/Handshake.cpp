#include "connection/Handshake.h"

#include <memory>

#include "connection/Frames.h"

namespace orvanta::connection {

void addHandshakeStates(ConnectionLoop& loop, HandshakeView& view) {
    auto wakeTick = std::make_shared<uint32_t>(0);

    loop.states().add(999, [wakeTick](ConnectionLoop& l) {
        l.storeBaseline();
        l.port().ClearDeviceBuffers();
        l.send(kWakeUpFrame);
        l.setState(0);
        l.observer().moduleWoken();
        *wakeTick = l.nowMs();
    });

    // The module needs half a second after the wake-up frame; the wait is a timer,
    // so the window keeps answering meanwhile.
    loop.states().add(0, [wakeTick](ConnectionLoop& l) {
        uint32_t elapsed = l.nowMs() - *wakeTick;
        if (elapsed < kCapacityQueryDelayMs) {
            l.retryAfter(kCapacityQueryDelayMs - elapsed);
            return;
        }
        l.sendCommand(cmd::Capacities);
        l.setState(1);
    });

    loop.states().add(1, [&view](ConnectionLoop& l) {
        if (l.received() < 6) return;
        l.readByte();  // reply header
        CapacityReport report;
        l.read(report.raw);
        view.showCapacities(report);
        l.request().RequestCommand = cmd::ReadConfig;
        l.setState(55);
    });
}

}  // namespace orvanta::connection
