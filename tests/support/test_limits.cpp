#include "test_limits.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <future>
#include <memory>

#include <unistd.h>

namespace testsupport {

namespace {

// Every modal window on screen, described, or a line that says there is none.
QString openModalWindows()
{
    QStringList open;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isModal())
            open << describeWindow(window);
    }
    return open.isEmpty() ? QStringLiteral("No modal window is open.")
                          : QStringLiteral("Open modal windows: ") + open.join(QStringLiteral("; "));
}

std::chrono::seconds limitFromEnvironment()
{
    bool given = false;
    const int seconds = qEnvironmentVariableIntValue("ORUVEL_TEST_LIMIT", &given);
    return std::chrono::seconds(given && seconds >= 0 ? seconds : TestLimits::kDefaultLimitSeconds);
}

} // namespace

TestLimits::TestLimits() : limit_(limitFromEnvironment())
{
    if (const int copy = dup(fileno(stderr)); copy >= 0)
        report_ = fdopen(copy, "w");
    if (!report_)
        report_ = stderr;
    modalCheck_.setInterval(100);
    QObject::connect(&modalCheck_, &QTimer::timeout, [this] { checkModal(); });
    if (limit_.count() > 0)
        watchdog_ = std::thread([this] { watch(); });
}

TestLimits::~TestLimits()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (watchdog_.joinable())
        watchdog_.join();
    if (report_ != stderr)
        std::fclose(report_);
}

void TestLimits::OnTestStart(const ::testing::TestInfo& test)
{
    arm(std::string(test.test_suite_name()) + "." + test.name());
}

void TestLimits::arm(const std::string& what)
{
    {
        const std::lock_guard lock(mutex_);
        running_ = what;
        deadline_ = std::chrono::steady_clock::now() + limit_;
    }
    changed_.notify_all();
    modal_ = nullptr;
    modalCheck_.start();
}

void TestLimits::disarm()
{
    modalCheck_.stop();
    {
        const std::lock_guard lock(mutex_);
        running_.clear();
    }
    changed_.notify_all();
}

// Runs on the event thread, in whatever loop is running: a modal box's own loop too.
void TestLimits::checkModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        modal_ = nullptr;
        return;
    }
    if (modal != modal_) {
        modal_ = modal;
        modalShown_.start();
        return;
    }
    if (modalShown_.elapsed() < kModalGraceMs)
        return;
    modal_ = nullptr;
    ADD_FAILURE() << "A modal window waited " << kModalGraceMs << " ms for an answer that the test does not give: "
                  << qPrintable(describeWindow(modal));
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

void TestLimits::watch()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !running_.empty(); });
        if (stopping_)
            return;
        const std::string timed = running_;
        const auto deadline = deadline_;
        const bool changedInTime = changed_.wait_until(
            lock, deadline, [&] { return stopping_ || running_ != timed || deadline_ != deadline; });
        if (!changedInTime) {
            lock.unlock();
            overrun(timed);
        }
    }
}

// On the watchdog's thread. The event thread is asked for its modal windows; when it
// does not answer it is busy, not waiting in a loop.
void TestLimits::overrun(const std::string& what)
{
    std::fprintf(report_,
                 "\n%s is still running after its limit of %lld s: it waits in an event loop that does not end, "
                 "or loops without end.\n",
                 what.c_str(), static_cast<long long>(limit_.count()));
    auto answer = std::make_shared<std::promise<QString>>();
    std::future<QString> modal = answer->get_future();
    QMetaObject::invokeMethod(qApp, [answer] { answer->set_value(openModalWindows()); }, Qt::QueuedConnection);
    if (modal.wait_for(std::chrono::seconds(2)) == std::future_status::ready)
        std::fprintf(report_, "%s\n", qPrintable(modal.get()));
    else
        std::fprintf(report_, "The event thread does not answer: it is busy.\n");
    std::fflush(report_);
    std::fflush(stdout);
    std::_Exit(EXIT_FAILURE);
}

} // namespace testsupport
