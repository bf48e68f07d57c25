#pragma once

#include "control.h"

#include <QPointer>
#include <QPushButton>
#include <QString>

class QShortcut;

namespace fw {

// A push button. The window's default button takes Return and Enter (unless a
// multi-line field has the focus), its cancel button Escape.
class PushButton : public TextControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)

public:
    PushButton();
    ~PushButton() override;

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool Default() const { return default_; }
    void setDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void setCancel(bool isCancel);

    // Raises Action as if the user had pressed the button.
    void Push();

    Event<void()> Action{this, "Action"};

    QPushButton* button() const { return button_; }

private:
    void pushByKey();

    QPointer<QPushButton> button_;
    QPointer<QShortcut> returnKey_;
    QPointer<QShortcut> enterKey_;
    QPointer<QShortcut> escapeKey_;
    QString caption_;
    bool default_ = false;
    bool cancel_ = false;
};

} // namespace fw
