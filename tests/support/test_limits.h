#pragma once

#include "window_text.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

namespace testsupport {

// Time limits for every test, so that a test that waits for something that never comes
// fails within seconds and says what it waited on, long before ctest's own limit:
// - a modal window that stays open unanswered for kModalGraceMs fails the test with its
//   texts and is closed, and the test goes on;
// - a test (or the global set-up or tear-down) still running after the limit ends the
//   program with a failure: its name and the modal windows still open are written to
//   stderr. The limit is ORUVEL_TEST_LIMIT seconds (kDefaultLimitSeconds unless set; 0
//   turns it off, for a debugger).
class TestLimits : public ::testing::EmptyTestEventListener {
public:
    static constexpr int kModalGraceMs = 1500;
    static constexpr int kDefaultLimitSeconds = 10;

    TestLimits();
    ~TestLimits() override;

    void OnEnvironmentsSetUpStart(const ::testing::UnitTest&) override { arm("the global set-up"); }
    void OnEnvironmentsSetUpEnd(const ::testing::UnitTest&) override { disarm(); }
    void OnTestStart(const ::testing::TestInfo& test) override;
    void OnTestEnd(const ::testing::TestInfo&) override { disarm(); }
    void OnEnvironmentsTearDownStart(const ::testing::UnitTest&) override { arm("the global tear-down"); }
    void OnEnvironmentsTearDownEnd(const ::testing::UnitTest&) override { disarm(); }

    // Times what runs from now on under that name, until disarmed.
    void arm(const std::string& what);
    void disarm();

private:
    void checkModal();
    void watch();
    [[noreturn]] void overrun(const std::string& what);

    QTimer modalCheck_;
    QPointer<QWidget> modal_;
    QElapsedTimer modalShown_;

    std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::string running_; // empty while nothing is timed
    std::chrono::steady_clock::time_point deadline_;
    bool stopping_ = false;
    std::thread watchdog_;
    // The program's stderr as it was at the start: a death test redirects the
    // descriptor while its child runs.
    std::FILE* report_ = stderr;
};

} // namespace testsupport
