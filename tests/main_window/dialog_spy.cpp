#include "dialog_spy.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>

DialogSpy::DialogSpy(std::function<QString()> snapshot) : snapshot_(std::move(snapshot))
{
    qApp->installEventFilter(this);
}

DialogSpy::~DialogSpy()
{
    qApp->removeEventFilter(this);
}

bool DialogSpy::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            texts << box->text();
            snapshots << (snapshot_ ? snapshot_() : QString());
        }
    }
    return false;
}
