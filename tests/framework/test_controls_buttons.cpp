// PushButton and its window keys, LittleArrows, StaticText, Separator and Rectangle.

#include "test_controls_support.h"

#include "framework/edit_field.h"
#include "framework/little_arrows.h"
#include "framework/push_button.h"
#include "framework/rectangle.h"
#include "framework/separator.h"
#include "framework/static_text.h"
#include "framework/tab_panel.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

using namespace testcontrols;

namespace {

class ButtonsTest : public ControlsTest {
protected:
    fw::EditField* year = nullptr;
    fw::EditField* notes = nullptr;
    fw::PushButton* calculate = nullptr;
    fw::PushButton* cancel = nullptr;
    int calculated = 0;
    int cancelled = 0;

    void SetUp() override
    {
        build([this](fw::Window* w) {
            year = place<fw::EditField>(w, "Year", QRect(10, 10, 60, 22));
            notes = place<fw::EditField>(w, "Notes", QRect(10, 40, 200, 80));
            notes->setMultiline(true);
            calculate = place<fw::PushButton>(w, "Calculate", QRect(237, 162, 75, 20));
            calculate->setCaption("Calculate");
            calculate->setDefault(true);
            cancel = place<fw::PushButton>(w, "Cancel", QRect(150, 162, 75, 20));
            cancel->setCancel(true);
        });
        calculate->Action.install([this] { ++calculated; });
        cancel->Action.install([this] { ++cancelled; });
    }
};

} // namespace

TEST_F(ButtonsTest, AClickAndPushRaiseAction)
{
    EXPECT_EQ(calculate->button()->text(), "Calculate");
    QTest::mouseClick(calculate->button(), Qt::LeftButton);
    EXPECT_EQ(calculated, 1);
    calculate->Push();
    EXPECT_EQ(calculated, 2);
}

