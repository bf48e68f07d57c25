// The random user's mouse gestures on a widget that goes away during the gesture, as
// a window that a handler closes does.
#include "fuzz/gestures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace {

// Logs the mouse events it gets; one that vanishes deletes itself on a press.
class Spot : public QWidget {
public:
    Spot(QWidget* parent, QString name, QStringList& log, bool vanishes)
        : QWidget(parent), name_(std::move(name)), log_(log), vanishes_(vanishes)
    {
    }

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        log_ << name_ + " press";
        if (vanishes_) {
            deleteLater();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    void mouseMoveEvent(QMouseEvent*) override { log_ << name_ + " move"; }
    void mouseReleaseEvent(QMouseEvent*) override { log_ << name_ + " release"; }

private:
    QString name_;
    QStringList& log_;
    bool vanishes_;
};

} // namespace

TEST(Gestures, AWidgetThatGoesOnThePressGetsNothingMoreAndTheButtonComesUpOverWhatIsThere)
{
    for (const bool drag : {false, true}) {
        QStringList log;
        QWidget window;
        window.resize(100, 100);
        (new Spot(&window, "below", log, false))->setGeometry(0, 0, 100, 100);
        auto* above = new Spot(&window, "above", log, true);
        above->setGeometry(20, 20, 60, 60);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        if (drag)
            gestures::press(above, Qt::LeftButton, QPoint(10, 10), {QPoint(20, 20), QPoint(30, 30)});
        else
            gestures::press(above, Qt::LeftButton, QPoint(30, 30));
        EXPECT_EQ(log, QStringList({"above press", "below release"})) << (drag ? "drag" : "click");
    }
}
