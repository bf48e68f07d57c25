// Oruvel against its floor in one process, timed by Google Benchmark in CPU time (the
// main thread's, where all of the work runs): building and showing the main window to
// its first frame again (warm: fonts and the program's classes loaded), and one
// trigram switch with its repaint. The two sides take turns, round by round (A, B, A,
// B...), so that a busy moment of the machine falls on both; each round prints one
// line per pair:
//   round PAIR ORUVEL FLOOR     (milliseconds of CPU time per build or per switch)
// scripts/bench.sh takes the median of the per-round ratios and their spread.
// Usage: oruvel_bench [ROUNDS] [Google Benchmark options]   (ROUNDS defaults to 20)
#include "floor_window.h"
#include "launch.h"
#include "oruvel_side.h"

#include "framework/runtime.h"

#include <QByteArray>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace bench {

namespace {

constexpr int kDefaultRounds = 20;
// Iterations per round: enough that one round of a side takes tens of milliseconds.
constexpr int kBuildsPerRound = 4;
constexpr int kSwitchesPerRound = 36;

void BM_WarmBuild(benchmark::State& state, const OpenWindow& open)
{
    for (auto _ : state) {
        auto window = untilFirstFrame(open);
        state.PauseTiming();
        window.reset();
        settle();
        state.ResumeTiming();
    }
}

void BM_Switch(benchmark::State& state, const OpenWindow& open)
{
    auto window = untilFirstFrame(open);
    window->showInfoPage(kDirections);
    settle();
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % kTrigramRows;
        window->selectRow(row);
        settle();
    }
}

// Keeps the CPU time per iteration of the last run, in the benchmark's unit; prints
// nothing itself.
class LastRun : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            cpuTime_ = run.GetAdjustedCPUTime();
    }
    double cpuTime() const { return cpuTime_; }

private:
    double cpuTime_ = 0;
};

double cpuTimeOf(const std::string& name)
{
    LastRun reporter;
    if (benchmark::RunSpecifiedBenchmarks(&reporter, "^" + name + "/") != 1) {
        std::fprintf(stderr, "benchmark %s did not run\n", name.c_str());
        endNow(2);
    }
    return reporter.cpuTime();
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
    benchmark::Initialize(&argc, argv);
    int rounds = kDefaultRounds;
    if (argc >= 2)
        rounds = std::atoi(argv[1]);
    if (argc > 2 || rounds <= 0) {
        std::fputs("usage: oruvel_bench [ROUNDS] [Google Benchmark options]\n", stderr);
        return 2;
    }

    startProgram();
    const OpenWindow sides[] = {&openOruvelWindow, &openFloorWindow};
    const char* names[] = {"oruvel", "floor"};
    for (int side = 0; side < 2; ++side) {
        const std::string name = names[side];
        benchmark::RegisterBenchmark(("WarmBuild/" + name).c_str(), BM_WarmBuild, sides[side])
            ->Iterations(kBuildsPerRound)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Switch/" + name).c_str(), BM_Switch, sides[side])
            ->Iterations(kSwitchesPerRound)
            ->Unit(benchmark::kMillisecond);
    }
    // One build of each side first, so that every timed build finds fonts and caches warm.
    for (const OpenWindow& open : sides)
        untilFirstFrame(open).reset();
    settle();

    for (int round = 0; round < rounds; ++round) {
        for (const char* pair : {"WarmBuild", "Switch"}) {
            const double oruvel = cpuTimeOf(std::string(pair) + "/oruvel");
            const double floor = cpuTimeOf(std::string(pair) + "/floor");
            std::printf("round %s %.4f %.4f\n", pair, oruvel, floor);
            std::fflush(stdout);
        }
    }
    benchmark::Shutdown();
    endNow(0);
}
