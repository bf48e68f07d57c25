#pragma once

#include "events.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <exception>
#include <functional>
#include <map>
#include <memory>

namespace fw {

class MenuBar;
class ResourceFork;

// The application object. The program derives its own class and registers one
// instance; menu commands that no front window takes go to its handlers. The derived
// class handles the Open event through its event table and overrides nothing of
// Application's; Application's operations below come first in its table.
class Application : public QObject, public EventSource {
    Q_OBJECT

public:
    Application();
    ~Application() override;

    // The registered application object, or nullptr.
    static Application* current();
    // Makes this object (made with new) the application object; the framework holds it
    // from then on and deletes the one registered before, if any.
    void registerAsApplication();

    // --- operations, by name in this order ---
    // Ends the event loop with the code (or, before it runs, makes it return at once).
    Q_INVOKABLE void Quit(int code);
    // Binds a menu item, by name, to a handler that serves whichever window is in front
    // when the window's own handlers do not take the command.
    Q_INVOKABLE void _AddMenuHandler(const QString& itemName, fw::MenuHandler handler);

    fw::MenuBar* MenuBar() const;
    void setMenuBar(fw::MenuBar* bar);
    MenuHandler menuHandler(const QString& itemName) const;

    // The project's version, as "2.0"; until set, QCoreApplication::applicationVersion().
    QString ShortVersion() const;
    void setShortVersion(const QString& version);
    // The application's resources (pictures by id); never nil while the application lives.
    fw::ResourceFork* ResourceFork() const;

    bool quitRequested() const { return quitRequested_; }
    int quitCode() const { return quitCode_; }

    // Raises Open (handled through the class's event table, members.h), then runs Qt's
    // event loop until Quit. Returns the quit code.
    int runEventLoop();

    // Tells the user about an exception that escaped the program, in a modal message
    // box, then ends the event loop so that shutdown follows.
    virtual void _UnhandledException(std::exception_ptr error);

private:
    QPointer<fw::MenuBar> menuBar_;
    std::map<QString, MenuHandler> menuHandlers_;
    QString shortVersion_;
    bool shortVersionSet_ = false;
    std::unique_ptr<fw::ResourceFork> resourceFork_;
    bool quitRequested_ = false;
    int quitCode_ = 0;
    bool loopRunning_ = false;
};

// Deletes the registered application object (shutdown; tests).
void releaseApplication();

} // namespace fw
