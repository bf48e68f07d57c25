// The limits that every test program sets its tests: a modal window that the test does
// not answer fails it with the window's texts and is closed; a test that does not end
// is ended, named, within seconds.
#include "support/test_limits.h"

#include "framework/application.h"
#include "framework/dialogs.h"
#include "framework/exceptions.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>

#include <cstdlib>
#include <functional>

TEST(TestLimits, AnUnansweredModalBoxFailsTheTestWithItsTextsAndIsClosed)
{
    const struct {
        std::function<void()> open;
        const char* named;
    } boxes[] = {
        {[] { fw::MsgBox("Month selected cannot have 31 days. Day reset to 30th"); },
         "\"Month selected cannot have 31 days. Day reset to 30th\""},
        {[] {
             fw::Application application;
             application._UnhandledException(std::make_exception_ptr(fw::NilObjectException("no control birthYer")));
         },
         "no control birthYer"},
    };
    for (const auto& box : boxes) {
        EXPECT_NONFATAL_FAILURE(box.open(), box.named);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << box.named;
    }
}

TEST(TestLimitsDeathTest, ATestThatDoesNotEndIsEndedWithItsNameAndTheModalWindowsOpen)
{
    // Shorter than the modal box's grace, so that the box is still open at the end.
    qputenv("ORUVEL_TEST_LIMIT", "1");
    EXPECT_EXIT(
        {
            QMessageBox box(QMessageBox::Information, "Oruvel", "Nobody answers this.");
            box.exec();
        },
        ::testing::ExitedWithCode(EXIT_FAILURE),
        "ATestThatDoesNotEndIsEndedWithItsNameAndTheModalWindowsOpen is still running after its limit of 1 s"
        ".*QMessageBox title \"Oruvel\", \"Nobody answers this.\"");
    qunsetenv("ORUVEL_TEST_LIMIT");
}
