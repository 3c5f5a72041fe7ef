#pragma once
// The command states many requests share: one-byte commands, one parameter byte,
// record payloads from RxRecord, and the variable-length configuration reply.
#include "connection/ConnectionLoop.h"
#include "connection/Frames.h"

namespace orvanta::connection {

class ConfigReplyView {
public:
    virtual ~ConfigReplyView() = default;
    // SysRecord now holds the reply's record: unpack it and show the version texts.
    virtual void configReceived(const VersionLabels& labels) = 0;
};

void addGenericStates(ConnectionLoop& loop, ConfigReplyView& view);

}  // namespace orvanta::connection
