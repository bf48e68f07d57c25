// Dialogs: MsgBox and MessageDialog are real modal message boxes, answered here as a
// person would; the button pressed comes back as the dialog's own button object.
#include "framework/dialogs.h"

#include "support/dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

// Runs the inspection on the next modal message box once it shows, then does the
// answer (which must close it).
void onNextBox(std::function<void(QMessageBox*)> inspectAndAnswer, int triesLeft = 400)
{
    QTimer::singleShot(5, [inspectAndAnswer = std::move(inspectAndAnswer), triesLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible())
            inspectAndAnswer(box);
        else if (triesLeft > 0)
            onNextBox(inspectAndAnswer, triesLeft - 1);
    });
}

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}


void askToQuit(fw::MessageDialog& dialog)
{
    dialog.setMessage("Are you sure you want to quit the program?");
    dialog.ActionButton()->setCaption("Quit");
    dialog.CancelButton()->setCaption("Cancel");
    dialog.CancelButton()->setVisible(true);
    dialog.setIcon(1);
}

} // namespace

TEST(MsgBoxTest, ShowsTheTextModallyAndReturnsWhenAnswered)
{
    auto seen = testsupport::answerNextDialog("OK");
    fw::MsgBox("Please enter a valid year.");
    EXPECT_TRUE(seen->answered);
    EXPECT_EQ(seen->text, "Please enter a valid year.");
    EXPECT_EQ(seen->buttons, QStringList{"OK"});
}

TEST(MessageDialogTest, TheActionButtonPressedComesBackAsTheActionButton)
{
    fw::MessageDialog dialog;
    askToQuit(dialog);
    auto seen = testsupport::answerNextDialog("Quit");
    fw::MessageDialogButton* pressed = dialog.ShowModal();
    ASSERT_TRUE(seen->answered);
    EXPECT_EQ(pressed, dialog.ActionButton());
    EXPECT_EQ(seen->text, "Are you sure you want to quit the program?");
    EXPECT_EQ(sorted(seen->buttons), QStringList({"Cancel", "Quit"}));
    EXPECT_EQ(seen->title, QGuiApplication::applicationDisplayName());
}

TEST(MessageDialogTest, CancelComesBackAsTheCancelButtonAndEachShowIsFresh)
{
    fw::MessageDialog dialog;
    askToQuit(dialog);
    auto first = testsupport::answerNextDialog("Cancel");
    EXPECT_EQ(dialog.ShowModal(), dialog.CancelButton());
    auto second = testsupport::answerNextDialog("Quit");
    EXPECT_EQ(dialog.ShowModal(), dialog.ActionButton());
    EXPECT_TRUE(first->answered);
    EXPECT_TRUE(second->answered);
}

TEST(MessageDialogTest, CautionShowsAWarningWithTheDefaultAndCancelKeysOnTheirButtons)
{
    fw::MessageDialog dialog;
    askToQuit(dialog);
    dialog.setTitle("Oruvel");
    dialog.setExplanation("Unsaved entries are lost.");
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString defaultCaption;
    QString escapeCaption;
    QString title;
    QString explanation;
    onNextBox([&](QMessageBox* box) {
        icon = box->icon();
        defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
        escapeCaption = box->escapeButton() ? box->escapeButton()->text() : QString();
        title = box->windowTitle();
        explanation = box->informativeText();
        box->close();
    });
    // Closing the box is the cancel key's answer.
    EXPECT_EQ(dialog.ShowModal(), dialog.CancelButton());
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(defaultCaption, "Quit");
    EXPECT_EQ(escapeCaption, "Cancel");
    EXPECT_EQ(title, "Oruvel");
    EXPECT_EQ(explanation, "Unsaved entries are lost.");
}

TEST(MessageDialogTest, TheAlternateButtonShowsWhenVisibleAndIconsFollowTheirCodes)
{
    fw::MessageDialog dialog;
    dialog.setMessage("Save?");
    dialog.AlternateActionButton()->setVisible(true);
    dialog.CancelButton()->setVisible(true);
    dialog.setIcon(2);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList captions;
    onNextBox([&](QMessageBox* box) {
        icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            captions << button->text();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == "Don't Save")
                button->click();
        }
    });
    EXPECT_EQ(dialog.ShowModal(), dialog.AlternateActionButton());
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(sorted(captions), QStringList({"Cancel", "Don't Save", "OK"}));
}

TEST(MessageDialogTest, ADialogWithNoVisibleButtonStillShowsItsActionButton)
{
    fw::MessageDialog dialog;
    dialog.ActionButton()->setVisible(false);
    dialog.setIcon(-1);
    QMessageBox::Icon icon = QMessageBox::Warning;
    onNextBox([&](QMessageBox* box) {
        icon = box->icon();
        box->buttons().value(0)->click();
    });
    EXPECT_EQ(dialog.ShowModal(), dialog.ActionButton());
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}
