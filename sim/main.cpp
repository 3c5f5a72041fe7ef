// orvanta-sim: a simulated Orvanta module on a pseudo-terminal.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include "sim/PtyServer.h"

namespace {

void usage() {
    std::puts(
        "usage: orvanta-sim [--link PATH] [--log-frames] [--fault SPEC]...\n"
        "\n"
        "Creates a pseudo-terminal that answers like an Orvanta display module and prints\n"
        "its path. Point the tool at it with: orvanta-shell --port PATH\n"
        "\n"
        "  --link PATH     also make PATH a symbolic link to the port\n"
        "  --log-frames    print every frame received (<-) and every reply (->) in hex\n"
        "  --fault SPEC    misbehave, for tests (repeatable):\n"
        "                    silent            answer nothing\n"
        "                    no-reply=N        do not answer command N (or image-start, image-chunk)\n"
        "                    short=N:K         drop the last K bytes of the reply to N\n"
        "                    short=K           drop the last K bytes of every reply\n"
        "                    delay=MS          wait MS milliseconds before every reply\n"
        "                    split=K:MS        send replies in pieces of K bytes, MS apart\n"
        "                    bad-image-sum     acknowledge image chunks with a wrong sum\n"
        "                    bad-db-ack        acknowledge database records with a wrong byte\n"
        "                    hangup-on=N       hang up when command N arrives");
}
}  // namespace

int main(int argc, char** argv) {
    std::string link;
    bool logFrames = false;
    orvanta::sim::Faults faults;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            usage();
            return 0;
        } else if (a == "--link" && i + 1 < argc) {
            link = argv[++i];
        } else if (a == "--log-frames") {
            logFrames = true;
        } else if (a == "--fault" && i + 1 < argc) {
            try {
                faults.parse(argv[++i]);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "orvanta-sim: %s\n", e.what());
                return 2;
            }
        } else {
            std::fprintf(stderr, "orvanta-sim: unknown argument \"%s\" (try --help)\n", a.c_str());
            return 2;
        }
    }

    // Every thread blocks the stop signals; the main thread waits for them, so nothing polls.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGUSR1}) sigaddset(&stopSignals, sig);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    orvanta::sim::PtyServer server;
    server.setHangUpHandler([] { ::kill(::getpid(), SIGUSR1); });
    server.setFaults(faults);
    if (logFrames) server.setLog([](const std::string& line) { std::printf("%s\n", line.c_str()); std::fflush(stdout); });
    try {
        server.start(link);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvanta-sim: %s\n", e.what());
        return 1;
    }
    std::printf("%s\n", server.portPath().c_str());
    if (!link.empty()) std::printf("linked as %s\n", link.c_str());
    std::fflush(stdout);

    int sig = 0;
    sigwait(&stopSignals, &sig);
    server.stop();
    return 0;
}
