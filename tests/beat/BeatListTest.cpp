#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "beat/BeatList.h"

namespace {

std::vector<float> Entries(const BeatList& list) {
    return {list.begin(), list.end()};
}

TEST(BeatList, KeepsEntriesInTheOrderAppended) {
    BeatList list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_THAT(Entries(list), testing::IsEmpty());
    for (int i = 0; i < 25; ++i) {
        list.Append(0.5F * i);
    }
    EXPECT_EQ(list.Count(), 25);
    EXPECT_EQ(Entries(list).front(), 0.0F);
    EXPECT_EQ(Entries(list).back(), 12.0F);
}

TEST(BeatList, PoolGrowsByBlocksOfTenAndIsReleasedWhenTheListEmpties) {
    BeatList list;
    EXPECT_EQ(list.PoolBlocks(), 0U);
    for (int i = 0; i < 11; ++i) {
        list.Append(float(i));
    }
    EXPECT_EQ(list.PoolBlocks(), 2U);
    list.RemoveIf([](float time) { return time >= 1.0F; });
    EXPECT_EQ(list.PoolBlocks(), 2U);
    EXPECT_THAT(Entries(list), testing::ElementsAre(0.0F));
    list.RemoveIf([](float) { return true; });
    EXPECT_EQ(list.PoolBlocks(), 0U);
    EXPECT_EQ(list.Count(), 0);
}

TEST(BeatList, RemovingWhileWalkingKeepsTheRestLinkedBothWays) {
    BeatList list;
    for (int i = 0; i < 13; ++i) {
        list.Append(float(i));
    }
    list.RemoveIf([](float time) { return int(time) % 3 == 0; });
    EXPECT_THAT(Entries(list), testing::ElementsAre(1, 2, 4, 5, 7, 8, 10, 11));
    // Freed nodes are used again before the pool grows.
    list.Append(12.0F);
    list.Append(13.0F);
    EXPECT_EQ(list.PoolBlocks(), 2U);
    EXPECT_THAT(Entries(list), testing::ElementsAre(1, 2, 4, 5, 7, 8, 10, 11, 12, 13));
    list.Clear();
    EXPECT_EQ(list.PoolBlocks(), 0U);
    list.Append(1.0F);
    EXPECT_THAT(Entries(list), testing::ElementsAre(1.0F));
}

}  // namespace
