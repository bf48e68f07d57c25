// The random-use run: the program started as main() starts it, then driven by random
// user actions from a fixed seed (keys and shortcuts, typing, pastes with and without
// clipboard data, clicks, drags and wheel turns at random points of every open window,
// menu commands, the About, Info and Help windows opened and closed). Modal questions
// are answered, so nothing waits for a person. After the budget of actions the program
// is quit as a user quits it; a quit before that ends the run early.
//
// Usage: oruvel_random_use <seed> <actions> <count file>
// The count file receives the number of actions done, so that a caller can restart the
// program for the rest. A watchdog aborts the process when no action starts for a
// minute (a hang); sanitizer reports and crashes end it as they would the program.

#include "gestures.h"

#include "app/startup.h"

#include "framework/application.h"
#include "framework/runtime.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

std::atomic<long> actionsStarted{0};

// Aborts the process when the actions stop: something in the program hangs.
void watchdog()
{
    long seen = -1;
    for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(60));
        const long now = actionsStarted.load();
        if (now == seen) {
            std::fprintf(stderr, "random use: no action for 60 seconds after action %ld: the program hangs\n", now);
            std::abort();
        }
        seen = now;
    }
}

// Takes the addresses that the program would open in a browser.
class UrlSink : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl&) {}
};

class RandomUser : public QObject {
public:
    RandomUser(unsigned seed, long budget, QString countFile)
        : random_(seed), budget_(budget), countFile_(std::move(countFile))
    {
        for (const char* scheme : {"http", "https", "mailto", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &urls_, "open");
        scheduleNext();
    }

    ~RandomUser() override
    {
        for (const char* scheme : {"http", "https", "mailto", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    long done() const { return done_; }

    void writeCount() const
    {
        QFile file(countFile_);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::number(qlonglong(done_)));
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }

    // Qt fires no timer again while its own slot runs: each action has a fresh one, made
    // before the action, so that the next action runs inside a modal loop that it opens.
    void scheduleNext()
    {
        QTimer::singleShot(0, this, &RandomUser::tick);
    }

    // Deep down in nested modal loops, actions only answer.
    void tick()
    {
        if (done_ >= budget_) {
            quitOnce();
            return;
        }
        scheduleNext();
        ++done_;
        ++actionsStarted;
        writeCount();
        ++depth_;
        act();
        --depth_;
    }

    void quitOnce()
    {
        if (quitting_)
            return;
        quitting_ = true;
        // Whatever is still open answers no more: close the modal boxes, then quit.
        while (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            QApplication::processEvents();
        }
        if (fw::Application* app = fw::Application::current())
            app->Quit(0);
        else
            QCoreApplication::exit(0);
    }

    void act()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            answer(box);
            return;
        }
        if (QWidget* popup = QApplication::activePopupWidget()) {
            usePopup(popup);
            return;
        }
        if (depth_ > 3)
            return;
        QWidget* window = randomWindow();
        if (!window)
            return;
        const int kind = below(13);
        if (trace_)
            std::fprintf(stderr, "action %ld: %d on %s\n", done_, kind, window->metaObject()->className());
        switch (kind) {
        case 0: key(window); break;
        case 1: shortcut(window); break;
        case 2: type(); break;
        case 3: paste(window); break;
        case 4:
        case 5: click(window); break;
        case 6: drag(window); break;
        case 7: wheel(window); break;
        case 8: menuCommand(window); break;
        case 9: openOrCloseWindow(window); break;
        case 10: resize(window); break;
        case 11: tab(window); break;
        case 12:
            // Now and then the user quits; the question may be answered either way.
            if (chance(5))
                QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
            else
                click(window);
            break;
        }
    }

    QWidget* randomWindow()
    {
        std::vector<QWidget*> windows;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && !qobject_cast<QMenu*>(top) && top->windowType() != Qt::ToolTip
                && top->windowType() != Qt::Popup)
                windows.push_back(top);
        }
        if (windows.empty())
            return nullptr;
        return windows[std::size_t(below(int(windows.size())))];
    }

    QWidget* focusOr(QWidget* window) { return QApplication::focusWidget() ? QApplication::focusWidget() : window; }

    QPoint randomPoint(QWidget* window) { return QPoint(below(std::max(1, window->width())), below(std::max(1, window->height()))); }

    // The innermost widget under a point of the window, and the point in its coordinates.
    std::pair<QWidget*, QPoint> under(QWidget* window, QPoint at)
    {
        QWidget* target = window->childAt(at);
        if (!target)
            target = window;
        return {target, target->mapFrom(window, at)};
    }

    // Mostly the question is turned down, so that a run goes on for a while between
    // quits; sometimes it is taken, by its button or the Return key.
    void answer(QMessageBox* box)
    {
        if (chance(10)) {
            QTest::keyClick(box, chance(50) ? Qt::Key_Escape : Qt::Key_Return);
            return;
        }
        QAbstractButton* taken = nullptr;
        QAbstractButton* declined = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            if (box->buttonRole(button) == QMessageBox::RejectRole || box->buttonRole(button) == QMessageBox::NoRole)
                declined = button;
            else
                taken = button;
        }
        QAbstractButton* button = (declined && chance(85)) || !taken ? declined : taken;
        if (button)
            button->click();
        else
            QTest::keyClick(box, Qt::Key_Escape);
    }

    void usePopup(QWidget* popup)
    {
        const int kind = below(10);
        if (kind < 4) {
            QTest::keyClick(popup, Qt::Key_Escape);
        } else if (kind < 7) {
            QTest::keyClick(popup, chance(50) ? Qt::Key_Down : Qt::Key_Up);
        } else if (kind < 8) {
            QTest::keyClick(popup, Qt::Key_Return);
        } else {
            const auto [target, at] = under(popup, randomPoint(popup));
            gestures::press(target, Qt::LeftButton, at);
        }
    }

    void key(QWidget* window)
    {
        static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home,
                                       Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return,
                                       Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Backspace,
                                       Qt::Key_Delete, Qt::Key_1, Qt::Key_9, Qt::Key_A, Qt::Key_Z};
        static const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
                                                          Qt::ShiftModifier, Qt::AltModifier};
        QTest::keyClick(focusOr(window), keys[below(std::size(keys))], modifiers[below(std::size(modifiers))]);
    }

    void tab(QWidget* window)
    {
        QTest::keyClick(focusOr(window), chance(70) ? Qt::Key_Tab : Qt::Key_Backtab);
    }

    // The menu shortcuts and the editing keys, Quit aside.
    void shortcut(QWidget* window)
    {
        static const Qt::Key keys[] = {Qt::Key_W, Qt::Key_I, Qt::Key_C, Qt::Key_X, Qt::Key_V,
                                       Qt::Key_Z, Qt::Key_A, Qt::Key_Question, Qt::Key_H, Qt::Key_Comma};
        QTest::keyClick(focusOr(window), keys[below(std::size(keys))], Qt::ControlModifier);
    }

    void type()
    {
        static const char* const texts[] = {"1968", "-2147483648", "2147483648", "1e309", "&H7FFFFFFF", "x",
                                            "\xEF\xA7\xAA", "\xE2\x98\xB0\xE2\x98\xB7", " 12 ", "0.5", "99999"};
        // QTest types ASCII only: other characters come as key events with their text.
        // Each key goes to the focus of that moment: a key may close the field's window.
        for (const QChar c : QString::fromUtf8(texts[below(std::size(texts))])) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus)
                return;
            if (c.unicode() < 128)
                QTest::keyClick(focus, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // The clipboard with text, with text and styled text, or with nothing at all.
    void fillClipboard()
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        switch (below(4)) {
        case 0: clipboard->clear(); break;
        case 1: clipboard->setText(QStringLiteral("1968")); break;
        case 2: clipboard->setText(QString(below(300), QLatin1Char('7'))); break;
        case 3: {
            auto* data = new QMimeData;
            data->setHtml(QStringLiteral("<b>bold</b> \xE2\x98\xB0"));
            clipboard->setMimeData(data);
            break;
        }
        }
    }

    void paste(QWidget* window)
    {
        fillClipboard();
        switch (below(3)) {
        case 0: QTest::keyClick(focusOr(window), Qt::Key_V, Qt::ControlModifier); break;
        case 1: triggerNamed(window, QStringLiteral("Paste")); break;
        case 2: {
            const auto [target, at] = under(window, randomPoint(window));
            gestures::press(target, Qt::MiddleButton, at);
            break;
        }
        }
    }

    void click(QWidget* window)
    {
        const auto [target, at] = under(window, randomPoint(window));
        const int kind = below(10);
        if (kind < 6)
            gestures::press(target, Qt::LeftButton, at);
        else if (kind < 8)
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at); // one event
        else
            gestures::press(target, kind == 8 ? Qt::RightButton : Qt::MiddleButton, at);
    }

    void drag(QWidget* window)
    {
        const auto [target, from] = under(window, randomPoint(window));
        const QPoint to = from + QPoint(below(200) - 100, below(200) - 100);
        gestures::press(target, Qt::LeftButton, from, {(from + to) / 2, to});
    }

    void wheel(QWidget* window)
    {
        const auto [target, at] = under(window, randomPoint(window));
        const QPoint angle(0, chance(50) ? 120 : -120);
        QWheelEvent event(QPointF(at), QPointF(target->mapToGlobal(at)), QPoint(), angle, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(target, &event);
    }

    // Held weakly: the menu update that opening a menu runs may rebuild the menus.
    using Actions = std::vector<QPointer<QAction>>;

    static void collectActions(const QList<QAction*>& list, Actions& out)
    {
        const Actions actions(list.begin(), list.end());
        for (const QPointer<QAction>& action : actions) {
            if (!action || action->isSeparator())
                continue;
            if (const QPointer<QMenu> menu = action->menu()) {
                // Opening a menu brings its items up to date.
                emit menu->aboutToShow();
                if (menu)
                    collectActions(menu->actions(), out);
            } else {
                out.push_back(action);
            }
        }
    }

    Actions menuActions(QWidget* window)
    {
        Actions actions;
        if (auto* main = qobject_cast<QMainWindow*>(window)) {
            if (QMenuBar* bar = main->findChild<QMenuBar*>())
                collectActions(bar->actions(), actions);
        }
        return actions;
    }

    void menuCommand(QWidget* window)
    {
        Actions actions = menuActions(window);
        std::erase_if(actions, [](const QPointer<QAction>& action) {
            return !action || action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Q);
        });
        if (!actions.empty())
            actions[std::size_t(below(int(actions.size())))]->trigger();
    }

    void triggerNamed(QWidget* window, const QString& text)
    {
        for (const QPointer<QAction>& action : menuActions(window)) {
            if (action && action->text().remove(QLatin1Char('&')).contains(text, Qt::CaseInsensitive)) {
                action->trigger();
                return;
            }
        }
    }

    void openOrCloseWindow(QWidget* window)
    {
        switch (below(5)) {
        case 0: triggerNamed(window, QStringLiteral("About")); break;
        case 1: triggerNamed(window, QStringLiteral("Info")); break;
        case 2: triggerNamed(window, QStringLiteral("Help")); break;
        case 3: QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier); break;
        case 4:
            // The title bar's close button: on the main window it quits without a question.
            if (chance(10))
                window->close();
            break;
        }
    }

    void resize(QWidget* window)
    {
        window->resize(window->width() + below(201) - 100, window->height() + below(201) - 100);
    }

    std::mt19937 random_;
    const long budget_;
    const QString countFile_;
    long done_ = 0;
    int depth_ = 0;
    bool quitting_ = false;
    // ORUVEL_RANDOM_TRACE set: each action is told on stderr, to find what led to a fault.
    const bool trace_ = qEnvironmentVariableIsSet("ORUVEL_RANDOM_TRACE");
    UrlSink urls_;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <seed> <actions> <count file>\n", argv[0]);
        return 2;
    }
    const unsigned seed = unsigned(std::stoul(argv[1]));
    const long budget = std::stol(argv[2]);
    const QString countFile = QString::fromLocal8Bit(argv[3]);
    std::thread(watchdog).detach();

    fw::Runtime runtime(argc, argv);
    int status = 0;
    long done = 0;
    {
        RandomUser user(seed, budget, countFile);
        runProgram();
        status = runtime.exitStep();
        done = user.done();
        user.writeCount();
    }
    std::fprintf(stderr, "random use: seed %u, %ld actions, exit status %d\n", seed, done, status);
    return status;
}

#include "random_use.moc"
