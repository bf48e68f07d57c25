#include "launch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QString>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace bench {

namespace {

// Notes the first paint of a main window anywhere in the application.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher() { QCoreApplication::instance()->installEventFilter(this); }
    ~FirstPaintWatcher() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool painted() const { return painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<QMainWindow*>(watched))
            painted_ = true;
        return false;
    }

private:
    bool painted_ = false;
};

long long wallClockNs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

int usage()
{
    std::fputs("usage: --first-frame | --switches N\n", stderr);
    return 2;
}

} // namespace

std::unique_ptr<BenchWindow> untilFirstFrame(const OpenWindow& open)
{
    FirstPaintWatcher watcher;
    auto window = open();
    QElapsedTimer waited;
    waited.start();
    while (!watcher.painted()) {
        if (waited.elapsed() > 10000) {
            std::fputs("no frame was painted within 10 s\n", stderr);
            std::exit(2);
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    }
    return window;
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void makeSwitches(BenchWindow& window, int count)
{
    for (int i = 1; i <= count; ++i) {
        window.selectRow(i % kTrigramRows);
        settle();
    }
}

long peakKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long residentKib()
{
    long pages = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%*d %ld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    return pages * (sysconf(_SC_PAGESIZE) / 1024);
}

void quietRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("does not support raise()")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int runOnce(int argc, char** argv, const OpenWindow& open)
{
    if (argc == 2 && std::strcmp(argv[1], "--first-frame") == 0) {
        auto window = untilFirstFrame(open);
        const long long at = wallClockNs();
        std::printf("first_frame_ns %lld\npeak_kib %ld\n", at, peakKib());
        endNow(0);
    }
    if (argc == 3 && std::strcmp(argv[1], "--switches") == 0) {
        const int count = std::atoi(argv[2]);
        if (count <= 0)
            return usage();
        auto window = untilFirstFrame(open);
        window->showInfoPage(kDirections);
        settle();
        makeSwitches(*window, count);
        std::printf("switches %d\n", count);
        endNow(0);
    }
    return usage();
}

void endNow(int code)
{
    std::fflush(stdout);
    std::_Exit(code);
}

} // namespace bench
