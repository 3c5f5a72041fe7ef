#include "connection/GenericStates.h"

#include <algorithm>
#include <array>
#include <memory>

namespace orvanta::connection {

void addGenericStates(ConnectionLoop& loop, ConfigReplyView& view) {
    StateTable& s = loop.states();

    s.add(50, [](ConnectionLoop& l) {
        uint8_t c = l.request().RequestCommand;
        l.sendCommand(c);
        l.setState(kIdleState);
        if (c == cmd::Reboot) l.request().StopFlag = true;
    });
    s.add(51, [](ConnectionLoop& l) {
        const uint8_t p = l.request().RequestParam;
        l.sendCommand(l.request().RequestCommand, std::span<const uint8_t>(&p, 1));
        l.setState(kIdleState);
    });
    s.add(52, [](ConnectionLoop& l) {
        l.sendCommand(l.request().RequestCommand, std::span<const uint8_t>(l.session().RxRecord.data(), 16));
        l.setState(kIdleState);
    });
    s.add(53, [](ConnectionLoop& l) {
        l.sendCommand(l.request().RequestCommand, std::span<const uint8_t>(l.session().RxRecord.data(), 52));
        l.setState(kIdleState);
    });
    s.add(54, [](ConnectionLoop& l) {
        l.sendCommand(l.request().RequestCommand);
        l.setState(64);
    });
    s.add(55, [](ConnectionLoop& l) {
        l.sendCommand(l.request().RequestCommand);
        l.setState(65);
    });
    s.add(153, [](ConnectionLoop& l) {
        l.sendCommand(l.request().RequestCommand);
        l.setState(kIdleState);
    });

    auto replyLength = std::make_shared<uint8_t>(0);
    s.add(65, [replyLength](ConnectionLoop& l) {
        if (l.received() < 2) return;
        l.readByte();  // header
        *replyLength = l.readByte();
        l.setState(66);
    });
    s.add(66, [replyLength, &view](ConnectionLoop& l) {
        const uint32_t n = *replyLength;
        if (l.received() < n + 2) return;
        // The whole body is taken, also past RxRecord's end, so that the version
        // texts at its tail are still there; only the first 200 bytes are kept.
        std::array<uint8_t, 255> body{};
        l.read(std::span<uint8_t>(body.data(), n));
        Session& ss = l.session();
        std::copy_n(body.begin(), std::min<size_t>(n, ss.RxRecord.size()), ss.RxRecord.begin());
        std::copy_n(ss.RxRecord.begin(), ss.SysRecord.size(), ss.SysRecord.begin());
        l.setState(kIdleState);
        view.configReceived(versionLabels(std::span<const uint8_t>(body.data(), n)));
    });
}

}  // namespace orvanta::connection
