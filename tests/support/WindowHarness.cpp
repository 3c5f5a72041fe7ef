#include "tests/support/WindowHarness.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "connection/Frames.h"

namespace orvanta::test {

std::string hex(const Bytes& b) { return connection::hexBytes(b); }

WindowHarness::WindowHarness(const sim::Faults& faults, ui::WindowOptions options) {
    sim_ = std::make_unique<sim::PtyServer>();
    sim_->setFaults(faults);
    sim_->start();
    options.extraPorts.insert(options.extraPorts.begin(),
                              serial::FoundPort{sim_->portPath(), sim_->portPath(), "simulated module", "", ""});
    window_ = std::make_unique<ui::TForm3>(std::move(options));
    window_->show();
}

WindowHarness::~WindowHarness() {
    window_.reset();
    sim_->stop();
}

bool WindowHarness::waitFor(const std::function<bool()>& pred, int timeoutMs) {
    return QTest::qWaitFor(pred, timeoutMs);
}

bool WindowHarness::connect(int timeoutMs) {
    QSignalSpy shown(window_.get(), &ui::TForm3::configurationShown);
    window_->Button8Click();
    bool ok = waitFor([&] { return shown.count() > 0; }, timeoutMs);
    mark();
    return ok;
}

void WindowHarness::click(const QString& name) {
    auto* b = find<QAbstractButton>(name);
    ASSERT_NE(b, nullptr) << "no button named " << name.toStdString();
    b->click();
}

void WindowHarness::mark() { mark_ = sim_->frames().size(); }

Bytes WindowHarness::nextFrame(int timeoutMs) {
    Bytes out;
    waitFor([&] { return sim_->frames().size() > mark_; }, timeoutMs);
    auto frames = sim_->frames();
    if (frames.size() > mark_) out = frames[mark_++].bytes;
    return out;
}

std::vector<Bytes> WindowHarness::framesAfter(int ms) {
    QTest::qWait(ms);
    std::vector<Bytes> out;
    auto frames = sim_->frames();
    for (size_t i = mark_; i < frames.size(); ++i) out.push_back(frames[i].bytes);
    mark_ = frames.size();
    return out;
}

}  // namespace orvanta::test
