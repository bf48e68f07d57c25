// The pieces of the shell: the cached pictures, the localized caption, the file type,
// and the application's menu items.
#include "app/app.h"
#include "app/shell/file_types.h"
#include "app/shell/localization.h"
#include "app/shell/menu_bar1.h"
#include "app/shell/menu_items.h"
#include "app/shell/pictures.h"

#include "framework/menus.h"
#include "framework/picture.h"
#include "framework/system.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

// Restores English however the test ends.
struct LocaleGuard {
    ~LocaleGuard() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
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

TEST(LocalizationTest, TheNatureCaptionIsRepresentsUnlessTranslated)
{
    LocaleGuard guard;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(LocalizationMod::kNature(), "Represents");
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(LocalizationMod::kNature(), "Represents") << "no Japanese localization ships";
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Austria));
    EXPECT_EQ(LocalizationMod::kNature(), QString::fromUtf8("Steht f\u00FCr"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
    EXPECT_EQ(LocalizationMod::kNature(), QString::fromUtf8("Repr\u00E9sente"));
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
