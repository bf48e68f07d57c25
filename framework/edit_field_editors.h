#pragma once

// The inner editors of EditField: the typing limit of both, and character positions
// (code points) against Qt's UTF-16 positions.

#include <QLineEdit>
#include <QString>
#include <QTextEdit>
#include <QValidator>

namespace fw {

// The UTF-16 position of a character position, and back; both clamp to the text.
qsizetype charsToUnits(const QString& text, qsizetype chars);
qsizetype unitsToChars(const QString& text, qsizetype units);

// Keeps what the user types or pastes into a single-line field within the limit:
// characters that would grow the text beyond it are dropped from the end of the
// insertion. Text set by the code is kept whole (suspend the limiter around it).
class LengthLimiter : public QValidator {
public:
    using QValidator::QValidator;

    void setLimit(int limit) { limit_ = limit; }
    void setSuspended(bool suspended) { suspended_ = suspended; }
    // The text's length before the edit being checked.
    void setLastLength(qsizetype length) { lastLength_ = length; }
    // Characters that one insertion may add while `kept` characters of the text stay.
    qsizetype room(qsizetype kept) const;

    State validate(QString& input, int& position) const override;

private:
    int limit_ = 0;
    bool suspended_ = false;
    qsizetype lastLength_ = 0;
};

// A platform may hand a paste, a middle click or a drop no data, or data without a
// single format (X11 does while nothing owns the clipboard), and Qt's editors would
// read through it. Both editors take absent data as nothing to insert.

// How an editor takes a drop. A drop inserts what a paste of its text would insert
// there; the source of a move loses exactly what was inserted, so a drop that would
// insert nothing is refused, and one that fits only in part is taken as a copy.
enum class DropFit {
    Refused, // read-only, disabled, no text, or no room left
    Whole,   // as the drag proposes: a move takes the text from its source
    Part,    // what fits goes in as a copy; the source keeps all of its text
};

// The single-line editor: Qt's own paste already copes with an empty clipboard; drags
// and drops are taken as far as the limit lets them.
class LineEditor : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    DropFit fitOf(const QDropEvent& event) const;
};

// A multi-line editor that refuses typing beyond the limit and cuts a paste to fit.
class LimitedTextEdit : public QTextEdit {
public:
    using QTextEdit::QTextEdit;

    void setLimit(int limit) { limit_ = limit; }
    // Characters that one more insertion may add (with the selection replaced).
    qsizetype room() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The text that inserting the data adds, as Qt's editor reads it: the HTML's text
    // in a field that takes styled text, the plain text otherwise.
    QString insertedText(const QMimeData* source) const;
    DropFit fitOf(const QDropEvent& event) const;

    int limit_ = 0;
};

} // namespace fw
