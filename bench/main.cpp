// Oruvel against its floor, a bare Qt window of the same widgets. Without options it
// runs the timed benchmark pairs and prints each pair's ratio; the options below run
// one side once in a process of its own, for the launch time, the peak memory and the
// instruction counts that scripts/bench.sh gathers.
//   --first-frame SIDE   starts, opens the main window, prints the wall-clock time
//                        (ns since the epoch) and the peak resident size (KiB) at
//                        its first frame, and ends.
//   --switches SIDE N    opens the main window on the Directions page and makes N
//                        trigram switches, each with its repaint.
// SIDE is oruvel or floor.
#include "bench_windows.h"

#include "framework/runtime.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace bench {

namespace {

constexpr int kTrigramRows = 9;
// The lower panel's Directions page.
constexpr int kDirections = 2;

void BM_FirstFrame(benchmark::State& state, Side side)
{
    for (auto _ : state) {
        auto window = openWindow(side);
        state.PauseTiming();
        window.reset();
        settle();
        state.ResumeTiming();
    }
}

void BM_Switch(benchmark::State& state, Side side)
{
    auto window = openWindow(side);
    window->showInfoPage(kDirections);
    settle();
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % kTrigramRows;
        window->selectRow(row);
        settle();
    }
}

// The console report, and after it each pair: Oruvel's median, the floor's, the ratio.
class PairReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions only the median speaks for a benchmark.
            if (run.aggregate_name == "median" || (run.run_type == Run::RT_Iteration && run.repetitions <= 1))
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }

    void printPairs() const
    {
        std::printf("\n%-40s %14s %14s %8s\n", "pair (same process, time, median)", "oruvel", "floor", "ratio");
        const std::pair<const char*, const char*> pairs[] = {
            {"FirstFrame", "build and show to first frame (ms)"},
            {"Switch", "one trigram switch with repaint (ms)"},
        };
        for (const auto& [pair, title] : pairs) {
            const auto oruvel = times_.find(std::string(pair) + "/oruvel");
            const auto floor = times_.find(std::string(pair) + "/floor");
            if (oruvel == times_.end() || floor == times_.end() || floor->second <= 0)
                continue;
            std::printf("%-40s %14.3f %14.3f %7.2fx\n", title, oruvel->second, floor->second,
                        oruvel->second / floor->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

long peakKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long long wallClockNs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Named so that callgrind can count this call alone (--toggle-collect).
[[gnu::noinline]] std::unique_ptr<BenchWindow> launchToFirstFrame(Side side)
{
    startProgram(side);
    return openWindow(side);
}

[[gnu::noinline]] void makeSwitches(BenchWindow& window, int count)
{
    for (int i = 1; i <= count; ++i) {
        window.selectRow(i % kTrigramRows);
        settle();
    }
}

bool parseSide(const char* text, Side& side)
{
    if (std::strcmp(text, "oruvel") == 0)
        side = Side::Oruvel;
    else if (std::strcmp(text, "floor") == 0)
        side = Side::Floor;
    else
        return false;
    return true;
}

// Qt's offscreen platform says on every show that it cannot raise a window.
void quietRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("does not support raise()")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int usage()
{
    std::fputs("usage: oruvel_bench [benchmark options] | --first-frame SIDE | --switches SIDE N\n"
               "SIDE is oruvel or floor\n",
               stderr);
    return 2;
}

// The process ends at once: what it measured is printed, and the teardown is no part of it.
[[noreturn]] void endNow(int code)
{
    std::fflush(stdout);
    std::_Exit(code);
}

} // namespace

} // namespace bench

int main(int argc, char** argv)
{
    using namespace bench;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    qInstallMessageHandler(quietRaiseWarnings);
    fw::Runtime runtime(argc, argv);

    Side side = Side::Oruvel;
    if (argc >= 3 && std::strcmp(argv[1], "--first-frame") == 0) {
        if (!parseSide(argv[2], side))
            return usage();
        auto window = launchToFirstFrame(side);
        const long long at = wallClockNs();
        std::printf("first_frame_ns %lld\npeak_kib %ld\n", at, peakKib());
        endNow(0);
    }
    if (argc >= 4 && std::strcmp(argv[1], "--switches") == 0) {
        const int count = std::atoi(argv[3]);
        if (!parseSide(argv[2], side) || count <= 0)
            return usage();
        startProgram(side);
        auto window = openWindow(side);
        window->showInfoPage(kDirections);
        settle();
        makeSwitches(*window, count);
        std::printf("switches %d\n", count);
        endNow(0);
    }
    if (argc >= 2 && std::strncmp(argv[1], "--benchmark", 11) != 0)
        return usage();

    startProgram(Side::Oruvel);
    startProgram(Side::Floor);
    for (Side each : {Side::Oruvel, Side::Floor}) {
        const std::string name = sideName(each);
        benchmark::RegisterBenchmark(("FirstFrame/" + name).c_str(), BM_FirstFrame, each)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Switch/" + name).c_str(), BM_Switch, each)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    PairReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.printPairs();
    endNow(0);
}
