#include "edit_field_editors.h"

#include "text.h"

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

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

qsizetype LimitedTextEdit::room() const
{
    if (limit_ <= 0)
        return std::numeric_limits<qsizetype>::max();
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

// A drag or drop goes on to Qt's editor only when it carries data.
bool carriesData(QDropEvent* event)
{
    if (event->mimeData())
        return true;
    event->ignore();
    return false;
}

// No data, or data without a single format: Qt's editor reads the first format of what
// it is given without looking whether there is one.
bool isAbsent(const QMimeData* source)
{
    return !source || source->formats().isEmpty();
}

} // namespace

void LineEditor::dragEnterEvent(QDragEnterEvent* event)
{
    if (carriesData(event))
        QLineEdit::dragEnterEvent(event);
}

void LineEditor::dragMoveEvent(QDragMoveEvent* event)
{
    if (carriesData(event))
        QLineEdit::dragMoveEvent(event);
}

void LineEditor::dropEvent(QDropEvent* event)
{
    if (carriesData(event))
        QLineEdit::dropEvent(event);
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
    if (!source->hasText() || Len(source->text()) <= space) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    if (space > 0)
        textCursor().insertText(Left(source->text(), space));
}

} // namespace fw
