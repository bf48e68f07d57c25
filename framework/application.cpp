#include "application.h"

#include "members.h"
#include "menus.h"
#include "system.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace fw {

namespace {

std::unique_ptr<Application>& registered()
{
    static std::unique_ptr<Application> application;
    return application;
}

QString handlerKey(const QString& itemName)
{
    // Item names compare without regard to case, as the framework's strings do.
    return itemName.toCaseFolded();
}

} // namespace

Application::Application() : resourceFork_(std::make_unique<fw::ResourceFork>()) {}

Application::~Application()
{
    // Deleted by someone else than the framework: the framework forgets it.
    if (registered().get() == this)
        (void)registered().release();
}

Application* Application::current()
{
    return registered().get();
}

void Application::registerAsApplication()
{
    if (registered().get() != this)
        registered().reset(this);
}

void releaseApplication()
{
    registered().reset();
}

fw::MenuBar* Application::MenuBar() const
{
    return menuBar_;
}

void Application::setMenuBar(fw::MenuBar* bar)
{
    menuBar_ = bar;
}

void Application::_AddMenuHandler(const QString& itemName, MenuHandler handler)
{
    menuHandlers_[handlerKey(itemName)] = std::move(handler);
}

MenuHandler Application::menuHandler(const QString& itemName) const
{
    const auto found = menuHandlers_.find(handlerKey(itemName));
    return found == menuHandlers_.end() ? MenuHandler() : found->second;
}

QString Application::ShortVersion() const
{
    return shortVersionSet_ ? shortVersion_ : QCoreApplication::applicationVersion();
}

void Application::setShortVersion(const QString& version)
{
    shortVersion_ = version;
    shortVersionSet_ = true;
}

fw::ResourceFork* Application::ResourceFork() const
{
    return resourceFork_.get();
}

void Application::Quit(int code)
{
    quitRequested_ = true;
    quitCode_ = code;
    if (loopRunning_)
        QCoreApplication::exit(code); // also ends a modal dialog's loop that runs inside it
}

int Application::runEventLoop()
{
    if (quitRequested_)
        return quitCode_;
    raiseOwnEvent<void()>(*this, "Open");
    if (quitRequested_)
        return quitCode_;
    if (!QCoreApplication::instance())
        throw RuntimeException("the event loop needs the framework runtime (a QApplication)");
    loopRunning_ = true;
    const int result = QCoreApplication::exec();
    loopRunning_ = false;
    // A loop ended by someone else than Quit still counts as a quit with its code.
    if (!quitRequested_) {
        quitRequested_ = true;
        quitCode_ = result;
    }
    return quitCode_;
}

void Application::_UnhandledException(std::exception_ptr error)
{
    // The program's name is the Qt application's, which the program sets at start-up.
    const QString name = QCoreApplication::applicationName();
    QMessageBox box(QMessageBox::Critical, name,
                    QStringLiteral("An unexpected error occurred and %1 must close.").arg(name), QMessageBox::Ok);
    box.setInformativeText(describeException(error));
    box.exec();
    Quit(1);
}

} // namespace fw
