#pragma once

// What a window says to a person, for failure messages: its class, its title, and its
// message (a message box's text and informative text) or the texts of its labels.
// Header only: the installed program's probe uses it too.

#include <QLabel>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace testsupport {

inline QString describeWindow(QWidget* window)
{
    const auto quoted = [](const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); };
    QStringList parts;
    if (!window->windowTitle().isEmpty())
        parts << QStringLiteral("title ") + quoted(window->windowTitle());
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        parts << quoted(box->text());
        if (!box->informativeText().isEmpty())
            parts << quoted(box->informativeText());
    } else {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->isVisible() && !label->text().isEmpty())
                parts << quoted(label->text());
        }
    }
    return QString::fromLatin1(window->metaObject()->className()) + QLatin1Char(' ') + parts.join(QStringLiteral(", "));
}

} // namespace testsupport
