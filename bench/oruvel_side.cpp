#include "oruvel_side.h"

#include "app/app.h"
#include "app/startup.h"
#include "main_window/oruvel.h"
#include "windows/about_box.h"
#include "windows/help.h"

#include "framework/listbox.h"
#include "framework/tab_panel.h"
#include "framework/runtime.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstring>

namespace bench {

namespace {

class OruvelWindow : public BenchWindow {
public:
    OruvelWindow()
    {
        _MakeDefaultView();
        window_ = ::Oruvel();
    }
    ~OruvelWindow() override
    {
        fw::releaseImplicitWindowList();
        fw::releaseDirtyWindows();
        fw::releaseWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void selectRow(int row) override { window_->control<fw::Listbox>(QStringLiteral("TriBox"))->setListIndex(row); }
    void showInfoPage(int page) override
    {
        window_->control<fw::TabPanel>(QStringLiteral("InfoPanel"))->setValue(page);
    }

private:
    class Oruvel* window_ = nullptr;
};

} // namespace

void startProgram()
{
    registerProgramClasses();
    // Start-up's steps up to the main window, which the caller opens itself.
    for (const ProgramStep& step : mainSteps()) {
        if (std::strcmp(step.name, "_MakeDefaultView") == 0)
            break;
        step.run();
    }
}

std::unique_ptr<BenchWindow> openOruvelWindow()
{
    return std::make_unique<OruvelWindow>();
}

bool parseSecondary(const char* name, Secondary& window)
{
    const std::pair<const char*, Secondary> names[] = {
        {"about", Secondary::About}, {"info", Secondary::Info}, {"help", Secondary::Help}};
    for (const auto& [text, each] : names) {
        if (std::strcmp(name, text) == 0) {
            window = each;
            return true;
        }
    }
    return false;
}

void openAndClose(Secondary window)
{
    class App* app = ::App();
    switch (window) {
    case Secondary::About:
        app->_AppleAboutOruvel_Action();
        settle();
        ::AboutBox()->Close();
        break;
    case Secondary::Info:
        app->_WindowShowInfo_Action();
        settle();
        app->_WindowShowInfo_Action();
        break;
    case Secondary::Help:
        app->_HelpHelp_Action();
        settle();
        ::Help()->Close();
        break;
    }
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace bench
