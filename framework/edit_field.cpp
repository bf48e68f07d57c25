#include "edit_field.h"

#include "edit_field_editors.h"
#include "shared_palette.h"
#include "text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <string>

namespace fw {

namespace {

// The program separates lines with CR; Qt's editors with LF.
QString toLines(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString fromLines(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
}

Qt::Alignment horizontalAlignment(int alignment)
{
    switch (alignment) {
    case 2:
        return Qt::AlignHCenter;
    case 3:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

// Holds the editor, which always fills it.
class EditorFrame : public QWidget {
protected:
    void resizeEvent(QResizeEvent* event) override
    {
        if (QWidget* editor = focusProxy())
            editor->setGeometry(QRect(QPoint(0, 0), event->size()));
    }
};

} // namespace

EditField::EditField() : TextControl(new EditorFrame)
{
    widget()->setFocusPolicy(Qt::StrongFocus);
    makeEditor(QString());
}

EditField::~EditField() = default;

QWidget* EditField::editor() const
{
    if (multi_)
        return multi_.data();
    return line_.data();
}

QTextEdit* EditField::textEdit() const
{
    return multi_.data();
}

// Builds the editor that Multiline asks for, with the text and every setting.
void EditField::makeEditor(const QString& text)
{
    QWidget* old = editor();
    if (old) {
        old->removeEventFilter(this);
        if (multi_)
            multi_->viewport()->removeEventFilter(this);
    }
    QWidget* created = nullptr;
    if (multiline_) {
        multi_ = new LimitedTextEdit;
        shareScrollBarPalettes(multi_);
        watch(multi_);
        watch(multi_->viewport());
        created = multi_;
    } else {
        line_ = new LineEditor;
        limiter_ = new LengthLimiter(line_);
        line_->setValidator(limiter_);
        connect(line_, &QLineEdit::textChanged, this, [this](const QString& now) {
            if (limiter_)
                limiter_->setLastLength(Len(now));
        });
        watch(line_);
        created = line_;
    }
    delete old;
    if (QWidget* frame = widget()) {
        created->setParent(frame);
        created->setGeometry(frame->rect());
        created->show();
        frame->setFocusProxy(created);
    }
    applyFrame();
    applyColors();
    applyScrollbars();
    applyEditing();
    setText(text);
    applyAlignment();
    applyTabOrder();
}

void EditField::setBorder(bool border)
{
    border_ = border;
    applyFrame();
}

void EditField::applyFrame()
{
    if (line_)
        line_->setFrame(border_);
    if (multi_)
        multi_->setFrameShape(border_ ? QFrame::StyledPanel : QFrame::NoFrame);
}

void EditField::setMultiline(bool multiline)
{
    if (multiline == multiline_)
        return;
    const QString text = Text();
    multiline_ = multiline;
    makeEditor(text);
}

void EditField::setScrollbarHorizontal(bool shown)
{
    scrollbarHorizontal_ = shown;
    applyScrollbars();
}

void EditField::setScrollbarVertical(bool shown)
{
    scrollbarVertical_ = shown;
    applyScrollbars();
}

// Only a multi-line field scrolls; a horizontal scroll bar means lines do not wrap.
void EditField::applyScrollbars()
{
    if (!multi_)
        return;
    multi_->setVerticalScrollBarPolicy(scrollbarVertical_ ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    multi_->setHorizontalScrollBarPolicy(scrollbarHorizontal_ ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    multi_->setLineWrapMode(scrollbarHorizontal_ ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
}

void EditField::setStyled(bool styled)
{
    styled_ = styled;
    applyEditing();
}

void EditField::setPassword(bool password)
{
    password_ = password;
    applyEditing();
}

void EditField::setUseFocusRing(bool use)
{
    useFocusRing_ = use;
    applyEditing();
}

void EditField::setReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    applyEditing();
}

void EditField::setLimitText(int limit)
{
    limitText_ = std::max(0, limit);
    applyEditing();
}

void EditField::setAcceptTabs(bool accept)
{
    acceptTabs_ = accept;
    applyEditing();
}

void EditField::applyEditing()
{
    if (line_) {
        line_->setReadOnly(readOnly_);
        line_->setEchoMode(password_ ? QLineEdit::Password : QLineEdit::Normal);
        line_->setAttribute(Qt::WA_MacShowFocusRect, useFocusRing_);
    }
    if (limiter_)
        limiter_->setLimit(limitText_);
    if (multi_) {
        multi_->setReadOnly(readOnly_);
        multi_->setAttribute(Qt::WA_MacShowFocusRect, useFocusRing_);
        multi_->setTabChangesFocus(!acceptTabs_);
        multi_->setAcceptRichText(styled_);
        multi_->setLimit(limitText_);
    }
}

void EditField::setTextColor(const QColor& color)
{
    textColor_ = color;
    applyColors();
}

void EditField::setBackColor(const QColor& color)
{
    backColor_ = color;
    applyColors();
}

void EditField::applyColors()
{
    QWidget* shown = editor();
    if (!shown)
        return;
    QPalette palette = shown->palette();
    palette.setColor(QPalette::Base, backColor_);
    // The disabled text keeps the style's look.
    palette.setColor(QPalette::Active, QPalette::Text, textColor_);
    palette.setColor(QPalette::Inactive, QPalette::Text, textColor_);
    shown->setPalette(palette);
}

void EditField::setAlignment(int alignment)
{
    if (alignment < 0 || alignment > 3)
        throw OutOfBoundsException("EditField.Alignment must be 0 to 3, not " + std::to_string(alignment));
    alignment_ = alignment;
    applyAlignment();
}

void EditField::applyAlignment()
{
    const Qt::Alignment horizontal = horizontalAlignment(alignment_);
    if (line_)
        line_->setAlignment(horizontal | Qt::AlignVCenter);
    if (multi_) {
        // Paragraphs without an alignment of their own follow the document's.
        QTextDocument* document = multi_->document();
        QTextOption option = document->defaultTextOption();
        option.setAlignment(horizontal);
        document->setDefaultTextOption(option);
    }
}

QString EditField::Text() const
{
    if (multi_)
        return fromLines(multi_->toPlainText());
    if (line_)
        return line_->text();
    return text_;
}

void EditField::setText(const QString& text)
{
    text_ = text;
    if (multi_) {
        multi_->setPlainText(toLines(text));
    }
    if (line_ && limiter_) {
        limiter_->setSuspended(true);
        line_->setText(text);
        limiter_->setSuspended(false);
    }
}

int EditField::SelStart() const
{
    if (multi_)
        return int(unitsToChars(multi_->toPlainText(), multi_->textCursor().selectionStart()));
    if (line_) {
        const int units = line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
        return int(unitsToChars(line_->text(), units));
    }
    return 0;
}

int EditField::SelLength() const
{
    QString text;
    qsizetype start = 0;
    qsizetype end = 0;
    if (multi_) {
        text = multi_->toPlainText();
        start = multi_->textCursor().selectionStart();
        end = multi_->textCursor().selectionEnd();
    } else if (line_ && line_->hasSelectedText()) {
        text = line_->text();
        start = line_->selectionStart();
        end = line_->selectionEnd();
    }
    return int(unitsToChars(text, end) - unitsToChars(text, start));
}

void EditField::setSelStart(int start)
{
    select(start, 0);
}

void EditField::setSelLength(int length)
{
    select(SelStart(), length);
}

// Selects from a character position on; both are brought inside the text.
void EditField::select(qsizetype startChars, qsizetype lengthChars)
{
    const QString text = multi_ ? multi_->toPlainText() : line_ ? line_->text() : QString();
    const qsizetype length = Len(text);
    const qsizetype first = std::clamp<qsizetype>(startChars, 0, length);
    const qsizetype last = first + std::clamp<qsizetype>(lengthChars, 0, length - first);
    const auto from = int(charsToUnits(text, first));
    const auto to = int(charsToUnits(text, last));
    if (multi_) {
        QTextCursor cursor = multi_->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        multi_->setTextCursor(cursor);
    } else if (line_) {
        if (to > from)
            line_->setSelection(from, to - from);
        else
            line_->setCursorPosition(from);
    }
}

// A multi-line field keeps Return and Enter for itself, even read-only: they do not
// push the window's default button.
bool EditField::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && multi_ && watched == multi_.data()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return TextControl::eventFilter(watched, event);
}

} // namespace fw
