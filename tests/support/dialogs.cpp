#include "dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace testsupport {

namespace {

QString plain(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

// Looks for the box until the test that asked for it ends; a box that lacks the button
// is left to the test limits, which fail the test with its text and close it.
void poll(const std::shared_ptr<DialogSeen>& seen, const QString& buttonText, const ::testing::TestInfo* asker)
{
    if (::testing::UnitTest::GetInstance()->current_test_info() != asker)
        return;
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
    QTimer::singleShot(5, [seen, buttonText, asker] { poll(seen, buttonText, asker); });
}

} // namespace

std::shared_ptr<DialogSeen> answerNextDialog(const QString& buttonText)
{
    auto seen = std::make_shared<DialogSeen>();
    const ::testing::TestInfo* asker = ::testing::UnitTest::GetInstance()->current_test_info();
    QTimer::singleShot(0, [seen, buttonText, asker] { poll(seen, buttonText, asker); });
    return seen;
}

} // namespace testsupport
