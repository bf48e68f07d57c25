#include "main_window_fixture.h"

#include "app/shell/menu_bar1.h"
#include "support/stand_in_app.h"
#include "trigrams/trigrams.h"

#include "framework/application.h"
#include "framework/popup_menu.h"
#include "framework/runtime.h"
#include "framework/system.h"

#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

namespace {

// The program's classes, as start-up has them before any window (the test main has
// made the framework runtime).
class ProgramEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        registerOruvelClass();
        trigrams::createTable();
        trigrams::registerTrigramClass();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        fw::installTranslation(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { destroyAllWindows(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ProgramEnvironment);

} // namespace

void destroyAllWindows()
{
    fw::releaseImplicitWindowList();
    fw::releaseDirtyWindows();
    fw::releaseWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void MainWindowTest::SetUp()
{
    application = testsupport::newStandInApp();
    application->setMenuBar(MenuBar1());
    application->registerAsApplication();
    window = Oruvel();
    ASSERT_NE(window, nullptr);
}

void MainWindowTest::TearDown()
{
    destroyAllWindows();
    window = nullptr;
}

void MainWindowTest::showTrigram(int number)
{
    control<fw::PopupMenu>("trigramNum")->setListIndex(number - 1);
}

bool hasInk(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 0 && (c.red() < 200 || c.green() < 200 || c.blue() < 200))
                return true;
        }
    }
    return false;
}
