// The Help window: its text, its field that follows the window's size, one window
// however often it is asked for, and File > Close.
#include "windows_fixture.h"

#include "app/shell/menu_items.h"
#include "main_window/oruvel.h"
#include "windows/help.h"

#include "framework/edit_field.h"
#include "framework/menu_dispatch.h"
#include "framework/menus.h"

#include <QMainWindow>
#include <QApplication>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QPointer>
#include <QResizeEvent>
#include <QTest>
#include <QTextEdit>

namespace {

class HelpTest : public windowtests::WindowsTest {};

// Resizes the window's content area as a user's drag of its edge does; the menu bar
// above the content keeps its height.
void resizeContent(class Help* help, QSize size)
{
    help->widget()->resize(size + (help->widget()->size() - help->content()->size()));
}

// The field's distances to the content's left, top, right and bottom edges.
QMargins fieldMargins(class Help* help)
{
    const QRect field = help->EditField1()->widget()->geometry();
    const QSize area = help->content()->size();
    return {field.left(), field.top(), area.width() - field.right() - 1, area.height() - field.bottom() - 1};
}

TEST_F(HelpTest, HoldsTheSeventeenLinesOfHelpExactly)
{
    const QStringList lines = Help()->EditField1()->Text().split('\r');
    ASSERT_EQ(lines.size(), 17);
    const QStringList fixed{"Oruvel", "", "How to use", "", "Gua Tab", ""};
    EXPECT_EQ(lines.mid(0, 6), fixed);
    EXPECT_EQ(lines[6], "The program will calculates a person's gua number based on the sex and birthdate displayed. "
                        "The gua is always calculated based on the Chinese solar calendar, not the lunar calendar "
                        "used to celebrate Chinese New Year.");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "Trigram List");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], "Click the trigram to display or choose the number from the popup or use the up and down "
                         "arrows to change the number. The numbers for the gua are taken from the later heaven ba gua.");
    EXPECT_EQ(lines[11], " "); // one space, not an empty line
    EXPECT_TRUE(lines[12].startsWith("Send comments and suggestions to ")) << lines[12].toStdString();
    EXPECT_TRUE(lines[12].contains('@'));
    EXPECT_TRUE(lines[12].endsWith('.'));
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[15], "");
    EXPECT_FALSE(lines[16].isEmpty());
}

TEST_F(HelpTest, TheFieldIsReadOnlyWithOnlyAVerticalScrollBar)
{
    fw::EditField* field = Help()->EditField1();
    EXPECT_TRUE(field->ReadOnly());
    QTextEdit* editor = field->textEdit();
    ASSERT_NE(editor, nullptr);
    const QString before = field->Text();
    editor->setFocus();
    QTest::keyClicks(editor, "typed");
    EXPECT_EQ(field->Text(), before);
    EXPECT_EQ(editor->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_NE(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_NE(editor->lineWrapMode(), QTextEdit::NoWrap); // the long paragraphs wrap
}

TEST_F(HelpTest, TheFieldKeepsItsMarginsAtEverySize)
{
    class Help* help = Help();
    EXPECT_EQ(help->content()->size(), QSize(300, 300));
    EXPECT_EQ(help->EditField1()->widget()->geometry(), QRect(1, 1, 298, 255));

    resizeContent(help, QSize(64, 64));
    EXPECT_EQ(help->content()->size(), QSize(64, 64));
    EXPECT_EQ(help->EditField1()->widget()->size(), QSize(62, 19));
    EXPECT_EQ(fieldMargins(help), QMargins(1, 1, 1, 44));

    // A window manager may make it smaller than its minimum; the margins come back.
    QResizeEvent belowMinimum(QSize(20, 10), help->content()->size());
    QCoreApplication::sendEvent(help->content(), &belowMinimum);
    EXPECT_EQ(help->EditField1()->widget()->size(), QSize(18, 0));
    resizeContent(help, QSize(520, 410));
    EXPECT_EQ(help->EditField1()->widget()->size(), QSize(518, 365));
    EXPECT_EQ(fieldMargins(help), QMargins(1, 1, 1, 44));
    EXPECT_EQ(help->EditField1()->Width(), 518);
    EXPECT_EQ(help->EditField1()->Height(), 365);
}

TEST_F(HelpTest, CannotBeMadeSmallerThan64By64)
{
    class Help* help = Help();
    resizeContent(help, QSize(10, 10));
    EXPECT_EQ(help->content()->size(), QSize(64, 64));
    EXPECT_EQ(help->EditField1()->widget()->size(), QSize(62, 19));
}

TEST_F(HelpTest, ItIsOneWindowUntilClosed)
{
    QPointer<class Help> first = Help();
    EXPECT_EQ(Help(), first.data());
    EXPECT_EQ(windowtests::openWindowsOf<class Help>(), 1);
    first->Close();
    windowtests::destroyClosedWindows();
    EXPECT_TRUE(first.isNull());
    EXPECT_NE(Help(), nullptr);
    EXPECT_EQ(windowtests::openWindowsOf<class Help>(), 1);
}

TEST_F(HelpTest, FileCloseClosesOnlyTheHelpWindowWithoutAQuestion)
{
    class Oruvel* main = Oruvel();
    class Help* help = Help();
    ASSERT_TRUE(windowtests::bringToFront(help));
    EXPECT_TRUE(FileClose()->Enabled());
    fw::runMenuCommand(FileClose(), help); // a question would block here
    EXPECT_TRUE(help->isClosed());
    EXPECT_FALSE(main->isClosed());
    EXPECT_EQ(windowtests::openWindowsOf<class Help>(), 0);

    EXPECT_FALSE(Help()->_FileClose_Action());
    EXPECT_EQ(windowtests::openWindowsOf<class Help>(), 0);
    EXPECT_FALSE(main->isClosed());
}

// Notes the identity of the palette that a scroll bar is drawn with.
class ScrollBarPaletteSpy : public QProxyStyle {
public:
    ScrollBarPaletteSpy() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        if (control == CC_ScrollBar)
            drawnWith = option->palette.cacheKey();
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
    mutable qint64 drawnWith = 0;
};

// Qt's styles cache what they draw under a palette's identity, and each new field has a
// palette of its own: the field's scroll bar draws with one palette for its colours, so
// that Help opened again finds what was drawn for it before instead of adding more.
TEST_F(HelpTest, OpenedAgainItsScrollBarDrawsUnderTheSamePalette)
{
    ScrollBarPaletteSpy spies[2];
    for (ScrollBarPaletteSpy& spy : spies) {
        class Help* help = Help();
        QScrollBar* bar = help->EditField1()->textEdit()->verticalScrollBar();
        bar->setStyle(&spy);
        bar->grab();
        help->Close();
        windowtests::destroyClosedWindows();
    }
    EXPECT_NE(spies[0].drawnWith, 0);
    EXPECT_EQ(spies[0].drawnWith, spies[1].drawnWith);
}

// The window sets no bar of its own, yet the shortcut reaches it.
TEST_F(HelpTest, CtrlWClosesIt)
{
    class Help* help = Help();
    ASSERT_TRUE(windowtests::bringToFront(help));
    QTest::keyClick(help->widget(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(help->isClosed());
}

} // namespace
