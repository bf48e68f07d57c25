// System services: ShowURL, pictures from the resources, localized strings, dates that
// never roll into another month, and screens.
#include "test_system_support.h"

#include "framework/exceptions.h"
#include "framework/picture.h"
#include "framework/system.h"

#include <QBuffer>
#include <QDate>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QScreen>

#include <climits>

using namespace testsystem;

namespace {

const QByteArray kRedSvg = "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='30'>"
                           "<rect width='40' height='30' fill='#ff0000'/></svg>";

// A blue picture as a PNG file.
QByteArray bluePng(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(0, 0, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// Leaves no translation installed when a test ends, whatever it installed.
struct TranslationGuard {
    ~TranslationGuard() { fw::installTranslation(QLocale::c()); }
};

QDate asQDate(const fw::Date& date)
{
    return QDate(date.Year(), date.Month(), date.Day());
}

} // namespace

// ---------------------------------------------------------------- ShowURL

TEST(ShowUrlTest, HandsTheAddressUnchangedToTheBrowser)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    fw::ShowURL("https://www.example.com/Reduvazidez_Idod_Ezir.html");
    fw::ShowURL("www.example.com");
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("http");
    ASSERT_EQ(catcher.opened.size(), 2);
    EXPECT_EQ(catcher.opened[0].toString(), "https://www.example.com/Reduvazidez_Idod_Ezir.html");
    EXPECT_EQ(catcher.opened[1].toString(), "http://www.example.com");
}

// ---------------------------------------------------------------- pictures

TEST(ResourceForkTest, AnIdWithoutAPictureGivesNil)
{
    fw::ResourceFork fork;
    EXPECT_EQ(fork.GetPicture(9999), nullptr);
    EXPECT_EQ(fork.GetPicture(-1), nullptr);
    EXPECT_TRUE(fork.GetIcon(9999).isNull());
}

TEST(ResourceForkTest, APictureResourceIsDrawnAtItsOwnSize)
{
    TemporaryResources resources(Files{{"pictures/9001.svg", kRedSvg}, {"pictures/9002.svg", "not a picture"}});
    ASSERT_TRUE(resources.registered());
    fw::ResourceFork fork;
    const std::shared_ptr<fw::Picture> picture = fork.GetPicture(9001);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 40);
    EXPECT_EQ(picture->Height(), 30);
    EXPECT_EQ(picture->image().pixelColor(20, 15), QColor(255, 0, 0));
    EXPECT_EQ(fork.GetPicture(9002), nullptr);

    // As an icon it is drawn at the size asked for, not enlarged from its own.
    const QImage icon = fork.GetIcon(9001).pixmap(QSize(160, 120)).toImage();
    EXPECT_EQ(icon.size(), QSize(160, 120));
    EXPECT_EQ(icon.pixelColor(80, 60), QColor(255, 0, 0));
}

// The icon reads its picture only when first used; it must then answer as an icon made
// from the file directly, at every size, and a file that is no picture gives a null icon.
TEST(ResourceForkTest, AnIconAnswersAsTheFileItself)
{
    TemporaryResources resources(Files{{"pictures/9001.svg", kRedSvg}, {"pictures/9002.svg", "not a picture"}});
    ASSERT_TRUE(resources.registered());
    fw::ResourceFork fork;
    EXPECT_TRUE(fork.GetIcon(9002).isNull());
    const QIcon direct(QStringLiteral(":/pictures/9001.svg"));
    const QIcon icon = fork.GetIcon(9001);
    const QIcon copy = icon; // a copy made before the picture was read
    EXPECT_FALSE(icon.isNull());
    for (const QSize size : {QSize(16, 16), QSize(40, 30), QSize(64, 64), QSize(256, 256)}) {
        SCOPED_TRACE(size.width());
        EXPECT_EQ(icon.actualSize(size), direct.actualSize(size));
        EXPECT_EQ(copy.pixmap(size).toImage(), direct.pixmap(size).toImage());
        EXPECT_EQ(icon.pixmap(size, QIcon::Disabled).toImage(), direct.pixmap(size, QIcon::Disabled).toImage());
    }
}

