// The control base: place, visibility through parents and tab pages, mouse and focus
// events, locks, fonts and focus order.

#include "test_controls_support.h"

#include "framework/edit_field.h"
#include "framework/popup_menu.h"
#include "framework/push_button.h"
#include "framework/rectangle.h"
#include "framework/static_text.h"
#include "framework/tab_panel.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <stdexcept>

using namespace testcontrols;

namespace {

class ControlBaseTest : public ControlsTest {};

// The names of the controls that the Tab key takes the focus through, from the first.
std::string tabOrder(fw::RectControl* first, std::initializer_list<fw::RectControl*> controls)
{
    first->widget()->setFocus();
    QStringList order;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        for (fw::RectControl* control : controls) {
            if (control->widget() == focus || control->widget()->isAncestorOf(focus))
                order << control->Name();
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return joined(order);
}

} // namespace

TEST_F(ControlBaseTest, AControlStandsAtItsWindowCoordinatesAndCarriesItsTipAndEnabledState)
{
    fw::StaticText* label = nullptr;
    auto* window = build([&](fw::Window* w) { label = place<fw::StaticText>(w, "Label", QRect(30, 40, 120, 18)); });

    EXPECT_EQ(label->widget()->parentWidget(), window->content());
    EXPECT_EQ(label->widget()->geometry(), QRect(30, 40, 120, 18));
    label->setLeft(35);
    EXPECT_THROW(label->setHeight(-5), fw::OutOfBoundsException);
    EXPECT_EQ(label->widget()->geometry(), QRect(35, 40, 120, 18));

    label->setHelpTag("Day the person was born");
    EXPECT_EQ(label->widget()->toolTip(), "Day the person was born");
    label->setEnabled(false);
    EXPECT_FALSE(label->widget()->isEnabled());
}

TEST_F(ControlBaseTest, ControlsOnATabPageShowOnlyWhileTheirPageIsInFront)
{
    fw::TabPanel* panel = nullptr;
    fw::StaticText* first = nullptr;
    fw::StaticText* second = nullptr;
    fw::Rectangle* frame = nullptr;
    fw::StaticText* inFrame = nullptr;
    auto* window = build([&](fw::Window* w) {
        panel = place<fw::TabPanel>(w, "Panel", QRect(20, 20, 600, 240));
        panel->setTabDefinition("Properties\rElements\rDirections");
        first = place<fw::StaticText>(w, "First", QRect(40, 60, 100, 18));
        first->setInitialParent("Panel");
        first->setTabPanelIndex(1);
        second = place<fw::StaticText>(w, "Second", QRect(40, 60, 100, 18));
        second->setInitialParent("Panel");
        second->setTabPanelIndex(2);
        frame = place<fw::Rectangle>(w, "Frame", QRect(200, 100, 61, 61));
        frame->setInitialParent("Panel");
        frame->setTabPanelIndex(3);
        inFrame = place<fw::StaticText>(w, "InFrame", QRect(205, 105, 50, 18));
        inFrame->setInitialParent("Frame");
        inFrame->setTabPanelIndex(3);
    });

    EXPECT_TRUE(first->widget()->isVisible());
    EXPECT_FALSE(second->widget()->isVisible());
    EXPECT_FALSE(frame->widget()->isVisible());
    EXPECT_FALSE(inFrame->widget()->isVisible());
    // They stand on the window, above the panel, not inside it.
    EXPECT_EQ(second->widget()->parentWidget(), window->content());

    panel->setValue(1);
    EXPECT_FALSE(first->widget()->isVisible());
    EXPECT_TRUE(second->widget()->isVisible());
    EXPECT_TRUE(second->isShown());

    panel->setValue(2);
    EXPECT_TRUE(frame->widget()->isVisible());
    EXPECT_TRUE(inFrame->widget()->isVisible());

    // The control inside the rectangle follows the rectangle, and both follow the panel.
    frame->setVisible(false);
    EXPECT_FALSE(inFrame->widget()->isVisible());
    EXPECT_TRUE(inFrame->Visible());
    frame->setVisible(true);
    EXPECT_TRUE(inFrame->widget()->isVisible());
    panel->setVisible(false);
    EXPECT_FALSE(frame->widget()->isVisible());
    EXPECT_FALSE(inFrame->widget()->isVisible());
    panel->setVisible(true);
    EXPECT_TRUE(inFrame->widget()->isVisible());

    // A control hidden by its own key stays hidden whatever page shows.
    second->setVisible(false);
    panel->setValue(1);
    EXPECT_FALSE(second->widget()->isVisible());
}

// A parent may come after the controls inside it: added hidden, it hides them; a
// control added with nothing inside it changes only itself.
TEST_F(ControlBaseTest, AParentAddedAfterItsControlsShowsAndHidesThem)
{
    fw::StaticText* inner = nullptr;
    fw::StaticText* innermost = nullptr;
    fw::StaticText* beside = nullptr;
    fw::Rectangle* later = nullptr;
    build([&](fw::Window* w) {
        inner = place<fw::StaticText>(w, "Inner", QRect(0, 0, 10, 10));
        inner->setInitialParent("Later");
        innermost = place<fw::StaticText>(w, "Innermost", QRect(0, 20, 10, 10));
        innermost->setInitialParent("Inner");
        beside = place<fw::StaticText>(w, "Beside", QRect(0, 40, 10, 10));
        later = new fw::Rectangle;
        later->setVisible(false);
        w->_AddControl("Later", later);
    });
    EXPECT_FALSE(inner->widget()->isVisible());
    EXPECT_FALSE(innermost->widget()->isVisible());
    for (const bool visible : {true, false, true}) {
        SCOPED_TRACE(visible);
        later->setVisible(visible);
        EXPECT_EQ(inner->widget()->isVisible(), visible);
        EXPECT_EQ(innermost->widget()->isVisible(), visible);
        EXPECT_TRUE(beside->widget()->isVisible());
    }
    inner->setVisible(false);
    EXPECT_FALSE(innermost->widget()->isVisible());
    EXPECT_TRUE(later->widget()->isVisible());
}

TEST_F(ControlBaseTest, AParentThatNamesItselfOrACycleShowsNothingAndDoesNotHang)
{
    fw::StaticText* a = nullptr;
    fw::StaticText* b = nullptr;
    build([&](fw::Window* w) {
        a = place<fw::StaticText>(w, "A", QRect(0, 0, 10, 10));
        b = place<fw::StaticText>(w, "B", QRect(0, 20, 10, 10));
    });
    a->setInitialParent("A");
    EXPECT_TRUE(a->isShown()); // a control is not its own parent
    a->setInitialParent("B");
    b->setInitialParent("A");
    EXPECT_FALSE(a->isShown());
    EXPECT_FALSE(b->isShown());
    b->setInitialParent("");
    EXPECT_TRUE(a->isShown());
    a->setInitialParent("Nobody");
    EXPECT_TRUE(a->widget()->isVisible());
}

TEST_F(ControlBaseTest, MouseUpFollowsOnlyAMouseDownThatReturnedTrue)
{
    fw::EditField* field = nullptr;
    build([&](fw::Window* w) { field = place<fw::EditField>(w, "Field", QRect(10, 10, 200, 22)); });
    field->setText("1968");
    QStringList log;
    bool take = false;
    field->MouseDown.install([&](int x, int y) {
        log << QStringLiteral("down %1,%2").arg(x).arg(y);
        return take;
    });
    field->MouseUp.install([&](int x, int y) { log << QStringLiteral("up %1,%2").arg(x).arg(y); });
    QLineEdit* line = field->lineEdit();
    line->setCursorPosition(4);

    // Not taken: the field acts on the click (the cursor moves to the start) and no MouseUp.
    QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(2, 11));
    EXPECT_EQ(joined(log), "down 2,11");
    EXPECT_EQ(line->cursorPosition(), 0);

