// EditField: the typing limit, the selection, lines, the two editors and their keys.

#include "test_controls_support.h"

#include "framework/edit_field.h"
#include "framework/menu_dispatch.h"
#include "framework/menus.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QDropEvent>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>

using namespace testcontrols;

namespace {

class EditFieldTest : public ControlsTest {
protected:
    fw::EditField* field = nullptr;

    void SetUp() override
    {
        build([this](fw::Window* w) { field = place<fw::EditField>(w, "Field", QRect(10, 10, 200, 100)); });
    }

    void focusEnd()
    {
        field->widget()->setFocus(Qt::OtherFocusReason);
        field->setSelStart(int(field->Text().size()));
    }

    void paste(const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field->editor(), Qt::Key_V, Qt::ControlModifier);
    }
};

} // namespace

TEST_F(EditFieldTest, LimitTextRefusesTypingBeyondTheLimitAndCutsAPasteToFit)
{
    field->setLimitText(4);
    focusEnd();
    QTest::keyClicks(field->editor(), "19685");
    EXPECT_EQ(field->Text(), "1968");

    field->setText("19");
    focusEnd();
    paste("234567");
    EXPECT_EQ(field->Text(), "1923");

    // Typing in the middle of a full field changes nothing.
    field->setSelStart(1);
    QTest::keyClicks(field->editor(), "x");
    EXPECT_EQ(field->Text(), "1923");
    // Replacing a selection within the limit works.
    field->setSelStart(2);
    field->setSelLength(2);
    QTest::keyClicks(field->editor(), "ab");
    EXPECT_EQ(field->Text(), "19ab");
}

TEST_F(EditFieldTest, TextSetByCodeIsKeptWholeAndTheUserCannotGrowIt)
{
    field->setLimitText(4);
    field->setText("123456");
    EXPECT_EQ(field->Text(), "123456");
    focusEnd();
    QTest::keyClicks(field->editor(), "7");
    EXPECT_EQ(field->Text(), "123456");
    QTest::keyClick(field->editor(), Qt::Key_Backspace);
    EXPECT_EQ(field->Text(), "12345");
    field->setLimitText(0);
    QTest::keyClicks(field->editor(), "xyz");
    EXPECT_EQ(field->Text(), "12345xyz");
}

TEST_F(EditFieldTest, AMultiLineFieldKeepsTheLimitToo)
{
    field->setMultiline(true);
    field->setLimitText(5);
    focusEnd();
    QTest::keyClicks(field->editor(), "abcdefg");
    EXPECT_EQ(field->Text(), "abcde");
    field->setText("ab");
    focusEnd();
    paste("123456");
    EXPECT_EQ(field->Text(), "ab123");
}

// The limit cuts a paste down by inserting the part that fits itself: that road must
// stop at ReadOnly as Qt's own does.
TEST_F(EditFieldTest, AReadOnlyFieldWithALimitTakesNoPaste)
{
    field->setMultiline(true);
    field->setText("abc");
    field->setLimitText(5);
    field->setReadOnly(true);
    QGuiApplication::clipboard()->setText("pasted text");
    field->textEdit()->selectAll();
    field->textEdit()->paste();
    EXPECT_EQ(field->Text(), "abc");

    field->setReadOnly(false);
    field->textEdit()->selectAll();
    field->textEdit()->paste();
    EXPECT_EQ(field->Text(), "paste");
}

// Qt's text widgets keep their MIME hooks protected; the paste, middle click and drop
// of a QTextEdit all end in them.
struct TextEditHooks : QTextEdit {
    static void insert(QTextEdit* edit, const QMimeData* data) { (edit->*&TextEditHooks::insertFromMimeData)(data); }
    static bool canInsert(QTextEdit* edit, const QMimeData* data)
    {
        return (edit->*&TextEditHooks::canInsertFromMimeData)(data);
    }
};

