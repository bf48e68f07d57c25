// The property-record reader on a fresh window or on a fresh control of one class (the
// environment's ORUVEL_FUZZ_CLASS names which, as in fuzz_classes.h), then the window
// resized both ways and painted. A refused record is a defined outcome; anything else
// that goes wrong is a finding.

#include "fuzz_classes.h"
#include "fuzz_target.h"

#include "framework/control.h"
#include "framework/exceptions.h"
#include "framework/record.h"
#include "framework/runtime.h"
#include "framework/window.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QMainWindow>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

fw::Runtime* runtime = nullptr;
QByteArrayView currentRecord;
// -1 for the window, else the ControlClass of the control.
int controlClass = -1;

class RecordWindow : public fw::Window {
    Q_OBJECT
    Q_CLASSINFO("Event:Layout", "Layout")
    Q_CLASSINFO("Event:CreateControls", "CreateControls")

public:
    Q_INVOKABLE void Layout()
    {
        if (controlClass < 0) {
            fw::_SetProperties(this, currentRecord);
            return;
        }
        // Room for the records' places, and a size that follows the resizes below, so
        // that locked edges move.
        setResizeable(true);
        setWidth(640);
        setHeight(480);
    }
    Q_INVOKABLE void CreateControls()
    {
        if (controlClass < 0)
            return;
        _AddControl(QStringLiteral("Probe"), fw::newControl(fw::ControlClass(controlClass)));
        fw::_SetProperties(findControl(QStringLiteral("Probe")), currentRecord);
    }
};

// Paints the content as a screen of ordinary size shows it.
void paint(fw::Window* window)
{
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    window->content()->render(&painter, QPoint(), QRegion(0, 0, 800, 600));
}

// Lays the content out at the window's new size, which moves the locked edges. Only
// the layout: a paint of the whole window could be as large as the record makes it.
void resize(QMainWindow* top, int width, int height)
{
    top->resize(std::max(1, width), std::max(1, height));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void exercise(fw::Window* window)
{
    paint(window);
    QMainWindow* top = window->widget();
    const QSize size = top->size();
    resize(top, size.width() + 123, size.height() + 77);
    paint(window);
    resize(top, size.width() - 200, size.height() - 150);
    paint(window);
}

void releaseWindows()
{
    fw::releaseImplicitWindowList();
    fw::releaseDirtyWindows();
    fw::releaseWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Not a static: the framework's lists, made after it, would be gone before a
    // static runtime's end.
    runtime = new fw::Runtime(*argc, *argv);
    const QByteArray name = qgetenv("ORUVEL_FUZZ_CLASS");
    const auto* found = std::find_if(kRecordTargets.begin(), kRecordTargets.end(),
                                     [&](const char* target) { return name == target; });
    if (found == kRecordTargets.end()) {
        std::fprintf(stderr, "ORUVEL_FUZZ_CLASS must be one of window, tabpanel, ..., canvas\n");
        std::exit(2);
    }
    controlClass = int(found - kRecordTargets.begin()) - 1;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    currentRecord = QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        // A record that does not parse or a value refused stops the build: the window
        // closes, as the framework defines.
        exercise(fw::Window::create<RecordWindow>());
    } catch (const fw::RuntimeException&) {
    }
    releaseWindows();
    return 0;
}

void fuzzTargetEnd()
{
    releaseWindows();
    delete runtime;
    runtime = nullptr;
}

#include "fuzz_record.moc"
