#include "push_button.h"

#include "styled_paint.h"

#include <QPushButton>
#include <QShortcut>

namespace fw {

namespace {

// A key of the whole window that pushes the button while it is enabled.
QShortcut* windowKey(QWidget* button, Qt::Key key)
{
    auto* shortcut = new QShortcut(QKeySequence(key), button);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    shortcut->setEnabled(false);
    return shortcut;
}

} // namespace

PushButton::PushButton() : TextControl(new ButtonWidget)
{
    button_ = static_cast<QPushButton*>(widget());
    button_->setAutoDefault(false);
    returnKey_ = windowKey(button_, Qt::Key_Return);
    enterKey_ = windowKey(button_, Qt::Key_Enter);
    escapeKey_ = windowKey(button_, Qt::Key_Escape);
    connect(button_, &QPushButton::clicked, this, [this] { guardedCall([this] { Action(); }); });
    for (QShortcut* key : {returnKey_.data(), enterKey_.data(), escapeKey_.data()})
        connect(key, &QShortcut::activated, this, &PushButton::pushByKey);
}

PushButton::~PushButton() = default;

void PushButton::setCaption(const QString& caption)
{
    caption_ = caption;
    if (button_)
        button_->setText(caption);
}

void PushButton::setDefault(bool isDefault)
{
    default_ = isDefault;
    if (button_)
        button_->setDefault(isDefault);
    if (returnKey_)
        returnKey_->setEnabled(isDefault);
    if (enterKey_)
        enterKey_->setEnabled(isDefault);
}

void PushButton::setCancel(bool isCancel)
{
    cancel_ = isCancel;
    if (escapeKey_)
        escapeKey_->setEnabled(isCancel);
}

void PushButton::Push()
{
    Action();
}

// Qt matches the keys only while the button is visible and enabled in the active
// window; a hidden page's button therefore takes no key.
void PushButton::pushByKey()
{
    if (!isShown() || !Enabled())
        return;
    guardedCall([this] { Push(); });
}

} // namespace fw