// Sizes drawn beforehand ("<id>/<n>.png") are the icon's sizes, shown from their files;
// any other size is still drawn from the picture.
TEST(ResourceForkTest, AnIconShowsTheSizesDrawnBeforehandFromTheirFiles)
{
    TemporaryResources resources(Files{{"pictures/9001.svg", kRedSvg},
                                       {"pictures/9001/16.png", bluePng(QSize(16, 16))},
                                       {"pictures/9001/32.png", bluePng(QSize(32, 24))},
                                       {"pictures/9001/large.png", bluePng(QSize(8, 8))},
                                       {"pictures/9003.svg", kRedSvg}});
    ASSERT_TRUE(resources.registered());
    fw::ResourceFork fork;
    const QIcon icon = fork.GetIcon(9001);
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    const QImage small = icon.pixmap(QSize(16, 16)).toImage();
    EXPECT_EQ(small.size(), QSize(16, 16));
    EXPECT_EQ(small.pixelColor(8, 8), QColor(0, 0, 255));
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).size(), QSize(32, 24));
    const QImage drawn = icon.pixmap(QSize(40, 30)).toImage();
    EXPECT_EQ(drawn.size(), QSize(40, 30));
    EXPECT_EQ(drawn.pixelColor(20, 15), QColor(255, 0, 0));
    EXPECT_TRUE(fork.GetIcon(9003).availableSizes().isEmpty());
}

