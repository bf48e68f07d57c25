#include "dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

namespace testsupport {

namespace {

QString plain(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

void poll(const std::shared_ptr<DialogSeen>& seen, const QString& buttonText, std::shared_ptr<QElapsedTimer> clock)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box && box->isVisible()) {
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->informativeText = box->informativeText();
        seen->buttons.clear();
        for (QAbstractButton* button : box->buttons()) {
            if (button->isVisible())
                seen->buttons << plain(button->text());
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->isVisible() && plain(button->text()) == buttonText) {
                seen->answered = true;
                button->click();
                return;
            }
        }
    }
    if (clock->elapsed() > 5000) {
        if (box)
            box->reject();
        return;
    }
    QTimer::singleShot(5, [seen, buttonText, clock] { poll(seen, buttonText, clock); });
}

} // namespace

std::shared_ptr<DialogSeen> answerNextDialog(const QString& buttonText)
{
    auto seen = std::make_shared<DialogSeen>();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QTimer::singleShot(0, [seen, buttonText, clock] { poll(seen, buttonText, clock); });
    return seen;
}

} // namespace testsupport