// A drag and drop that carries no data, sent to a widget as the platform would.
void dropNothingOn(QWidget* target)
{
    const QPoint middle = target->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, nullptr, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(middle, Qt::CopyAction, nullptr, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(middle), Qt::CopyAction, nullptr, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

// A platform may hand a paste no data, or data without a single format (X11 does
// while nothing owns the clipboard): every road into either editor must leave the
// field as it was.
TEST_F(EditFieldTest, APasteOrDropOfAbsentDataChangesNothing)
{
    const QMimeData formatless;
    for (const bool multiline : {false, true}) {
        for (const int limit : {0, 3}) {
            SCOPED_TRACE(std::string(multiline ? "multi-line" : "single-line") + ", limit " + std::to_string(limit));
            field->setMultiline(multiline);
            field->setLimitText(limit);
            field->setText("ab");
            if (QTextEdit* edit = field->textEdit()) {
                for (const QMimeData* absent : {static_cast<const QMimeData*>(nullptr), &formatless}) {
                    EXPECT_FALSE(TextEditHooks::canInsert(edit, absent));
                    TextEditHooks::insert(edit, absent);
                }
                dropNothingOn(edit->viewport());
            } else {
                dropNothingOn(field->lineEdit());
            }
            // The key and the Edit menu's paste, with a clipboard that holds no format.
            QGuiApplication::clipboard()->setMimeData(new QMimeData);
            focusEnd();
            QTest::keyClick(field->editor(), Qt::Key_V, Qt::ControlModifier);
            fw::MenuItem paste;
            paste.setName("EditPaste");
            paste.setEnabled(true);
            fw::runMenuCommand(&paste, nullptr);
            EXPECT_EQ(field->Text(), "ab");
        }
    }
}

// Drags "2001" out of "abc2001" onto the field as the platform hands it over. The
// source does what Qt's editors do when the drag ends: it deletes the text it gave
// only when the drop reports a move. The field must take exactly what the source
// loses: all of it on a move, or, when only part fits, that part as a copy; a drop
// that would insert nothing is refused, so that the source keeps its text.
TEST_F(EditFieldTest, ADropIsTakenWholeAsACopyOfWhatFitsOrRefused)
{
    enum State { Room, Part, PartMoveOnly, Full, ReadOnly, Disabled };
    const char* const stateNames[] = {"room", "part fits", "part fits, move only", "full", "read-only", "disabled"};
    struct Row {
        State state;
        Qt::DropAction proposed;
        bool accepted;
        Qt::DropAction action;
        const char* field;
    };
    const Row rows[] = {
        {Room, Qt::MoveAction, true, Qt::MoveAction, "192001"},
        {Room, Qt::CopyAction, true, Qt::CopyAction, "192001"},
        {Part, Qt::MoveAction, true, Qt::CopyAction, "1920"},
        {Part, Qt::CopyAction, true, Qt::CopyAction, "1920"},
        {PartMoveOnly, Qt::MoveAction, false, Qt::IgnoreAction, "19"},
        {Full, Qt::MoveAction, false, Qt::IgnoreAction, "1968"},
        {Full, Qt::CopyAction, false, Qt::IgnoreAction, "1968"},
        {ReadOnly, Qt::MoveAction, false, Qt::IgnoreAction, "19"},
        {ReadOnly, Qt::CopyAction, false, Qt::IgnoreAction, "19"},
        {Disabled, Qt::MoveAction, false, Qt::IgnoreAction, "19"},
        {Disabled, Qt::CopyAction, false, Qt::IgnoreAction, "19"},
    };
    QMimeData dragged;
    dragged.setText("2001");
    for (const bool multiline : {false, true}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(multiline ? "multi-line" : "single-line") + ", " + stateNames[row.state]
                         + (row.proposed == Qt::MoveAction ? ", move" : ", copy"));
            field->setMultiline(multiline);
            field->setEnabled(row.state != Disabled);
            field->setReadOnly(row.state == ReadOnly);
            field->setLimitText(row.state == Part || row.state == PartMoveOnly || row.state == Full ? 4 : 0);
            field->setText(row.state == Full ? "1968" : "19");
            field->setSelStart(0);
            field->setSelLength(1); // a drop from elsewhere replaces no selection

            QWidget* target = multiline ? field->textEdit()->viewport() : field->editor();
            const QPointF end(target->width() - 2, target->height() - 2);
            const Qt::DropActions possible = row.state == PartMoveOnly ? Qt::DropActions(Qt::MoveAction)
                                                                       : Qt::CopyAction | Qt::MoveAction;
            // The keys choose the action, as a user's do: Shift moves, Control copies.
            const Qt::KeyboardModifiers keys = row.proposed == Qt::MoveAction ? Qt::ShiftModifier : Qt::ControlModifier;
            QDragEnterEvent enter(end.toPoint(), possible, &dragged, Qt::LeftButton, keys);
            QCoreApplication::sendEvent(target, &enter);
            QDragMoveEvent move(end.toPoint(), possible, &dragged, Qt::LeftButton, keys);
            QCoreApplication::sendEvent(target, &move);
            QDropEvent drop(end, possible, &dragged, Qt::LeftButton, keys);
            ASSERT_EQ(drop.proposedAction(), row.proposed);
            QCoreApplication::sendEvent(target, &drop);

            EXPECT_EQ(enter.isAccepted(), row.accepted);
            EXPECT_EQ(move.isAccepted(), row.accepted);
            EXPECT_EQ(drop.isAccepted(), row.accepted);
            const Qt::DropAction done = drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
            EXPECT_EQ(done, row.action);
            if (row.accepted) {
                EXPECT_EQ(move.dropAction(), row.action) << "the drag shows what the drop will do";
            }
            EXPECT_EQ(field->Text(), row.field);
            const QString source = done == Qt::MoveAction ? "abc" : "abc2001";
            EXPECT_TRUE(source.contains("2001") || field->Text().contains("2001"))
                << "lost: the source gave up \"2001\", the field holds " << field->Text().toStdString();
        }
    }
}