// The program's own artwork, once it is in resources/pictures.
TEST(ResourceForkTest, TheProgramsPicturesAreReadable)
{
    const QDir pictures(QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources/pictures"));
    Files files;
    for (int id = 174; id <= 177; ++id) {
        QFile file(pictures.filePath(QStringLiteral("%1.svg").arg(id)));
        if (file.open(QIODevice::ReadOnly))
            files[QStringLiteral("pictures/%1.svg").arg(id)] = file.readAll();
    }
    if (files.empty())
        GTEST_SKIP() << "no artwork in " << pictures.path().toStdString() << " yet";
    TemporaryResources resources(files);
    ASSERT_TRUE(resources.registered());
    fw::ResourceFork fork;
    for (const auto& [path, content] : files) {
        const int id = QFileInfo(path).baseName().toInt();
        const std::shared_ptr<fw::Picture> picture = fork.GetPicture(id);
        ASSERT_NE(picture, nullptr) << id;
        EXPECT_GT(picture->Width(), 0) << id;
        EXPECT_GT(picture->Height(), 0) << id;
    }
}

// ---------------------------------------------------------------- localized strings

TEST(LocalizedStringTest, TheInstalledLanguagesTextOrTheDefault)
{
    TranslationGuard guard;
    const Files files{
        {"translations/de.qm", compiledTranslation("de", {{"Sample.kGreeting", "Hallo"}, {"Sample.kPending", ""}})},
        {"translations/fr.qm", compiledTranslation("fr", {{"Sample.kGreeting", QString::fromUtf8("Salut à toi")}})}};
    for (const auto& [path, qm] : files)
        ASSERT_FALSE(qm.isEmpty()) << "lrelease made no " << path.toStdString();
    TemporaryResources resources(files);
    ASSERT_TRUE(resources.registered());

    struct Case {
        const char* locale;
        bool installed;
        const char* key;
        QString expected;
    };
    // In this order: a language without a translation must also remove the one before.
    const Case cases[] = {
        {"de", true, "Sample.kGreeting", "Hallo"},
        {"de", true, "Sample.kPending", "Default"},   // not translated yet
        {"de", true, "Missing.Key", "Default"},
        {"de", true, "", "Default"},
        {"de_AT", true, "Sample.kGreeting", "Hallo"}, // the language when the country has none
        {"fr_CA", true, "Sample.kGreeting", QString::fromUtf8("Salut à toi")},
        {"ja_JP", false, "Sample.kGreeting", "Default"},
        {"de", true, "Sample.kGreeting", "Hallo"},
        {"C", false, "Sample.kGreeting", "Default"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fw::installTranslation(QLocale(c.locale)), c.installed) << c.locale;
        EXPECT_EQ(fw::System::_GetLocalizedString(c.key, "Default"), c.expected) << c.locale << " " << c.key;
    }
}

TEST(LocalizedStringTest, ATranslationThatIsNotATranslationFileInstallsNothing)
{
    TranslationGuard guard;
    TemporaryResources resources(Files{{"translations/nl.qm", "not a translation"}});
    ASSERT_TRUE(resources.registered());
    EXPECT_FALSE(fw::installTranslation(QLocale("nl")));
    EXPECT_EQ(fw::System::_GetLocalizedString("Sample.kGreeting", "Default"), "Default");
}

// ---------------------------------------------------------------- dates

TEST(DateTest, StartsAsToday)
{
    const QDate before = QDate::currentDate();
    const fw::Date date;
    const QDate after = QDate::currentDate();
    EXPECT_TRUE(asQDate(date) == before || asQDate(date) == after);
}

TEST(DateTest, AMonthOrDayTheMonthLacksIsClampedNeverRolled)
{
    fw::Date date;
    date.setYear(2023);
    date.setMonth(1);
    date.setDay(31);
    date.setMonth(2);
    EXPECT_EQ(asQDate(date), QDate(2023, 2, 28));
    date.setYear(2024);
    date.setMonth(1);
    date.setDay(31);
    date.setMonth(2);
    EXPECT_EQ(asQDate(date), QDate(2024, 2, 29));
    date.setMonth(4);
    date.setDay(31);
    EXPECT_EQ(asQDate(date), QDate(2024, 4, 30));
    date.setDay(0);
    EXPECT_EQ(date.Day(), 1);
    date.setMonth(13);
    EXPECT_EQ(date.Month(), 12);
    date.setMonth(-5);
    EXPECT_EQ(date.Month(), 1);
}

TEST(DateTest, ChangingTheYearKeepsTheDayInsideFebruary)
{
    fw::Date date;
    date.setYear(2000);
    date.setMonth(2);
    date.setDay(29);
    EXPECT_EQ(date.Day(), 29);
    date.setYear(1900);
    EXPECT_EQ(date.Day(), 28);
    EXPECT_EQ(date.Month(), 2);
}

TEST(DateTest, AnyYearIsFineYearZeroAndNegativeOnesIncluded)
{
    fw::Date date;
    date.setYear(0);
    date.setMonth(2);
    date.setDay(29);
    EXPECT_EQ(date.Year(), 0);
    EXPECT_EQ(date.Day(), 29); // year 0 is a leap year
    date.setYear(-1);
    EXPECT_EQ(date.Day(), 28);
    date.setYear(-4);
    date.setDay(29);
    EXPECT_EQ(date.Day(), 29);
    date.setYear(INT_MIN);
    EXPECT_EQ(date.Year(), INT_MIN);
    date.setYear(INT_MAX);
    EXPECT_EQ(date.Year(), INT_MAX);
    EXPECT_EQ(date.Day(), 28);
}

// ---------------------------------------------------------------- screens

TEST(ScreenTest, TheFirstScreensSizeAndNoScreenOutsideTheList)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_FALSE(screens.isEmpty());
    const fw::Screen first(0);
    EXPECT_EQ(first.Width(), screens.first()->geometry().width());
    EXPECT_EQ(first.Height(), screens.first()->geometry().height());
    EXPECT_THROW(fw::Screen(-1), fw::OutOfBoundsException);
    EXPECT_THROW(fw::Screen(static_cast<int>(screens.size())), fw::OutOfBoundsException);
}