    // Taken: the click never reaches the field and MouseUp follows.
    line->setCursorPosition(4);
    take = true;
    log.clear();
    QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(3, 12));
    EXPECT_EQ(joined(log), "down 3,12 | up 3,12");
    EXPECT_EQ(line->cursorPosition(), 4);
}

TEST_F(ControlBaseTest, EnterLeaveAndFocusRaiseTheirEvents)
{
    fw::StaticText* label = nullptr;
    fw::EditField* first = nullptr;
    fw::EditField* second = nullptr;
    build([&](fw::Window* w) {
        label = place<fw::StaticText>(w, "Label", QRect(10, 10, 100, 18));
        first = place<fw::EditField>(w, "First", QRect(10, 40, 100, 22));
        second = place<fw::EditField>(w, "Second", QRect(10, 70, 100, 22));
    });
    QStringList log;
    label->MouseEnter.install([&] { log << "enter"; });
    label->MouseExit.install([&] { log << "exit"; });
    first->GotFocus.install([&] { log << "first got"; });
    first->LostFocus.install([&] { log << "first lost"; });
    second->GotFocus.install([&] { log << "second got"; });

    second->widget()->setFocus(Qt::OtherFocusReason);
    log.clear();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(label->widget(), &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label->widget(), &leave);
    first->widget()->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(second->lineEdit(), Qt::LeftButton);
    EXPECT_EQ(joined(log), "enter | exit | first got | first lost | second got");
}

