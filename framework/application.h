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
// instance; menu commands that no front window takes go to its handlers.
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

    fw::MenuBar* MenuBar() const;
    void setMenuBar(fw::MenuBar* bar);
    void _AddMenuHandler(const QString& itemName, std::function<bool()> handler);
    std::function<bool()> menuHandler(const QString& itemName) const;

    // The application's Open event, raised when the event loop starts.
    virtual void Event_Open() {}

    // The project's version, as "2.0"; until set, QCoreApplication::applicationVersion().
    QString ShortVersion() const;
    void setShortVersion(const QString& version);
    // The application's resources (pictures by id); never nil while the application lives.
    fw::ResourceFork* ResourceFork() const;

    // Ends the event loop with the code (or, before it runs, makes it return at once).
    void Quit(int code = 0);
    bool quitRequested() const { return quitRequested_; }
    int quitCode() const { return quitCode_; }

    // Raises Open, then runs Qt's event loop until Quit. Returns the quit code.
    int runEventLoop();

    // Tells the user about an exception that escaped the program, in a modal message
    // box, then ends the event loop so that shutdown follows.
    virtual void _UnhandledException(std::exception_ptr error);

private:
    QPointer<fw::MenuBar> menuBar_;
    std::map<QString, std::function<bool()>> menuHandlers_;
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
