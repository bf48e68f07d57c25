#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// Notes every message box at the moment it is shown: its text and what the test wants
// to know of the window at that moment. Answering it is left to testsupport.
class DialogSpy : public QObject {
public:
    explicit DialogSpy(std::function<QString()> snapshot = {});
    ~DialogSpy() override;

    QStringList texts;
    QStringList snapshots; // one per box, taken as it appears

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<QString()> snapshot_;
};
