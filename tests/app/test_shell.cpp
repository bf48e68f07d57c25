// The pieces of the shell: the cached pictures, the windows' icon, the localized
// caption, the file type, and the application's menu items.
#include "app/app.h"
#include "app/desktop_identity.h"
#include "app/shell/file_types.h"
#include "app/shell/localization.h"
#include "app/shell/menu_bar1.h"
#include "app/shell/menu_items.h"
#include "app/shell/pictures.h"

#include "framework/menus.h"
#include "framework/picture.h"
#include "framework/system.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QLocale>

#include <utility>

namespace {

// Leaves the English texts (no translation) however the test ends.
struct TranslationGuard {
    ~TranslationGuard() { fw::installTranslation(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

} // namespace

TEST(PictureCacheTest, APictureIsReadOnceAndKept)
{
    CachedPicture cache(174);
    int reads = 0;
    const auto load = [&reads](int id) {
        ++reads;
        EXPECT_EQ(id, 174);
        return fw::NewPicture(10, 10, 32);
    };
    const auto first = cache.get(load);
    EXPECT_EQ(cache.get(load), first);
    EXPECT_EQ(reads, 1);
    cache.release();
    EXPECT_FALSE(cache.isCached());
    EXPECT_NE(cache.get(load), nullptr);
    EXPECT_EQ(reads, 2);
}

TEST(PictureCacheTest, AMissingPictureIsAskedForAgain)
{
    CachedPicture cache(175);
    int reads = 0;
    const auto missing = [&reads](int) {
        ++reads;
        return std::shared_ptr<fw::Picture>();
    };
    EXPECT_EQ(cache.get(missing), nullptr);
    EXPECT_EQ(cache.get(missing), nullptr);
    EXPECT_EQ(reads, 2);
    EXPECT_FALSE(cache.isCached());
}

TEST(PictureCacheTest, TheFourPicturesComeFromTheApplicationsResources)
{
    auto* app = new class App;
    app->registerAsApplication();
    const auto generating = ElementConstructive();
    ASSERT_NE(generating, nullptr);
    EXPECT_EQ(generating->Width(), 200);
    EXPECT_EQ(ElementConstructive(), generating);
    EXPECT_NE(ElementReductive(), nullptr);
    EXPECT_NE(ControlDestruction(), nullptr);
    EXPECT_NE(OruvIconAbout(), nullptr);
    EXPECT_NE(ElementReductive(), ControlDestruction());
    for (CachedPicture* cache : {&Pictures::elementConstructive(), &Pictures::elementReductive(),
                                 &Pictures::controlDestruction(), &Pictures::oruvIconAbout()}) {
        EXPECT_TRUE(cache->isCached()) << cache->resourceId();
        cache->release();
    }
}

// The build draws the icon at the sizes that X11 asks each new window for; they must be
// the program's icon picture as it would be drawn at those sizes.
TEST(WindowIconTest, TheBuildDrewThePictureAtTheSizesOfAWindowIcon)
{
    presentToDesktop();
    const QIcon icon = QApplication::windowIcon();
    const QIcon picture(QStringLiteral(":/pictures/177.svg"));
    ASSERT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}, {128, 128}}));
    for (const QSize size : icon.availableSizes()) {
        SCOPED_TRACE(size.width());
        // As X11 takes them for the window's icon property.
        EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                  picture.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32));
    }
}

// The translations that ship, as the user's language picks them at start-up.
TEST(LocalizationTest, TheNatureCaptionIsRepresentsUnlessTranslated)
{
    TranslationGuard guard;
    const std::pair<QLocale, QString> cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "Represents"},
        {QLocale(QLocale::Japanese, QLocale::Japan), "Represents"}, // no Japanese translation ships
        {QLocale(QLocale::German, QLocale::Germany), QString::fromUtf8("Steht f\u00FCr")},
        {QLocale(QLocale::German, QLocale::Austria), QString::fromUtf8("Steht f\u00FCr")},
        {QLocale(QLocale::French, QLocale::France), QString::fromUtf8("Repr\u00E9sente")},
        {QLocale(QLocale::French, QLocale::Canada), QString::fromUtf8("Repr\u00E9sente")},
    };
    for (const auto& [locale, caption] : cases) {
        fw::installTranslation(locale);
        EXPECT_EQ(LocalizationMod::kNature(), caption) << locale.name().toStdString();
    }
}

TEST(FileTypesTest, TheDeclaredTextType)
{
    FileTypes::_Initialize();
    ASSERT_NE(FileTypes::pText, nullptr);
    EXPECT_EQ(FileTypes::pText->Name(), "text");
    EXPECT_EQ(FileTypes::pText->Extensions(), "");
    EXPECT_EQ(FileTypes::pText->MacType(), "TEXT");
    EXPECT_EQ(FileTypes::pText->MacCreator(), "R*ch");
    FileTypes::release();
    EXPECT_EQ(FileTypes::pText, nullptr);
}

TEST(MenuItemsTest, TheApplicationsItemsAreFoundThroughItsMenuBar)
{
    auto* app = new class App;
    app->setMenuBar(MenuBar1());
    app->registerAsApplication();
    EXPECT_EQ(WindowShowInfo(), MenuBar1()->_Lookup("WindowShowInfo"));
    EXPECT_EQ(FileClose()->Name(), "FileClose");
    app->setMenuBar(nullptr);
    EXPECT_THROW(FileClose(), fw::NilObjectException);
}
