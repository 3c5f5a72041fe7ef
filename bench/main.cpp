// orvanta-bench: what the tool costs while connected and idle, and how long a
// configuration read takes through a pseudo-terminal. It prints its figures.
//
//   orvanta-bench [--idle-seconds N] [--reads N]
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/MainWindow.h"
#include "ui/Style.h"

using namespace orvanta;

namespace {

double cpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
}

// The simulated module runs as its own process, so its work is not counted as ours.
struct SimProcess {
    pid_t pid = -1;
    std::string port;
    bool start() {
        std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
        std::string exe = (self.parent_path() / "orvanta-sim").string();
        int out[2];
        if (::pipe(out) != 0) return false;
        pid = ::fork();
        if (pid == 0) {
            ::dup2(out[1], 1);
            ::execl(exe.c_str(), "orvanta-sim", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        char line[256] = {};
        FILE* f = ::fdopen(out[0], "r");
        bool ok = f && std::fgets(line, sizeof line, f);
        if (f) std::fclose(f);
        if (!ok) return false;
        port = line;
        while (!port.empty() && (port.back() == '\n' || port.back() == '\r')) port.pop_back();
        return true;
    }
    ~SimProcess() {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
    }
};

// Runs the event loop until the window shows a configuration or the time is up; no polling.
bool waitForConfiguration(ui::TForm3& w, int timeoutMs) {
    QEventLoop loop;
    bool got = false;
    auto c = QObject::connect(&w, &ui::TForm3::configurationShown, &loop, [&] {
        got = true;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(c);
    return got;
}

void idleFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::applyCharcoalDarkSlate(app);
    int idleSeconds = 10, reads = 200;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i];
        if (a == "--idle-seconds") idleSeconds = std::max(1, std::atoi(argv[i + 1]));
        else if (a == "--reads") reads = std::max(1, std::atoi(argv[i + 1]));
    }

    SimProcess sim;
    if (!sim.start()) {
        std::fprintf(stderr, "orvanta-bench: cannot start orvanta-sim\n");
        return 1;
    }
    ui::WindowOptions options;
    options.extraPorts.push_back({sim.port, sim.port, "simulated module", "", ""});
    ui::TForm3 window(std::move(options));
    window.show();

    window.Button8Click();
    if (!waitForConfiguration(window, 10000)) {
        std::fprintf(stderr, "orvanta-bench: the module did not answer\n");
        return 1;
    }
    idleFor(300);

    // 1. Connected and idle.
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    idleFor(idleSeconds * 1000);
    const double cpu = cpuSeconds() - cpu0;
    const double secs = wall.elapsed() / 1000.0;
    std::printf("idle while connected: %.3f s of CPU in %.1f s = %.3f %% of one core (goal: under 1 %%)\n", cpu, secs,
                100.0 * cpu / secs);

    // 2. Configuration read round trip: request posted -> reply unpacked.
    std::vector<double> ms;
    for (int i = 0; i < reads; ++i) {
        QElapsedTimer t;
        t.start();
        window.loop().Post(55, 24);
        if (!waitForConfiguration(window, 5000)) {
            std::fprintf(stderr, "orvanta-bench: read %d got no reply\n", i);
            return 1;
        }
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    auto pct = [&](double p) { return ms[std::min(ms.size() - 1, static_cast<size_t>(p * (ms.size() - 1) + 0.5))]; };
    std::printf("configuration read (A6 01 18 -> 80-byte reply), %d reads: min %.3f ms, median %.3f ms, p95 %.3f ms, max %.3f ms\n",
                reads, ms.front(), pct(0.5), pct(0.95), ms.back());
    window.loop().Shutdown();
    return 0;
}
