// The records' lifetimes: the empty table of start-up, the build, a rebuild, and
// shutdown's release of the globals and then of the table.
#include "trigrams_fixture.h"

#include "framework/exceptions.h"

#include <climits>
#include <string>
#include <vector>

namespace {

using LifecycleTest = TrigramsTest;

bool sameContent(const trigram& a, const trigram& b)
{
    const QMetaObject& meta = trigram::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        if (meta.property(i).readOnGadget(&a) != meta.property(i).readOnGadget(&b))
            return false;
    }
    return true;
}

TEST_F(LifecycleTest, BeforeTheBuildNothingIsHeld)
{
    for (std::shared_ptr<trigram>* global : globals())
        EXPECT_EQ(*global, nullptr);
    ASSERT_TRUE(trigrams::tri.exists());
    for (int slot = 0; slot <= trigrams::TrigramTable::UBound; ++slot)
        EXPECT_EQ(trigrams::tri.at(slot), nullptr) << "slot " << slot;
}

TEST_F(LifecycleTest, SlotNHoldsTheGlobalOfNumberN)
{
    trigrams::InitTrigrams();
    EXPECT_EQ(trigrams::tri.at(0), nullptr);
    for (int n = 1; n <= 9; ++n) {
        const std::shared_ptr<trigram> held = *globals()[static_cast<std::size_t>(n - 1)];
        ASSERT_NE(held, nullptr) << "global " << n;
        EXPECT_EQ(trigrams::tri.at(n), held) << "slot " << n;
        EXPECT_EQ(held->Number, n);
        EXPECT_EQ(held.use_count(), 3) << "the global, the slot and this test";
    }
}

// A rebuild makes nine new records of the same content; the old ones die with
// their last holder.
TEST_F(LifecycleTest, RebuildReplacesEveryRecord)
{
    trigrams::InitTrigrams();
    std::vector<std::shared_ptr<trigram>> first;
    std::vector<std::weak_ptr<trigram>> watched;
    for (std::shared_ptr<trigram>* global : globals()) {
        first.push_back(*global);
        watched.push_back(*global);
    }

    trigrams::InitTrigrams();
    for (std::size_t i = 0; i < 9; ++i) {
        const std::shared_ptr<trigram>& now = *globals()[i];
        EXPECT_NE(now, first[i]);
        EXPECT_EQ(trigrams::tri.at(static_cast<int>(i + 1)), now);
        EXPECT_TRUE(sameContent(*now, *first[i])) << "record " << i + 1;
        EXPECT_EQ(first[i].use_count(), 1) << "only this test still holds record " << i + 1;
    }

    first.clear();
    for (const std::weak_ptr<trigram>& old : watched)
        EXPECT_TRUE(old.expired());
}

// Records that only the globals hold die as each global lets go, so their
// destruction order is the release order.
TEST_F(LifecycleTest, ReleaseRecordsGoesFromKanToLi)
{
    std::vector<std::string> destroyed;
    const auto watchedRecord = [&destroyed](std::string name) {
        return std::shared_ptr<trigram>(new trigram, [&destroyed, name](trigram* record) {
            destroyed.push_back(name);
            delete record;
        });
    };
    using namespace trigrams;
    li = watchedRecord("li");
    kan = watchedRecord("kan");
    gen = watchedRecord("gen");
    kun = watchedRecord("kun");
    dui = watchedRecord("dui");
    zhen = watchedRecord("zhen");
    qian = watchedRecord("qian");
    xun = watchedRecord("xun");
    taiji = watchedRecord("taiji");

    releaseRecords();
    const std::vector<std::string> expected{"kan", "kun", "zhen", "xun", "taiji",
                                            "qian", "dui", "gen", "li"};
    EXPECT_EQ(destroyed, expected);
    for (std::shared_ptr<trigram>* global : globals())
        EXPECT_EQ(*global, nullptr);
}

// Shutdown: the globals let go first, but the table still holds the records; they
// are destroyed when the table is released.
TEST_F(LifecycleTest, ShutdownDestroysTheRecordsWithTheTable)
{
    trigrams::InitTrigrams();
    std::vector<std::weak_ptr<trigram>> watched;
    for (std::shared_ptr<trigram>* global : globals())
        watched.push_back(*global);

    trigrams::releaseRecords();
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(*globals()[i], nullptr);
        EXPECT_FALSE(watched[i].expired()) << "slot " << i + 1 << " still holds it";
    }

    trigrams::releaseTable();
    EXPECT_FALSE(trigrams::tri.exists());
    for (const std::weak_ptr<trigram>& record : watched)
        EXPECT_TRUE(record.expired());
}

TEST_F(LifecycleTest, IndexesOutsideZeroToNineAreRefused)
{
    trigrams::InitTrigrams();
    EXPECT_NO_THROW(trigrams::tri.at(0));
    EXPECT_NO_THROW(trigrams::tri.at(9));
    for (const int bad : {-1, 10, INT_MIN, INT_MAX}) {
        EXPECT_THROW(trigrams::tri.at(bad), fw::OutOfBoundsException) << bad;
        EXPECT_THROW(trigrams::tri.put(bad, trigrams::kan), fw::OutOfBoundsException) << bad;
    }
    EXPECT_EQ(trigrams::tri.at(1), trigrams::kan) << "a refused store changes nothing";
}

TEST_F(LifecycleTest, AReleasedTableIsNil)
{
    trigrams::releaseTable();
    EXPECT_THROW(trigrams::tri.at(1), fw::NilObjectException);
    EXPECT_THROW(trigrams::tri.at(42), fw::NilObjectException);
    EXPECT_THROW(trigrams::tri.put(1, nullptr), fw::NilObjectException);
    EXPECT_THROW(trigrams::InitTrigrams(), fw::NilObjectException);
}

} // namespace
