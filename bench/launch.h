#pragma once

// What the two sides' programs share (Qt only): a main window as the benchmarks drive
// it, the wait for its first frame, and the one-shot runs that scripts/bench.sh starts
// as processes of their own.

#include <QtGlobal>

#include <functional>
#include <memory>

namespace bench {

// One side's main window while a benchmark uses it: the same two operations on both.
class BenchWindow {
public:
    virtual ~BenchWindow() = default;
    // Selects a trigram row (0 to 8) in the trigram list, as a click on it does.
    virtual void selectRow(int row) = 0;
    // Turns the lower panel to a page (0 Properties, 1 Elements, 2 Directions).
    virtual void showInfoPage(int page) = 0;
};

using OpenWindow = std::function<std::unique_ptr<BenchWindow>()>;

// The lower panel's Directions page, where a switch redraws both compasses.
constexpr int kDirections = 2;
constexpr int kTrigramRows = 9;

// Runs open, then the event loop until a main window's first frame is painted. The
// backing store is painted and flushed in one pass, so the frame is on the platform's
// window when the loop turn that painted it returns.
std::unique_ptr<BenchWindow> untilFirstFrame(const OpenWindow& open);
// Delivers what is pending, the repaint included.
void settle();
// N trigram switches through the list, each with its repaint. Not inlined, so that
// callgrind can count this call alone (--toggle-collect=*makeSwitches*).
[[gnu::noinline]] void makeSwitches(BenchWindow& window, int count);

// The peak resident size so far and the resident size now, in KiB.
long peakKib();
long residentKib();

// Qt's offscreen platform says on every show that it cannot raise a window.
void quietRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message);

// The one-shot runs of a side's program, on its running application:
//   --first-frame  opens the main window and prints, at its first frame, the wall-clock
//                  time (first_frame_ns, since the epoch) and the peak resident size
//                  (peak_kib); then the process ends at once.
//   --switches N   opens the main window on the Directions page and makes N switches.
// Returns the exit status, 2 with a usage line for anything else.
int runOnce(int argc, char** argv, const OpenWindow& open);

// Ends the process at once: what it measured is printed, and the teardown is no part of it.
[[noreturn]] void endNow(int code);

} // namespace bench
