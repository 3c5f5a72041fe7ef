// orvanta-sim: a simulated Orvanta module on a pseudo-terminal.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>

#include "sim/PtyServer.h"

namespace {
volatile std::sig_atomic_t g_stop = 0;
void onSignal(int) { g_stop = 1; }

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

    orvanta::sim::PtyServer server;
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

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGHUP, onSignal);
    while (!g_stop && !server.hungUp()) ::usleep(100 * 1000);
    server.stop();
    return 0;
}
