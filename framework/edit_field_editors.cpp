#include "edit_field_editors.h"

#include "text.h"

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <algorithm>
#include <limits>

namespace fw {

qsizetype charsToUnits(const QString& text, qsizetype chars)
{
    qsizetype units = 0;
    for (qsizetype i = 0; i < chars && units < text.size(); ++i)
        units += (text.at(units).isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
    return units;
}

qsizetype unitsToChars(const QString& text, qsizetype units)
{
    return Len(text.left(std::clamp<qsizetype>(units, 0, text.size())));
}

QValidator::State LengthLimiter::validate(QString& input, int& position) const
{
    if (limit_ <= 0 || suspended_)
        return Acceptable;
    const qsizetype allowed = std::max<qsizetype>(limit_, lastLength_);
    const qsizetype excess = Len(input) - allowed;
    if (excess <= 0)
        return Acceptable;
    // The inserted characters end at the cursor: drop the last of them.
    const QString before = input.left(position);
    const qsizetype keepChars = std::max<qsizetype>(0, Len(before) - excess);
    const qsizetype keepUnits = charsToUnits(before, keepChars);
    input.remove(keepUnits, position - keepUnits);
    position = int(keepUnits);
    return Acceptable;
}

namespace {

// The room of a field without a limit.
constexpr qsizetype kNoLimit = std::numeric_limits<qsizetype>::max();

} // namespace

qsizetype LimitedTextEdit::room() const
{
    if (limit_ <= 0)
        return kNoLimit;
    const qsizetype length = Len(toPlainText());
    const qsizetype selected = Len(textCursor().selectedText());
    return limit_ - (length - selected);
}

namespace {

bool insertsText(const QKeyEvent* event, bool tabChangesFocus)
{
    if (event->text().isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const QChar first = event->text().at(0);
    if (first == QLatin1Char('\t'))
        return !tabChangesFocus;
    return first.isPrint() || first == QLatin1Char('\r') || first == QLatin1Char('\n');
}

} // namespace

void LimitedTextEdit::keyPressEvent(QKeyEvent* event)
{
    if (!isReadOnly() && insertsText(event, tabChangesFocus()) && room() <= 0) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const qsizetype space = room();
    if (Len(event->commitString()) > space) {
        QInputMethodEvent trimmed(event->preeditString(), event->attributes());
        trimmed.setCommitString(Left(event->commitString(), std::max<qsizetype>(0, space)),
                                event->replacementStart(), event->replacementLength());
        QTextEdit::inputMethodEvent(&trimmed);
        return;
    }
    QTextEdit::inputMethodEvent(event);
}

namespace {

// No data, or data without a single format: Qt's editor reads the first format of what
// it is given without looking whether there is one.
bool isAbsent(const QMimeData* source)
{
    return !source || source->formats().isEmpty();
}

// `length`: the characters that the drop carries; `room`: the characters that the
// field can take; `ownMove`: the text moves within the field itself.
DropFit fitDrop(const QDropEvent& event, qsizetype length, qsizetype room, bool ownMove)
{
    if (length <= 0 || room <= 0)
        return DropFit::Refused;
    if (length <= room)
        return DropFit::Whole;
    // A move within the field takes its text out before it inserts it, so only a copy
    // can be cut to fit, and only when the drag allows one.
    if (ownMove || !(event.possibleActions() & Qt::CopyAction))
        return DropFit::Refused;
    return DropFit::Part;
}

// Runs Qt's handling of a drag or drop event as the fit allows.
template <typename QtHandling>
void handleDrop(QDropEvent* event, DropFit fit, QtHandling&& qtHandling)
{
    if (fit == DropFit::Refused) {
        event->ignore();
        return;
    }
    qtHandling();
    // Qt accepts the action that the drag proposes, a move as often as not.
    if (fit == DropFit::Part && event->isAccepted())
        event->setDropAction(Qt::CopyAction);
}

} // namespace

qsizetype LengthLimiter::room(qsizetype kept) const
{
    if (limit_ <= 0 || suspended_)
        return kNoLimit;
    return std::max<qsizetype>(limit_, lastLength_) - kept;
}

DropFit LineEditor::fitOf(const QDropEvent& event) const
{
    const QMimeData* data = event.mimeData();
    if (isAbsent(data) || !data->hasText() || isReadOnly() || !isEnabled())
        return DropFit::Refused;
    // Qt's single-line editor drops its own text as a copy, beside its selection.
    const auto* limiter = dynamic_cast<const LengthLimiter*>(validator());
    const qsizetype room = limiter ? limiter->room(Len(text())) : kNoLimit;
    return fitDrop(event, Len(data->text()), room, false);
}

void LineEditor::dragEnterEvent(QDragEnterEvent* event)
{
    handleDrop(event, fitOf(*event), [&] { QLineEdit::dragEnterEvent(event); });
}

void LineEditor::dragMoveEvent(QDragMoveEvent* event)
{
    handleDrop(event, fitOf(*event), [&] { QLineEdit::dragMoveEvent(event); });
}

void LineEditor::dropEvent(QDropEvent* event)
{
    handleDrop(event, fitOf(*event), [&] { QLineEdit::dropEvent(event); });
}

QString LimitedTextEdit::insertedText(const QMimeData* source) const
{
    if (acceptRichText() && source->hasHtml())
        return QTextDocumentFragment::fromHtml(source->html()).toPlainText();
    return source->text();
}

bool LimitedTextEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return !isAbsent(source) && QTextEdit::canInsertFromMimeData(source);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source)
{
    // Qt's own insertion leaves a read-only editor alone; the cut-down one must too.
    if (isAbsent(source) || isReadOnly())
        return;
    const qsizetype space = room();
    const QString text = insertedText(source);
    if (Len(text) <= space) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    if (space > 0)
        textCursor().insertText(Left(text, space));
}

DropFit LimitedTextEdit::fitOf(const QDropEvent& event) const
{
    const QMimeData* data = event.mimeData();
    if (isAbsent(data) || !canInsertFromMimeData(data) || isReadOnly() || !isEnabled())
        return DropFit::Refused;
    // Qt's editor starts its drags from the viewport.
    const bool ownMove = (event.source() == viewport() || event.source() == this)
        && event.dropAction() == Qt::MoveAction;
    qsizetype room = kNoLimit;
    if (limit_ > 0) {
        const qsizetype moved = ownMove ? Len(textCursor().selectedText()) : 0;
        room = limit_ - (Len(toPlainText()) - moved);
    }
    return fitDrop(event, Len(insertedText(data)), room, ownMove);
}

void LimitedTextEdit::dragEnterEvent(QDragEnterEvent* event)
{
    handleDrop(event, fitOf(*event), [&] { QTextEdit::dragEnterEvent(event); });
}

void LimitedTextEdit::dragMoveEvent(QDragMoveEvent* event)
{
    handleDrop(event, fitOf(*event), [&] { QTextEdit::dragMoveEvent(event); });
}

void LimitedTextEdit::dropEvent(QDropEvent* event)
{
    handleDrop(event, fitOf(*event), [&] { QTextEdit::dropEvent(event); });
}

} // namespace fw
