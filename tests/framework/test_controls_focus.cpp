// GotFocus and LostFocus by mouse, keyboard and code: a click raises GotFocus only
// once the press has placed the cursor, so what the handler selects stays selected.

#include "test_controls_support.h"

#include "framework/edit_field.h"

#include <QLineEdit>
#include <QStringList>

using namespace testcontrols;

namespace {

// A name field and a year field whose GotFocus selects the last two digits.
class FocusTest : public ControlsTest {
protected:
    void SetUp() override
    {
        build([this](fw::Window* w) {
            name = place<fw::EditField>(w, "Name", QRect(10, 10, 150, 22));
            year = place<fw::EditField>(w, "Year", QRect(10, 40, 150, 22));
        });
        year->setText("1968");
        year->GotFocus.install([this] {
            log << "year got";
            year->setSelStart(2);
            year->setSelLength(2);
        });
        year->LostFocus.install([this] { log << "year lost"; });
        name->GotFocus.install([this] { log << "name got"; });
        name->LostFocus.install([this] { log << "name lost"; });
        name->widget()->setFocus(Qt::OtherFocusReason);
        log.clear();
    }

    QLineEdit* yearLine() const { return year->lineEdit(); }
    // Left of the first digit: the click alone would put the cursor at 0.
    static QPoint atStart() { return QPoint(3, 11); }

    fw::EditField* name = nullptr;
    fw::EditField* year = nullptr;
    QStringList log;
};

} // namespace

TEST_F(FocusTest, AClickKeepsWhatGotFocusSelectsAndRaisesItOnce)
{
    QTest::mouseClick(yearLine(), Qt::LeftButton, {}, atStart());
    ASSERT_TRUE(yearLine()->hasFocus());
    EXPECT_EQ(yearLine()->selectedText(), "68");
    EXPECT_EQ(joined(log), "name lost | year got");

    // Nothing more comes once the event loop turns.
    QCoreApplication::processEvents();
    EXPECT_EQ(yearLine()->selectedText(), "68");
    EXPECT_EQ(joined(log), "name lost | year got");

    // A click into the field that has the focus already raises nothing and places the cursor.
    QTest::mouseClick(yearLine(), Qt::LeftButton, {}, atStart());
    QCoreApplication::processEvents();
    EXPECT_FALSE(yearLine()->hasSelectedText());
    EXPECT_EQ(joined(log), "name lost | year got");
}

TEST_F(FocusTest, TabAndFocusByCodeRaiseGotFocusAtOnce)
{
    QTest::keyClick(name->lineEdit(), Qt::Key_Tab);
    ASSERT_TRUE(yearLine()->hasFocus());
    EXPECT_EQ(yearLine()->selectedText(), "68");
    EXPECT_EQ(joined(log), "name lost | year got");

    QTest::keyClick(yearLine(), Qt::Key_Backtab);
    year->widget()->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(yearLine()->selectedText(), "68");
    EXPECT_EQ(joined(log), "name lost | year got | year lost | name got | name lost | year got");
}

TEST_F(FocusTest, BothWaysInTurnKeepTheSelectionAndPairTheEvents)
{
    QTest::mouseClick(yearLine(), Qt::LeftButton, {}, atStart());
    EXPECT_EQ(yearLine()->selectedText(), "68");
    QTest::mouseClick(name->lineEdit(), Qt::LeftButton);
    QTest::keyClick(name->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(yearLine()->selectedText(), "68");
    QTest::mouseClick(name->lineEdit(), Qt::LeftButton);
    QTest::mouseClick(yearLine(), Qt::LeftButton, {}, atStart());
    EXPECT_EQ(yearLine()->selectedText(), "68");
    QCoreApplication::processEvents();
    EXPECT_EQ(joined(log), "name lost | year got | year lost | name got | name lost | year got | "
                           "year lost | name got | name lost | year got");
}

TEST_F(FocusTest, APressHeldDownRaisesGotFocusWhenTheEventLoopTurnsAndADragThenSelects)
{
    const QPoint atEnd(yearLine()->width() - 3, 11);
    QTest::mousePress(yearLine(), Qt::LeftButton, {}, atEnd);
    EXPECT_EQ(joined(log), "name lost");
    QCoreApplication::processEvents();
    EXPECT_EQ(joined(log), "name lost | year got");
    EXPECT_EQ(yearLine()->selectedText(), "68");

    // The user's drag after that is the field's as usual.
    QTest::mouseMove(yearLine(), atStart());
    QTest::mouseRelease(yearLine(), Qt::LeftButton, {}, atStart());
    EXPECT_TRUE(yearLine()->hasSelectedText());
    EXPECT_NE(yearLine()->selectedText(), "68");
    EXPECT_EQ(joined(log), "name lost | year got");
}

TEST_F(FocusTest, FocusThatLeavesBeforeTheDeferredGotFocusStillPairsInOrder)
{
    QTest::mousePress(yearLine(), Qt::LeftButton, {}, atStart());
    name->widget()->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    QTest::mouseRelease(yearLine(), Qt::LeftButton, {}, atStart());
    EXPECT_EQ(joined(log), "name lost | year got | year lost | name got");
}
