// A Qt generic plugin that looks at the installed program from inside, so that the
// program needs no mode of its own for being checked. Loaded through
// QT_QPA_GENERIC_PLUGINS=oruvelprobe (from QT_PLUGIN_PATH/generic), it waits until the
// main window is up, writes what the program shows to standard output, line by line,
// and quits the program the ordinary way. A modal window, or no main window within a
// few seconds, is reported and ends the program with a failure.
#include "support/window_text.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QGenericPlugin>
#include <QIcon>
#include <QImage>
#include <QSize>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <set>

namespace {

void report(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

// The visible top-level window with a tab named "Elements", or nullptr.
QWidget* mainWindow(QTabWidget** elementsPanel, int* elementsTab)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        for (QTabWidget* panel : window->findChildren<QTabWidget*>()) {
            for (int tab = 0; tab < panel->count(); ++tab) {
                if (panel->tabText(tab) == QLatin1String("Elements")) {
                    *elementsPanel = panel;
                    *elementsTab = tab;
                    return window;
                }
            }
        }
    }
    return nullptr;
}

QLabel* visibleLabel(QWidget* window, const QString& text)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible() && label->text() == text)
            return label;
    return nullptr;
}

int differingPixels(const QImage& before, const QImage& after)
{
    if (before.size() != after.size())
        return -1;
    int count = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            count += before.pixel(x, y) != after.pixel(x, y);
    return count;
}

QImage shot(QWidget* window)
{
    QCoreApplication::processEvents();
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void reportIdentity(QWidget* window)
{
    report(QStringLiteral("application: ") + QCoreApplication::applicationName());
    report(QStringLiteral("organisation: ") + QCoreApplication::organizationName());
    report(QStringLiteral("desktop file: ") + QGuiApplication::desktopFileName());
    // Asked for far above the picture's own size: a scalable icon is drawn that large
    // (its longer side), a fixed-size one stays small, no icon is 0.
    const QSize icon = window->windowIcon().actualSize(QSize(256, 256));
    report(QStringLiteral("window icon: %1 pixels").arg(qMax(icon.width(), icon.height())));
}

void reportCaptions(QWidget* window)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible() && !label->text().isEmpty())
            report(QStringLiteral("caption: ") + label->text());
}

// Rests the mouse on each element caption in turn, as a user would, and reports how
// much of the window changed and how many different pictures were shown.
void reportCyclePictures(QWidget* window, QTabWidget* panel, int elementsTab)
{
    panel->setCurrentIndex(elementsTab);
    std::set<QByteArray> pictures;
    for (const char* caption : {"Produces:", "Weakens:", "Controls:"}) {
        QLabel* label = visibleLabel(window, QString::fromLatin1(caption));
        if (!label) {
            report(QStringLiteral("cycle picture at %1 no caption").arg(QLatin1String(caption)));
            continue;
        }
        const QImage before = shot(window);
        const QPointF middle(label->width() / 2.0, label->height() / 2.0);
        QEnterEvent enter(middle, label->mapTo(window, middle), label->mapToGlobal(middle));
        QCoreApplication::sendEvent(label, &enter);
        const QImage during = shot(window);
        report(QStringLiteral("cycle picture at %1 %2 pixels").arg(QLatin1String(caption)).arg(differingPixels(before, during)));
        pictures.insert(QCryptographicHash::hash(QByteArrayView(during.constBits(), during.sizeInBytes()),
                                                 QCryptographicHash::Sha256));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(label, &leave);
    }
    report(QStringLiteral("different cycle pictures: %1").arg(pictures.size()));
}

// The standard context menu of the window's first one-line editor, as its entries'
// texts without mnemonic marks, "|" between them: Qt's own texts, in the language of
// the Qt translation that the program installed.
void reportEditMenu(QWidget* window)
{
    QLineEdit* editor = window->findChild<QLineEdit*>();
    if (!editor) {
        report(QStringLiteral("edit menu: no editor"));
        return;
    }
    const std::unique_ptr<QMenu> menu(editor->createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            entries << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    report(QStringLiteral("edit menu: ") + entries.join(QLatin1Char('|')));
}

class Probe : public QObject {
public:
    Probe()
    {
        started_.start();
        QTimer::singleShot(0, this, [this] { look(); });
    }

private:
    static constexpr int kWaitMs = 5000;

    // Ends the program with a failure; exit also ends a modal window's loop.
    static void fail(const QString& why)
    {
        report(why);
        QCoreApplication::exit(1);
    }

    void look()
    {
        if (QWidget* modal = QApplication::activeModalWidget())
            return fail(QStringLiteral("modal window: ") + testsupport::describeWindow(modal));
        QTabWidget* panel = nullptr;
        int elementsTab = -1;
        QWidget* window = mainWindow(&panel, &elementsTab);
        // Until the event loop has shown the main window.
        if (!window) {
            if (started_.elapsed() > kWaitMs)
                return fail(QStringLiteral("no main window after %1 ms").arg(kWaitMs));
            QTimer::singleShot(10, this, [this] { look(); });
            return;
        }
        reportIdentity(window);
        reportCaptions(window);
        reportCyclePictures(window, panel, elementsTab);
        reportEditMenu(window);
        report(QStringLiteral("probe done"));
        QCoreApplication::quit();
    }

    QElapsedTimer started_;
};

} // namespace

class ProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")

public:
    QObject* create(const QString& key, const QString& /*parameters*/) override
    {
        return key.compare(QLatin1String("oruvelprobe"), Qt::CaseInsensitive) == 0 ? new Probe : nullptr;
    }
};

#include "probe.moc"