TEST_F(ControlBaseTest, WhatAGotFocusHandlerSelectsStaysSelectedAfterTab)
{
    fw::EditField* before = nullptr;
    fw::EditField* year = nullptr;
    build([&](fw::Window* w) {
        before = place<fw::EditField>(w, "Before", QRect(10, 10, 100, 22));
        year = place<fw::EditField>(w, "Year", QRect(10, 40, 100, 22));
        year->setTabIndex(10);
    });
    year->setText("1968");
    year->GotFocus.install([&] {
        year->setSelStart(2);
        year->setSelLength(2);
    });
    before->widget()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(before->lineEdit(), Qt::Key_Tab);
    ASSERT_TRUE(year->lineEdit()->hasFocus());
    EXPECT_EQ(year->lineEdit()->selectedText(), "68");
}

TEST_F(ControlBaseTest, TheFocusMovesInTabIndexOrderWithCreationOrderForTies)
{
    fw::EditField* c = nullptr;
    fw::EditField* a = nullptr;
    fw::PopupMenu* b = nullptr;
    fw::EditField* d = nullptr;
    build([&](fw::Window* w) {
        c = place<fw::EditField>(w, "C", QRect(10, 10, 100, 22));
        a = place<fw::EditField>(w, "A", QRect(10, 40, 100, 22));
        b = place<fw::PopupMenu>(w, "B", QRect(10, 70, 100, 22));
        d = place<fw::EditField>(w, "D", QRect(10, 100, 100, 22));
        c->setTabIndex(15);
        a->setTabIndex(1);
        b->setTabIndex(15);
        d->setTabIndex(15);
        d->setMultiline(true); // a new inner editor takes its place in the order again
    });
    EXPECT_EQ(tabOrder(a, {a, b, c, d}), "A | C | B | D");
}

// The order set once when the window opens goes on holding for controls added and
// tab indexes changed afterwards.
TEST_F(ControlBaseTest, TheFocusOrderFollowsControlsAddedAndReorderedAfterOpening)
{
    fw::EditField* a = nullptr;
    fw::EditField* c = nullptr;
    auto* window = build([&](fw::Window* w) {
        c = place<fw::EditField>(w, "C", QRect(10, 10, 100, 22));
        c->setTabIndex(15);
        a = place<fw::EditField>(w, "A", QRect(10, 40, 100, 22));
        a->setTabIndex(1);
    });
    auto* b = place<fw::EditField>(window, "B", QRect(10, 70, 100, 22));
    b->setTabIndex(5);
    EXPECT_EQ(tabOrder(a, {a, b, c}), "A | B | C");
    c->setTabIndex(0);
    EXPECT_EQ(tabOrder(c, {a, b, c}), "C | A | B");
}

TEST_F(ControlBaseTest, LockedEdgesFollowTheWindowsSize)
{
    fw::StaticText* all = nullptr;
    fw::StaticText* rightBottom = nullptr;
    fw::StaticText* none = nullptr;
    build([&](fw::Window* w) {
        all = place<fw::StaticText>(w, "All", QRect(10, 10, 100, 50));
        rightBottom = place<fw::StaticText>(w, "RightBottom", QRect(200, 200, 40, 20));
        none = place<fw::StaticText>(w, "None", QRect(300, 300, 40, 20));
    });
    all->setLockLeft(true);
    all->setLockTop(true);
    all->setLockRight(true);
    all->setLockBottom(true);
    rightBottom->setLockRight(true);
    rightBottom->setLockBottom(true);
    for (fw::RectControl* control : std::initializer_list<fw::RectControl*>{all, rightBottom, none})
        control->followWindowResize(QSize(670, 460)); // 30 wider, 20 lower
    EXPECT_EQ(all->widget()->geometry(), QRect(10, 10, 130, 30));
    EXPECT_EQ(QRect(rightBottom->Left(), rightBottom->Top(), rightBottom->Width(), rightBottom->Height()),
              QRect(230, 180, 40, 20));
    EXPECT_EQ(none->widget()->geometry(), QRect(300, 300, 40, 20));
}

