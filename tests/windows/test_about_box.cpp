// The About window: its controls, its version line, its icon, its links and the click
// that hides it.
#include "url_catcher.h"
#include "windows_fixture.h"

#include "app/shell/pictures.h"
#include "app/shell/web_addresses.h"
#include "windows/about_box.h"

#include "framework/application.h"
#include "framework/canvas.h"
#include "framework/static_text.h"

#include <QMainWindow>
#include <QPointer>
#include <QTest>

namespace {

using windowtests::kTestVersion;
using windowtests::UrlCatcher;

class AboutBoxTest : public windowtests::WindowsTest {};

void click(QWidget* widget, QPoint at = QPoint(5, 5))
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

TEST_F(AboutBoxTest, BuildsSevenControlsInTheirOrderAndShowsTheApplicationsVersion)
{
    class AboutBox* about = AboutBox();
    const char* const names[] = {"StaticText1", "versionDisp", "StaticText3", "daURL",
                                 "Canvas1",     "daURL1",      "StaticText4"};
    ASSERT_EQ(about->controls().size(), std::size(names));
    for (std::size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(about->controls()[i]->Name(), QString::fromLatin1(names[i]));
    EXPECT_EQ(about->StaticText1()->Text(), "Oruvel");
    EXPECT_EQ(about->versionDisp()->Text(), kTestVersion); // not the design text "2.0b"
    EXPECT_EQ(about->StaticText4()->Text(), "Thanks to Corvale Feng Shui Consultants.");
    EXPECT_EQ(about->StaticText3()->Text().count('\r'), 3); // four lines
    EXPECT_EQ(about->Title(), "About Oruvel");
}

TEST_F(AboutBoxTest, AnEmptyShortVersionLeavesTheLineEmpty)
{
    fw::Application::current()->setShortVersion(QString());
    EXPECT_EQ(AboutBox()->versionDisp()->Text(), QString());
}

TEST_F(AboutBoxTest, TheIconIsPicture177AsTheCanvassBackdrop)
{
    class AboutBox* about = AboutBox();
    ASSERT_NE(OruvIconAbout(), nullptr);
    EXPECT_EQ(about->Canvas1()->Backdrop(), OruvIconAbout());
    // The backdrop shows: the canvas is not left blank.
    const QImage shown = about->Canvas1()->grab();
    bool anyPainted = false;
    for (int y = 0; y < shown.height() && !anyPainted; ++y) {
        for (int x = 0; x < shown.width() && !anyPainted; ++x)
            anyPainted = qAlpha(shown.pixel(x, y)) != 0;
    }
    EXPECT_TRUE(anyPainted);
}

// The record's limits (284 by 231) would cut the two lowest controls off.
TEST_F(AboutBoxTest, StaysAt301By323WithoutATitleBarAndCannotBeResized)
{
    class AboutBox* about = AboutBox();
    EXPECT_EQ(about->content()->size(), QSize(301, 323));
    EXPECT_EQ(about->widget()->minimumSize(), about->widget()->maximumSize());
    EXPECT_TRUE(about->widget()->windowFlags().testFlag(Qt::FramelessWindowHint));
    for (fw::RectControl* control : about->controls()) {
        EXPECT_LE(control->Top() + control->Height(), about->content()->height()) << control->Name().toStdString();
        EXPECT_TRUE(control->widget()->isVisible()) << control->Name().toStdString();
    }
}

TEST_F(AboutBoxTest, ItIsOneWindowWhetherShownOrHidden)
{
    class AboutBox* first = AboutBox();
    EXPECT_EQ(AboutBox(), first);
    first->setVisible(false);
    EXPECT_EQ(AboutBox(), first);
    EXPECT_EQ(windowtests::openWindowsOf<class AboutBox>(), 1);
}

TEST_F(AboutBoxTest, AClickOnTheWindowHidesItWithoutClosingIt)
{
    class AboutBox* about = AboutBox();
    ASSERT_TRUE(about->Visible());
    click(about->content(), QPoint(10, 300)); // below every control
    EXPECT_FALSE(about->Visible());
    EXPECT_FALSE(about->widget()->isVisible());
    EXPECT_FALSE(about->isClosed());

    about->Show();
    EXPECT_TRUE(about->widget()->isVisible());
    EXPECT_EQ(about->versionDisp()->Text(), kTestVersion);
}

TEST_F(AboutBoxTest, AClickOnTheIconOrTheTextHidesItToo)
{
    class AboutBox* about = AboutBox();
    click(about->Canvas1()->widget());
    EXPECT_FALSE(about->Visible());
    about->Show();
    click(about->StaticText3()->widget());
    EXPECT_FALSE(about->Visible());
}

TEST_F(AboutBoxTest, OnceClosedANewWindowIsBuiltAndOpensAgain)
{
    QPointer<class AboutBox> first = AboutBox();
    first->versionDisp()->setText(QStringLiteral("stale"));
    first->Close();
    windowtests::destroyClosedWindows();
    EXPECT_TRUE(first.isNull());
    class AboutBox* second = AboutBox();
    EXPECT_EQ(second->versionDisp()->Text(), kTestVersion);
}

TEST_F(AboutBoxTest, TheMakersLinkOpensTheAddressItShowsNow)
{
    UrlCatcher browser;
    class AboutBox* about = AboutBox();
    EXPECT_EQ(about->daURL()->Text(), QString::fromLatin1(WebAddresses::kMakerSite));
    click(about->daURL()->widget());
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0], QUrl(about->daURL()->Text()));
    EXPECT_TRUE(about->Visible()); // a link click leaves the window shown

    about->daURL()->setText(QStringLiteral("https://elsewhere.example/page"));
    click(about->daURL()->widget());
    ASSERT_EQ(browser.opened.size(), 2);
    EXPECT_EQ(browser.opened[1], QUrl("https://elsewhere.example/page"));
}

TEST_F(AboutBoxTest, TheConsultancysLinkOpensItsFixedPageWhateverItShows)
{
    UrlCatcher browser;
    class AboutBox* about = AboutBox();
    EXPECT_EQ(about->daURL1()->Text(), QString::fromLatin1(WebAddresses::kConsultancySite));
    about->daURL1()->setText(QStringLiteral("https://elsewhere.example/"));
    click(about->daURL1()->widget());
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0], QUrl(QString::fromLatin1(WebAddresses::kConsultancyPage)));
    EXPECT_TRUE(browser.opened[0].path().endsWith("/Reduvazidez_Idod_Ezir.html"));
    EXPECT_TRUE(about->Visible());
}

TEST_F(AboutBoxTest, AnswersNoMenuCommand)
{
    class AboutBox* about = AboutBox();
    for (const char* item : {"FileClose", "AppleAboutOruvel", "WindowShowInfo", "HelpHelp"})
        EXPECT_FALSE(about->menuHandler(QString::fromLatin1(item))) << item;
}

} // namespace
