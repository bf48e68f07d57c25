// Runs the GoogleTest programs inside the framework runtime (which makes the Qt
// application) on the offscreen platform, each test within its time limits.
#include "test_limits.h"

#include "framework/runtime.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    fw::Runtime runtime(argc, argv);
    // The watchdog's thread runs in every program: a death test starts a fresh process.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ::testing::InitGoogleTest(&argc, argv);
    testsupport::TestLimits limits;
    ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
    listeners.Append(&limits);
    // A death test's child process gets no test events: its one test is timed whole.
    if (!GTEST_FLAG_GET(internal_run_death_test).empty())
        limits.arm(GTEST_FLAG_GET(filter));
    const int result = RUN_ALL_TESTS();
    listeners.Release(&limits);
    return result;
}