TEST_F(ControlBaseTest, FontKeysGivePixelSizesTheSystemFamilyAndStyles)
{
    fw::StaticText label;
    EXPECT_EQ(label.font().family(), QApplication::font().family());
    label.setTextSize(24);
    label.setBold(true);
    label.setItalic(true);
    label.setUnderline(true);
    const QFont font = label.widget()->font();
    EXPECT_EQ(font.pixelSize(), 24);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_EQ(QFontInfo(font).pixelSize(), 24);

    // A family the system lacks still gives a usable font.
    label.setTextFont("AppleMyungjo");
    EXPECT_EQ(label.font().families().value(0), "AppleMyungjo");
    EXPECT_FALSE(QFontInfo(label.widget()->font()).family().isEmpty());

    label.setTextSize(0);
    label.setTextFont("System");
    EXPECT_EQ(label.widget()->font().pointSizeF(), QApplication::font().pointSizeF());
}

// A missing face with substitutes registered is asked for by them directly; a face the
// platform has keeps its name, substitutes or not.
TEST_F(ControlBaseTest, AMissingFaceIsAskedForByItsRegisteredSubstitutes)
{
    const QString missing = QStringLiteral("Oruvel Test Missing Face");
    const QString installed = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitutions(missing, {QStringLiteral("DejaVu Serif"), QStringLiteral("Noto Serif CJK KR")});
    QFont::insertSubstitution(installed, QStringLiteral("DejaVu Serif"));
    struct Case {
        QString family;
        QStringList asked;
        QFont::StyleHint hint;
    };
    const Case cases[] = {
        {missing, {QStringLiteral("DejaVu Serif"), QStringLiteral("Noto Serif CJK KR")}, QFont::Serif},
        {installed, {installed}, QFont::AnyStyle},
        {QStringLiteral("Oruvel Test Face Without Substitutes"), {QStringLiteral("Oruvel Test Face Without Substitutes")},
         QFont::Serif},
    };
    for (const Case& each : cases) {
        fw::StaticText label;
        label.setTextFont(each.family);
        // Qt keeps substitutes in lower case; families match without regard to case.
        EXPECT_EQ(label.font().families().join(u',').toLower(), each.asked.join(u',').toLower())
            << each.family.toStdString();
        EXPECT_EQ(label.font().styleHint(), each.hint) << each.family.toStdString();
    }
    QFont::removeSubstitutions(missing);
    QFont::removeSubstitutions(installed);
}

TEST_F(ControlBaseTest, AnExceptionFromAHandlerOfAUsersActionGoesToTheUnhandledRoad)
{
    UnhandledCatcher catcher;
    fw::PushButton* button = nullptr;
    build([&](fw::Window* w) { button = place<fw::PushButton>(w, "Button", QRect(10, 10, 80, 22)); });
    button->Action.install([] { throw fw::OutOfBoundsException("row 12"); });
    button->MouseDown.install([](int, int) -> bool { throw std::runtime_error("in MouseDown"); });

    QTest::mouseClick(button->widget(), Qt::LeftButton);
    EXPECT_EQ(catcher.count, 2);
    EXPECT_EQ(catcher.last, "OutOfBoundsException: row 12");

    // By code, the exception reaches the caller.
    EXPECT_THROW(button->Push(), fw::OutOfBoundsException);
    EXPECT_EQ(catcher.count, 2);
}

TEST_F(ControlBaseTest, AControlOffAWindowStaysHiddenAndDeletesItsWidget)
{
    QPointer<QWidget> widget;
    {
        fw::StaticText label;
        widget = label.widget();
        label.setVisible(true);
        label.updateShown();
        EXPECT_FALSE(widget->isVisible());
    }
    EXPECT_TRUE(widget.isNull());
}
