// The audio voice on SDL's disk driver: which effects are heard when (the Sound switch and scene
// building silence them before the voice: SoundPortTest), and silence for missing or damaged files
// and when there is no audio device at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "sound/SoundTestSupport.h"

namespace rq {
namespace {

using test::WaveBytes;
using test::WriteFile;

// Each test file is one constant value, so the output shows which file played and how much of it.
constexpr std::int16_t kLongValue = 1000;     // wingame.wav, interrupts, one second
constexpr std::int16_t kGiveWayValue = 2000;  // pckcryst.wav, gives way, 50 ms
constexpr std::int16_t kCutInValue = 3000;    // train.wav, interrupts, 50 ms
constexpr int kLong = 44100;
constexpr int kShort = 2205;
constexpr int kCut = -1;  // some of the sound, less than all

int Count(const std::vector<std::int16_t>& s, std::int16_t v) {
    return static_cast<int>(std::count(s.begin(), s.end(), v));
}

struct Sequence {
    const char* what;
    std::vector<std::int16_t> effects;
    int longHeard, giveWayHeard, cutInHeard;  // samples of each file in the output, or kCut
};

void PrintTo(const Sequence& s, std::ostream* os) {
    *os << s.what;
}

class VoiceSequence : public ::testing::TestWithParam<Sequence> {};

TEST_P(VoiceSequence, PlaysWhatTheEffectRulesAllow) {
    const Sequence& c = GetParam();
    const auto dir = test::TestFolder();
    test::UseDiskDriver(dir / "out.raw");
    WriteFile(dir / "wingame.wav", WaveBytes(kLongValue, kLong));
    WriteFile(dir / "pckcryst.wav", WaveBytes(kGiveWayValue, kShort));
    WriteFile(dir / "train.wav", WaveBytes(kCutInValue, kShort));
    SdlVoice voice;
    ASSERT_TRUE(voice.Open(dir.string() + "/"));
    ASSERT_EQ(voice.Rate(), 44100);
    ASSERT_EQ(voice.Format(), AUDIO_S16SYS);
    ASSERT_EQ(voice.Channels(), 1);
    const EffectPlayer player{&voice};
    for (const std::int16_t number : c.effects) player.PlayEffect(number);

    const std::vector<std::int16_t> heard = test::PlayOut(voice, dir / "out.raw");
    for (const auto& [value, expected, which] : {std::tuple{kLongValue, c.longHeard, "the long sound"},
                                                 {kGiveWayValue, c.giveWayHeard, "the give-way sound"},
                                                 {kCutInValue, c.cutInHeard, "the cutting-in sound"}}) {
        if (expected == kCut) {
            EXPECT_LT(Count(heard, value), kLong) << which << " is cut short";
        } else {
            EXPECT_EQ(Count(heard, value), expected) << which;
        }
    }
    EXPECT_EQ(Count(heard, 0) + Count(heard, kLongValue) + Count(heard, kGiveWayValue) + Count(heard, kCutInValue),
              static_cast<int>(heard.size()))
        << "only the files' own samples and silence";
}

INSTANTIATE_TEST_SUITE_P(
    Effects, VoiceSequence,
    ::testing::Values(Sequence{"GiveWayWhenQuietPlays", {kPickCrystal}, 0, kShort, 0},
                      Sequence{"GiveWayWhilePlayingIsDropped", {kWinGame, kPickCrystal}, kLong, 0, 0},
                      Sequence{"InterruptCutsIn", {kWinGame, kTrain}, kCut, 0, kShort},
                      Sequence{"PickUpSkippedTrainCutsIn", {kWinGame, kPickCrystal, kTrain}, kCut, 0, kShort}),
    [](const ::testing::TestParamInfo<Sequence>& p) { return std::string(p.param.what); });

// Every way a file can fail to load leaves its effect silent and the others playing.
TEST(SdlVoice, MissingOrDamagedFilesAreSilent) {
    const auto dir = test::TestFolder();
    test::UseDiskDriver(dir / "out.raw");
    const std::string good = WaveBytes(kGiveWayValue, kShort);
    const std::vector<std::pair<const char*, std::string>> bad{
        {"pckcryst.wav", ""},
        {"train.wav", "This is not a wave file, just some text."},
        {"tick.wav", good.substr(0, 22)},                    // the header cut short
        {"drpcryst.wav", WaveBytes(kLongValue, 100, 0x55)},  // a compressed format SDL cannot decode
        {"makectzn.wav", WaveBytes(kLongValue, 0)},          // no samples
    };
    for (const auto& [file, bytes] : bad) WriteFile(dir / file, bytes);
    WriteFile(dir / "makefzzy.wav", good);  // wingame.wav is missing

    SdlVoice voice;
    ASSERT_TRUE(voice.Open(dir.string() + "/"));
    for (const auto& [file, bytes] : bad) EXPECT_FALSE(voice.HasSound(file)) << file;
    EXPECT_FALSE(voice.HasSound("wingame.wav"));
    // The silent effects queue nothing, so the give-way effect played last is heard whole.
    const EffectPlayer player{&voice};
    for (const std::int16_t n : {kWinGame, kPickCrystal, kTrain, kTick, kDropCrystal, kMakeCitizen, kMakeFuzzy}) {
        player.PlayEffect(n);
    }
    const std::vector<std::int16_t> heard = test::PlayOut(voice, dir / "out.raw");
    EXPECT_EQ(Count(heard, kGiveWayValue), kShort);
    EXPECT_EQ(Count(heard, 0) + kShort, static_cast<int>(heard.size()));
}

TEST(SdlVoice, WithoutAnAudioDeviceEveryEffectIsSilent) {
    const auto dir = test::TestFolder();
    WriteFile(dir / "train.wav", WaveBytes(kCutInValue, kShort));
    SDL_setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlVoice voice;
    EXPECT_FALSE(voice.Open(dir.string() + "/"));
    EXPECT_FALSE(voice.HasSound("train.wav"));
    const EffectPlayer player{&voice};
    for (std::int16_t n = 0; n <= 11; ++n) player.PlayEffect(n);
    EXPECT_FALSE(voice.Playing());
}

}  // namespace
}  // namespace rq