TEST_F(EditFieldTest, SelStartAndSelLengthSelectCharactersAndAreClamped)
{
    field->setText("1968");
    field->setSelStart(2);
    field->setSelLength(2);
    EXPECT_EQ(field->lineEdit()->selectedText(), "68");
    EXPECT_EQ(field->SelStart(), 2);
    EXPECT_EQ(field->SelLength(), 2);

    field->setSelStart(10);
    EXPECT_EQ(field->SelStart(), 4);
    EXPECT_EQ(field->SelLength(), 0);
    field->setSelStart(-3);
    field->setSelLength(99);
    EXPECT_EQ(field->SelStart(), 0);
    EXPECT_EQ(field->SelLength(), 4);
    field->setSelLength(-1);
    EXPECT_EQ(field->SelLength(), 0);

    // Positions count characters: one outside the Basic Multilingual Plane is one.
    field->setText(QString::fromUtf8("a\xF0\x9F\x98\x80" "b"));
    field->setSelStart(1);
    field->setSelLength(1);
    EXPECT_EQ(field->lineEdit()->selectedText(), QString::fromUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(field->SelLength(), 1);
}

TEST_F(EditFieldTest, AMultiLineFieldShowsCrAsLinesAndSelectsAcrossThem)
{
    field->setMultiline(true);
    field->setText("one\r\rthree");
    ASSERT_NE(field->textEdit(), nullptr);
    EXPECT_EQ(field->lineEdit(), nullptr);
    EXPECT_EQ(field->textEdit()->document()->blockCount(), 3);
    EXPECT_EQ(field->Text(), "one\r\rthree");
    field->setSelStart(3);
    field->setSelLength(3);
    EXPECT_EQ(field->SelStart(), 3);
    EXPECT_EQ(field->SelLength(), 3);
    EXPECT_EQ(field->textEdit()->textCursor().selection().toPlainText(), "\n\nt");
}

TEST_F(EditFieldTest, SwitchingMultilineKeepsTheTextAndTheSettings)
{
    field->setText("keep");
    field->setReadOnly(true);
    field->setBackColor(QColor(0xE8, 0xE8, 0xE8));
    field->setAlignment(2);
    field->setMultiline(true);
    ASSERT_NE(field->textEdit(), nullptr);
    EXPECT_EQ(field->Text(), "keep");
    EXPECT_TRUE(field->textEdit()->isReadOnly());
    EXPECT_EQ(field->textEdit()->palette().color(QPalette::Base), QColor(0xE8, 0xE8, 0xE8));
    // Centred: the text starts well inside the 200 pixel wide field.
    ASSERT_EQ(field->textEdit()->width(), 200);
    QTextCursor start = field->textEdit()->textCursor();
    start.setPosition(0);
    field->textEdit()->setTextCursor(start);
    EXPECT_GT(field->textEdit()->cursorRect().left(), 60);
    EXPECT_EQ(field->widget()->focusProxy(), field->textEdit());

    field->setMultiline(false);
    ASSERT_NE(field->lineEdit(), nullptr);
    EXPECT_EQ(field->Text(), "keep");
    EXPECT_TRUE(field->lineEdit()->isReadOnly());
    EXPECT_EQ(field->lineEdit()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_F(EditFieldTest, KeysForTheLookAndTheEditing)
{
    field->setAlignment(3);
    EXPECT_EQ(field->lineEdit()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    field->setAlignment(1);
    EXPECT_EQ(field->lineEdit()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_THROW(field->setAlignment(4), fw::OutOfBoundsException);
    EXPECT_EQ(field->Alignment(), 1);

    field->setBorder(false);
    EXPECT_FALSE(field->lineEdit()->hasFrame());
    field->setPassword(true);
    EXPECT_EQ(field->lineEdit()->echoMode(), QLineEdit::Password);
    field->setTextColor(QColor(0x00, 0x00, 0x9B));
    EXPECT_EQ(field->lineEdit()->palette().color(QPalette::Active, QPalette::Text), QColor(0x00, 0x00, 0x9B));

    // Text given is shown as it is, also in a styled field.
    field->setMultiline(true);
    field->setStyled(true);
    field->setText("<b>bold</b>");
    EXPECT_EQ(field->textEdit()->toPlainText(), "<b>bold</b>");
    field->setScrollbarVertical(true);
    EXPECT_EQ(field->textEdit()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    field->setAcceptTabs(true);
    EXPECT_FALSE(field->textEdit()->tabChangesFocus());
}

TEST_F(EditFieldTest, AClickThatMouseDownTakesDoesNotReachTheTextAndMouseUpFollows)
{
    field->setMultiline(true);
    field->setReadOnly(true);
    field->setText("To find out more, click this field.");
    QStringList log;
    field->MouseDown.install([&](int, int) {
        log << "down";
        return true;
    });
    field->MouseUp.install([&](int x, int y) { log << QStringLiteral("up %1,%2").arg(x).arg(y); });
    QTextCursor start = field->textEdit()->textCursor();
    start.setPosition(0);
    field->textEdit()->setTextCursor(start);

    QWidget* viewport = field->textEdit()->viewport();
    const QPoint inText(60, 8);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, inText);
    EXPECT_EQ(field->textEdit()->textCursor().position(), 0);
    const QPoint inField = viewport->mapTo(field->widget(), inText);
    EXPECT_EQ(joined(log), QStringLiteral("down | up %1,%2").arg(inField.x()).arg(inField.y()).toStdString());

    // A double click is two presses that the handler takes: no word gets selected.
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, inText);
    EXPECT_FALSE(field->textEdit()->textCursor().hasSelection());
}
