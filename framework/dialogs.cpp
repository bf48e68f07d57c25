#include "dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace fw {

namespace {

QString applicationTitle()
{
    return QGuiApplication::applicationDisplayName();
}

QMessageBox::Icon boxIcon(int icon)
{
    switch (icon) {
    case 0:
        return QMessageBox::Information;
    case 1:
        return QMessageBox::Warning;
    case 2:
        return QMessageBox::Critical;
    case 3:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void MsgBox(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

MessageDialogButton::MessageDialogButton(const QString& caption, bool visible, bool isDefault, bool isCancel)
    : caption_(caption), visible_(visible), default_(isDefault), cancel_(isCancel)
{
}

MessageDialog::MessageDialog()
    : action_(std::make_unique<MessageDialogButton>(QStringLiteral("OK"), true, true, false)),
      cancel_(std::make_unique<MessageDialogButton>(QStringLiteral("Cancel"), false, false, true)),
      alternate_(std::make_unique<MessageDialogButton>(QStringLiteral("Don't Save"), false, false, false))
{
}

MessageDialog::~MessageDialog() = default;

MessageDialogButton* MessageDialog::ShowModal()
{
    QMessageBox box(boxIcon(icon_), title_.isEmpty() ? applicationTitle() : title_, message_);
    box.setInformativeText(explanation_);
    box.setWindowModality(Qt::ApplicationModal);

    // The roles give the platform's button order; the captions are shown exactly.
    const std::pair<MessageDialogButton*, QMessageBox::ButtonRole> roles[] = {
        {action_.get(), QMessageBox::AcceptRole},
        {alternate_.get(), QMessageBox::DestructiveRole},
        {cancel_.get(), QMessageBox::RejectRole},
    };
    std::vector<std::pair<QPushButton*, MessageDialogButton*>> shown;
    for (const auto& [button, role] : roles) {
        const bool forced = button == action_.get() && !cancel_->Visible() && !alternate_->Visible();
        if (!button->Visible() && !forced)
            continue;
        QPushButton* pushButton = box.addButton(button->Caption(), role);
        shown.emplace_back(pushButton, button);
        if (button->Default())
            box.setDefaultButton(pushButton);
        if (button->Cancel())
            box.setEscapeButton(pushButton);
    }
    box.exec();

    const QAbstractButton* clicked = box.clickedButton();
    for (const auto& [pushButton, button] : shown) {
        if (pushButton == clicked)
            return button;
    }
    return cancel_.get();
}

} // namespace fw
