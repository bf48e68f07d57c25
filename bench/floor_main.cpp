// The floor as a program of its own: a bare Qt Widgets application that shows the
// main window's picture, with nothing of Oruvel's code. See launch.h for its options.
#include "floor_window.h"
#include "launch.h"

#include <QApplication>
#include <QByteArray>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    qInstallMessageHandler(bench::quietRaiseWarnings);
    QApplication application(argc, argv);
    return bench::runOnce(argc, argv, &bench::openFloorWindow);
}
