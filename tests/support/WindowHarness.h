#pragma once
// The real window on Qt's offscreen platform, connected over a pseudo-terminal to the
// simulated module, with helpers to press controls and see the frames they send.
#include <QString>
#include <memory>
#include <vector>

#include "sim/PtyServer.h"
#include "ui/MainWindow.h"

class QWidget;

namespace orvanta::test {

using Bytes = std::vector<uint8_t>;

class WindowHarness {
public:
    explicit WindowHarness(const sim::Faults& faults = {}, ui::WindowOptions options = {});
    ~WindowHarness();

    // Presses "Connect" and waits for the configuration read that ends the handshake.
    bool connect(int timeoutMs = 8000);

    ui::TForm3& window() { return *window_; }
    sim::PtyServer& sim() { return *sim_; }

    template <class T = QWidget>
    T* find(const QString& name) const {
        return window_->findChild<T*>(name);
    }
    // Clicks a button, check box or radio button by name (fails the test when absent).
    void click(const QString& name);

    // Forget the frames received so far.
    void mark();
    // The next frame the module receives after the mark, waiting for it; empty on timeout.
    Bytes nextFrame(int timeoutMs = 3000);
    // Frames received after the mark, after letting the loop run for ms.
    std::vector<Bytes> framesAfter(int ms);
    // Runs the event loop until pred holds or the time is up.
    static bool waitFor(const std::function<bool()>& pred, int timeoutMs = 3000);

private:
    std::unique_ptr<sim::PtyServer> sim_;
    std::unique_ptr<ui::TForm3> window_;
    size_t mark_ = 0;
};

std::string hex(const Bytes& b);

}  // namespace orvanta::test
