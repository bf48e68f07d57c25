#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace testsupport {

// What a test saw of a modal dialog that it answered.
struct DialogSeen {
    bool answered = false;
    QString title;
    QString text;
    QString informativeText;
    QStringList buttons;
};

// Arranges for the next modal message box of this test to be answered by pressing the
// button whose caption (without "&") is buttonText, as a person would. The returned
// record is filled when the box has been answered. A box without such a button stays
// unanswered, and the test limits (test_limits.h) fail the test with its text and
// close it, so that no test hangs.
std::shared_ptr<DialogSeen> answerNextDialog(const QString& buttonText);

} // namespace testsupport
