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
    const std::pair<std::int16_t, std::pair<std::string, bool>> table[] = {{kWinGame, {"wingame.wav", true}},
                                                                           {kPickCrystal, {"pckcryst.wav", false}},
                                                                           {kTrain, {"train.wav", true}},
                                                                           {kTick, {"tick.wav", true}},
                                                                           {kMakeFuzzy, {"makefzzy.wav", false}}};
    std::vector<std::pair<std::string, bool>> expected;
    for (const auto& [number, played] : table) {
        player.PlayEffect(number);
        expected.push_back(played);
    }
    EXPECT_EQ(sound.played, expected);
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
