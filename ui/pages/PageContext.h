#pragma once
// What a page gets from the window: the loop to post requests to, the shared records,
// and the window itself as the parent of dialogs and message boxes.
#include <QString>
#include <functional>

#include "connection/ConnectionLoop.h"
#include "connection/Session.h"

class QWidget;

namespace orvanta::ui {

struct PageContext {
    connection::ConnectionLoop& loop;
    connection::Session& session;
    QWidget* window;
    // Shows an error in a message box without blocking the loop.
    std::function<void(const QString&)> showError;
    // "Connect" (the side panel's and the button emulator's).
    std::function<void()> connect;
};

}  // namespace orvanta::ui
