// The random generator: range, reproducibility, scripted draws and the game's choice rules.
#include <gtest/gtest.h>

#include "base/Random.h"

namespace rq {
namespace {

TEST(Random, SameSeedGivesSameSequenceOtherSeedsDifferAndScriptedValuesComeFirst) {
    Random a(42);
    Random b(42);
    Random c(43);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const double va = a.Rnd();
        EXPECT_EQ(va, b.Rnd());
        differs = differs || va != c.Rnd();
    }
    EXPECT_TRUE(differs);
    // Scripted values come first, then the generator resumes.
    Random scripted(5);
    Random plain(5);
    scripted.Script({0.25, 0.999});
    EXPECT_EQ(scripted.Rnd(), 0.25);
    EXPECT_EQ(scripted.Rnd(), 0.999);
    EXPECT_EQ(scripted.ScriptedLeft(), 0u);
    EXPECT_EQ(scripted.Rnd(), plain.Rnd());
}

TEST(Random, ChoiceAndEventFollowTheGamesRules) {
    Random rng;
    rng.Script({0.0, 0.999999, 0.5, 0.0, 0.2499, 0.25});
    EXPECT_EQ(rng.ChooseAmong(200), 1);
    EXPECT_EQ(rng.ChooseAmong(200), 200);
    EXPECT_EQ(rng.ChooseAmong(4), 3);  // Int(0.5 × 4) + 1
    EXPECT_TRUE(rng.OneIn(4));         // Int(0 × 4) = 0
    EXPECT_TRUE(rng.OneIn(4));         // Int(0.9996) = 0
    EXPECT_FALSE(rng.OneIn(4));        // Int(1.0) = 1
}

// A draw of 1 or more, or below 0, would give a choice out of range.
TEST(Random, EveryChoiceIsInRangeAndReachedRoughlyEvenly) {
    Random rng(11);
    int counts[6] = {};
    for (int i = 0; i < 60000; ++i) {
        const int k = rng.ChooseAmong(5);
        ASSERT_GE(k, 1);
        ASSERT_LE(k, 5);
        ++counts[k];
    }
    for (int k = 1; k <= 5; ++k) {
        EXPECT_NEAR(counts[k], 12000, 600) << "choice " << k;
    }
}

}  // namespace
}  // namespace rq
