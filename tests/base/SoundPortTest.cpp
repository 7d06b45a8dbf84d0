// PlayEffect: the effect table, the Sound switch, scene building and numbers out of range.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/SoundPort.h"

namespace rq {
namespace {

class RecordingSound : public SoundPort {
public:
    void Play(std::string_view file, bool interrupts) override { played.emplace_back(std::string(file), interrupts); }
    std::vector<std::pair<std::string, bool>> played;
};

TEST(PlayEffect, PlaysTheTablesFileWithItsInterruptRule) {
    RecordingSound sound;
    EffectPlayer player{&sound};
    player.PlayEffect(kWinGame);
    player.PlayEffect(kPickCrystal);
    player.PlayEffect(kTrain);
    player.PlayEffect(kTick);
    player.PlayEffect(kMakeFuzzy);
    ASSERT_EQ(sound.played.size(), 5u);
    EXPECT_EQ(sound.played[0], std::make_pair(std::string("wingame.wav"), true));
    EXPECT_EQ(sound.played[1], std::make_pair(std::string("pckcryst.wav"), false));
    EXPECT_EQ(sound.played[2], std::make_pair(std::string("train.wav"), true));
    EXPECT_EQ(sound.played[3], std::make_pair(std::string("tick.wav"), true));
    EXPECT_EQ(sound.played[4], std::make_pair(std::string("makefzzy.wav"), false));
}

TEST(PlayEffect, SoundSwitchedOffSceneBuildingOrANumberOutsideOneToTenIsSilent) {
    RecordingSound sound;
    EffectPlayer player{&sound};
    player.SoundOn = false;
    for (std::int16_t n = 1; n <= 10; ++n) player.PlayEffect(n);
    player.SoundOn = true;
    player.SceneBuilding = true;
    for (std::int16_t n = 1; n <= 10; ++n) player.PlayEffect(n);
    EXPECT_TRUE(sound.played.empty());
    player.SceneBuilding = false;
    for (const int n : {0, 11, -3}) player.PlayEffect(static_cast<std::int16_t>(n));  // no such effect
    player.PlayEffect(kZapped);
    EXPECT_EQ(sound.played.size(), 1u);
}

}  // namespace
}  // namespace rq
