#pragma once

#include <QString>

#include <memory>

namespace fw {

// Shows the text in a modal message box with an OK button; returns when it is closed.
void MsgBox(const QString& text);

// One button of a MessageDialog. The dialog owns its three buttons; ShowModal returns
// the one pressed, so that callers compare it with ActionButton() and the others.
class MessageDialogButton {
public:
    MessageDialogButton(const QString& caption, bool visible, bool isDefault, bool isCancel);
    MessageDialogButton(const MessageDialogButton&) = delete;
    MessageDialogButton& operator=(const MessageDialogButton&) = delete;

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }
    bool Visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    // Return presses the default button.
    bool Default() const { return default_; }
    void setDefault(bool isDefault) { default_ = isDefault; }
    // Escape presses the cancel button.
    bool Cancel() const { return cancel_; }
    void setCancel(bool isCancel) { cancel_ = isCancel; }

private:
    QString caption_;
    bool visible_;
    bool default_;
    bool cancel_;
};

// A modal question with up to three buttons: the action button ("OK", shown, the
// default), the cancel button ("Cancel", hidden until made visible) and the alternate
// action button ("Don't Save", hidden until made visible).
class MessageDialog {
public:
    MessageDialog();
    ~MessageDialog();
    MessageDialog(const MessageDialog&) = delete;
    MessageDialog& operator=(const MessageDialog&) = delete;

    QString Message() const { return message_; }
    void setMessage(const QString& message) { message_ = message; }
    QString Explanation() const { return explanation_; }
    void setExplanation(const QString& explanation) { explanation_ = explanation; }
    // The box's title; empty gives the application's name.
    QString Title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }
    // 0 note, 1 caution (a warning sign), 2 stop, 3 question, -1 (or any other) none.
    int Icon() const { return icon_; }
    void setIcon(int icon) { icon_ = icon; }

    MessageDialogButton* ActionButton() const { return action_.get(); }
    MessageDialogButton* CancelButton() const { return cancel_.get(); }
    MessageDialogButton* AlternateActionButton() const { return alternate_.get(); }

    // Shows the dialog, application-modal, and returns the button pressed. Closing the
    // box without a button counts as the cancel button (a box with one button only
    // takes Escape as that button, as native boxes do). With no visible button at
    // all, the action button shows.
    MessageDialogButton* ShowModal();

private:
    QString message_;
    QString explanation_;
    QString title_;
    int icon_ = 0;
    std::unique_ptr<MessageDialogButton> action_;
    std::unique_ptr<MessageDialogButton> cancel_;
    std::unique_ptr<MessageDialogButton> alternate_;
};

} // namespace fw