TEST_F(ButtonsTest, ReturnAndEnterPushTheDefaultButtonAndEscapeTheCancelButton)
{
    year->widget()->setFocus();
    QTest::keyClick(year->editor(), Qt::Key_Return);
    EXPECT_EQ(calculated, 1);
    QTest::keyClick(year->editor(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(calculated, 2);
    QTest::keyClick(year->editor(), Qt::Key_Escape);
    EXPECT_EQ(cancelled, 1);
    EXPECT_EQ(calculated, 2);

    // No longer the default button: Return pushes nothing.
    calculate->setDefault(false);
    QTest::keyClick(year->editor(), Qt::Key_Return);
    EXPECT_EQ(calculated, 2);
}

TEST_F(ButtonsTest, AMultiLineFieldKeepsReturnEvenWhenReadOnly)
{
    notes->widget()->setFocus();
    QTest::keyClick(notes->editor(), Qt::Key_Return);
    EXPECT_EQ(calculated, 0);
    EXPECT_EQ(notes->Text(), "\r");
    notes->setReadOnly(true);
    QTest::keyClick(notes->editor(), Qt::Key_Return);
    EXPECT_EQ(calculated, 0);
}

TEST_F(ButtonsTest, AHiddenOrDisabledDefaultButtonTakesNoKey)
{
    year->widget()->setFocus();
    calculate->setVisible(false);
    QTest::keyClick(year->editor(), Qt::Key_Return);
    calculate->setVisible(true);
    calculate->setEnabled(false);
    QTest::keyClick(year->editor(), Qt::Key_Return);
    EXPECT_EQ(calculated, 0);
    calculate->setEnabled(true);
    QTest::keyClick(year->editor(), Qt::Key_Return);
    EXPECT_EQ(calculated, 1);
}

TEST_F(ControlsTest, LittleArrowsStackUpAboveDownAndRaiseTheirEvents)
{
    fw::LittleArrows* arrows = nullptr;
    build([&](fw::Window* w) { arrows = place<fw::LittleArrows>(w, "Arrows", QRect(527, 52, 13, 26)); });
    QStringList log;
    arrows->Up.install([&] { log << "up"; });
    arrows->Down.install([&] { log << "down"; });

    EXPECT_EQ(arrows->upButton()->geometry(), QRect(0, 0, 13, 13));
    EXPECT_EQ(arrows->downButton()->geometry(), QRect(0, 13, 13, 13));
    QTest::mouseClick(arrows->upButton(), Qt::LeftButton);
    QTest::mouseClick(arrows->downButton(), Qt::LeftButton);
    QTest::mouseClick(arrows->downButton(), Qt::LeftButton);
    EXPECT_EQ(joined(log), "up | down | down");
}

TEST(StaticText, TextIsPlainWithCrAsLineBreaks)
{
    fw::StaticText label;
    label.setText("Gua / Trigram\r(Later heaven ba gua)");
    EXPECT_EQ(label.label()->text(), "Gua / Trigram\n(Later heaven ba gua)");
    EXPECT_EQ(label.Text(), "Gua / Trigram\r(Later heaven ba gua)");
    label.setText("<b>Kan</b> & more");
    EXPECT_EQ(label.label()->textFormat(), Qt::PlainText);
    EXPECT_EQ(label.label()->text(), "<b>Kan</b> & more");
}

TEST(StaticText, AlignmentColourAndWrapping)
{
    fw::StaticText label;
    EXPECT_EQ(label.label()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    label.setTextAlign(1);
    EXPECT_EQ(label.label()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    label.setTextAlign(2);
    EXPECT_EQ(label.label()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_THROW(label.setTextAlign(3), fw::OutOfBoundsException);
    EXPECT_EQ(label.TextAlign(), 2);

    label.setTextColor(QColor(0xD6, 0x84, 0x13));
    EXPECT_EQ(label.label()->palette().color(QPalette::Active, QPalette::WindowText), QColor(0xD6, 0x84, 0x13));
    EXPECT_FALSE(label.label()->wordWrap());
    label.setMultiline(true);
    EXPECT_TRUE(label.label()->wordWrap());
}

// The text colour holds through repeats and changes, on a parent whose own text colour
// differs; the disabled colour stays the parent's.
TEST(StaticText, TheTextColourHoldsWhateverWasSetBefore)
{
    QWidget parent;
    QPalette parentPalette = parent.palette();
    parentPalette.setColor(QPalette::WindowText, Qt::blue);
    parent.setPalette(parentPalette);
    fw::StaticText label;
    label.label()->setParent(&parent);
    const QColor orange(0xD6, 0x84, 0x13);
    for (const QColor& color : {QColor(Qt::black), QColor(Qt::black), orange, orange, QColor(Qt::black)}) {
        SCOPED_TRACE(color.name().toStdString());
        label.setTextColor(color);
        const QPalette shown = label.label()->palette();
        EXPECT_EQ(shown.color(QPalette::Active, QPalette::WindowText), color);
        EXPECT_EQ(shown.color(QPalette::Inactive, QPalette::WindowText), color);
        EXPECT_EQ(shown.color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::blue));
        EXPECT_EQ(label.TextColor(), color);
    }
}

TEST(Separator, IsAHorizontalLine)
{
    fw::Separator separator;
    auto* frame = qobject_cast<QFrame*>(separator.widget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->frameShape(), QFrame::HLine);
}

TEST(Rectangle, PaintsItsFillAndABevelledBorder)
{
    fw::Rectangle rectangle;
    rectangle.setWidth(61);
    rectangle.setHeight(61);
    rectangle.setFillColor(QColor(Qt::white));
    rectangle.setBorderWidth(2);
    rectangle.setTopLeftColor(QColor(0x7E, 0x7E, 0x7E));
    rectangle.setBottomRightColor(QColor(0x79, 0x79, 0x79));
    QImage image = rectangle.widget()->grab().toImage();
    ASSERT_EQ(image.size(), QSize(61, 61));
    EXPECT_EQ(image.pixelColor(30, 30), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(0, 30), QColor(0x7E, 0x7E, 0x7E));
    EXPECT_EQ(image.pixelColor(30, 1), QColor(0x7E, 0x7E, 0x7E));
    EXPECT_EQ(image.pixelColor(60, 30), QColor(0x79, 0x79, 0x79));
    EXPECT_EQ(image.pixelColor(30, 59), QColor(0x79, 0x79, 0x79));
    EXPECT_EQ(image.pixelColor(2, 30), QColor(Qt::white));

    rectangle.setBorderWidth(0);
    image = rectangle.widget()->grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(60, 60), QColor(Qt::white));
}
