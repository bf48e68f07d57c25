// Oruvel's side of the launch pairs: the program's own start-up and main window in a
// process of its own, ended at the first frame (see launch.h for the options). One
// more option checks that windows opened again cost no lasting memory:
//   --reopen WINDOW N   with the main window open, opens and closes WINDOW (about,
//                       info or help) N times through the menu commands and prints the
//                       resident size after the 50th time and after the last.
#include "launch.h"
#include "oruvel_side.h"

#include "framework/runtime.h"

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kSettledOpenings = 50;

int reopen(const char* name, int count)
{
    using namespace bench;
    Secondary window{};
    if (!parseSecondary(name, window) || count < kSettledOpenings) {
        std::fputs("usage: --reopen about|info|help N (N >= 50)\n", stderr);
        return 2;
    }
    startProgram();
    auto main = untilFirstFrame(&openOruvelWindow);
    long settled = 0;
    for (int i = 1; i <= count; ++i) {
        openAndClose(window);
        if (i == kSettledOpenings)
            settled = residentKib();
    }
    std::printf("resident_kib_after_%d %ld\nresident_kib_after_%d %ld\n", kSettledOpenings, settled, count,
                residentKib());
    endNow(0);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    qInstallMessageHandler(bench::quietRaiseWarnings);
    fw::Runtime runtime(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--reopen") == 0)
        return reopen(argv[2], std::atoi(argv[3]));
    return bench::runOnce(argc, argv, [] {
        bench::startProgram();
        return bench::openOruvelWindow();
    });
}
