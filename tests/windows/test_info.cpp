// The Info window: its controls, its fixed size, its place beside the main window and
// the Window menu's caption, which follows it however it closes.
#include "windows_fixture.h"

#include "app/shell/menu_bar1.h"
#include "main_window/oruvel.h"
#include "windows/info.h"

#include "framework/edit_field.h"
#include "framework/listbox.h"
#include "framework/menu_dispatch.h"
#include "framework/menus.h"
#include "framework/rectangle.h"
#include "framework/static_text.h"
#include "framework/system.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

class InfoTest : public windowtests::WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        showInfo()->setText(QStringLiteral("Show Info"));
    }
    static fw::MenuItem* showInfo() { return MenuBar1()->_Lookup(QStringLiteral("WindowShowInfo")); }
};

// The main window's left edge that puts the Info window's middle at the given x.
int mainLeftForMiddle(int middle)
{
    return middle - Oruvel()->Width() - 3 - 274 + 137;
}

TEST_F(InfoTest, BuildsItsSevenControlsFromTheRecords)
{
    class Info* info = Info();
    const char* const names[] = {"StaticText3", "Separator1", "Rectangle4", "Rectangle5",
                                 "Rectangle6",  "ListBox1",   "EditField1"};
    ASSERT_EQ(info->controls().size(), std::size(names));
    for (std::size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(info->controls()[i]->Name(), QString::fromLatin1(names[i]));
    EXPECT_EQ(info->Title(), "Info");
    EXPECT_EQ(info->StaticText3()->Text(), "Trigrams");
    EXPECT_EQ(info->MenuBar(), MenuBar1());

    fw::Listbox* list = info->ListBox1();
    EXPECT_EQ(list->Heading(0), "Yin");
    EXPECT_EQ(list->Heading(1), "Yang");
    ASSERT_EQ(list->ListCount(), 12);
    EXPECT_EQ(list->Cell(0, 0), "Female");
    EXPECT_EQ(list->Cell(0, 1), "Male");
    EXPECT_EQ(list->Cell(11, 0), "Winter");
    EXPECT_EQ(list->Cell(11, 1), "Summer");
}

// Yin: two bars with a gap between; yang: one bar as long as both with the gap.
TEST_F(InfoTest, TheYinLineIsBrokenAndTheYangLineSolid)
{
    class Info* info = Info();
    const QRect yinLeft = info->Rectangle5()->widget()->geometry();
    const QRect yinRight = info->Rectangle6()->widget()->geometry();
    const QRect yang = info->Rectangle4()->widget()->geometry();
    EXPECT_EQ(yinRight.left() - yinLeft.right() - 1, 8);
    EXPECT_EQ(yang.width(), 48);
    EXPECT_EQ(yang.top(), yinLeft.top());
    for (fw::Rectangle* bar : {info->Rectangle4(), info->Rectangle5(), info->Rectangle6()})
        EXPECT_EQ(bar->FillColor(), QColor(Qt::black));
}

TEST_F(InfoTest, TheExplanationIs319BytesAndEditsAreLostOnReopening)
{
    class Info* info = Info();
    const QString original = info->EditField1()->Text();
    EXPECT_EQ(original.toUtf8().size(), 319);
    EXPECT_TRUE(original.endsWith("\r\rYin and yang are all about balance!"));
    EXPECT_FALSE(info->EditField1()->ReadOnly());

    info->EditField1()->setText(QStringLiteral("my own notes"));
    info->Close();
    windowtests::destroyClosedWindows();
    EXPECT_EQ(Info()->EditField1()->Text(), original);
}

// The record's MaxWidth 250 and MaxHeight 0 give way to the fixed size.
TEST_F(InfoTest, StaysAt274By480)
{
    class Info* info = Info();
    EXPECT_EQ(info->Width(), 274);
    EXPECT_EQ(info->Height(), 480);
    EXPECT_EQ(info->content()->size(), QSize(274, 480));
    EXPECT_EQ(info->widget()->minimumSize(), info->widget()->maximumSize());
}

TEST_F(InfoTest, OpensBesideTheMainWindowWhenItsMiddleIsLeftOfTheFirstScreensEdge)
{
    const int screenWidth = fw::Screen(0).Width();
    class Oruvel* main = Oruvel();
    main->setLeft(mainLeftForMiddle(screenWidth - 1));
    main->setTop(37);
    class Info* info = Info();
    EXPECT_EQ(info->Left(), main->Left() + main->Width() + 3);
    EXPECT_EQ(info->Top(), 37);
}

TEST_F(InfoTest, StaysCentredOnTheFirstScreenWhenItsMiddleWouldReachTheEdge)
{
    const int screenWidth = fw::Screen(0).Width();
    class Oruvel* main = Oruvel();
    main->setLeft(mainLeftForMiddle(screenWidth));
    main->setTop(37);
    class Info* info = Info();
    EXPECT_NE(info->Left(), main->Left() + main->Width() + 3);
    const QPoint screenCentre = QGuiApplication::screens().first()->availableGeometry().center();
    EXPECT_LE(std::abs(info->widget()->geometry().center().x() - screenCentre.x()), 1);
}

TEST_F(InfoTest, OpeningSetsTheCaptionToHideInfo)
{
    Info();
    EXPECT_EQ(showInfo()->Text(), "Hide Info");
    EXPECT_EQ(Info()->WindowShowInfo(), showInfo());
}

TEST_F(InfoTest, TheCloseBoxSetsTheCaptionToShowInfo)
{
    class Info* info = Info();
    windowtests::clickCloseBox(info);
    EXPECT_TRUE(info->isClosed());
    EXPECT_EQ(showInfo()->Text(), "Show Info");
}

TEST_F(InfoTest, FileCloseClosesOnlyTheInfoWindowAndSetsTheCaption)
{
    class Oruvel* main = Oruvel();
    class Info* info = Info();
    ASSERT_TRUE(windowtests::bringToFront(info));
    fw::MenuItem* fileClose = MenuBar1()->_Lookup(QStringLiteral("FileClose"));
    EXPECT_TRUE(fileClose->Enabled());
    fw::runMenuCommand(fileClose, info); // a question would block here
    EXPECT_TRUE(info->isClosed());
    EXPECT_FALSE(main->isClosed());
    EXPECT_EQ(showInfo()->Text(), "Show Info");
}

TEST_F(InfoTest, MinimisingLeavesTheCaptionAlone)
{
    class Info* info = Info();
    info->widget()->showMinimized();
    EXPECT_EQ(showInfo()->Text(), "Hide Info");
}

TEST_F(InfoTest, TheMenuItemAccessorsFindTheSharedBarsItems)
{
    class Info* info = Info();
    EXPECT_EQ(info->FileClose(), MenuBar1()->_Lookup(QStringLiteral("FileClose")));
    EXPECT_NE(info->FileQuit(), nullptr);
    EXPECT_NE(info->AppleAboutOruvel(), nullptr);
    EXPECT_EQ(info->HelpHelp()->Text(), "Help");
    EXPECT_EQ(info->HelpMenu()->Text(), "Help");
    EXPECT_NE(info->HelpHelp(), info->HelpMenu());
    EXPECT_EQ(info->UntitledMenu1(), nullptr);
}

TEST_F(InfoTest, ItIsOneWindowUntilClosed)
{
    QPointer<class Info> first = Info();
    EXPECT_EQ(Info(), first.data());
    EXPECT_EQ(windowtests::openWindowsOf<class Info>(), 1);
    EXPECT_FALSE(first->_FileClose_Action());
    EXPECT_TRUE(first->isClosed());
}

} // namespace
