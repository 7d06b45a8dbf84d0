// The audio voice on SDL's disk driver: which effects are heard when, and silence for missing or
// damaged files and when there is no audio device at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "sound/SoundTestSupport.h"

namespace rq {
namespace {

using test::ReadSamples;
using test::WaveBytes;
using test::WriteFile;

// Each test file is one constant value, so the output shows which file played and how much of it.
constexpr std::int16_t kLongValue = 1000;     // wingame.wav, interrupts, one second
constexpr std::int16_t kGiveWayValue = 2000;  // pckcryst.wav, gives way, 50 ms
constexpr std::int16_t kCutInValue = 3000;    // train.wav, interrupts, 50 ms
constexpr int kLongFrames = 44100;
constexpr int kShortFrames = 2205;

enum class Amount { None, Part, All };

struct Sequence {
    const char* what;
    bool soundOn;
    bool sceneBuilding;
    std::vector<std::int16_t> effects;
    Amount longSound;
    Amount giveWay;
    Amount cutIn;
};

void PrintTo(const Sequence& s, std::ostream* os) {
    *os << s.what;
}

class VoiceSequence : public ::testing::TestWithParam<Sequence> {};

int Count(const std::vector<std::int16_t>& s, std::int16_t v) {
    return static_cast<int>(std::count(s.begin(), s.end(), v));
}

void ExpectAmount(const std::vector<std::int16_t>& heard, std::int16_t value, int frames, Amount amount,
                  const char* which) {
    const int n = Count(heard, value);
    switch (amount) {
        case Amount::None:
            EXPECT_EQ(n, 0) << which;
            break;
        case Amount::Part:
            EXPECT_LT(n, frames) << which << " is cut short";
            break;
        case Amount::All:
            EXPECT_EQ(n, frames) << which << " plays whole";
            break;
    }
}

TEST_P(VoiceSequence, PlaysWhatTheEffectRulesAllow) {
    const Sequence& c = GetParam();
    const auto dir = test::TestFolder();
    test::UseDiskDriver(dir / "out.raw");
    WriteFile(dir / "wingame.wav", WaveBytes(kLongValue, kLongFrames));
    WriteFile(dir / "pckcryst.wav", WaveBytes(kGiveWayValue, kShortFrames));
    WriteFile(dir / "train.wav", WaveBytes(kCutInValue, kShortFrames));

    SdlVoice voice;
    ASSERT_TRUE(voice.Open(dir.string() + "/"));
    ASSERT_EQ(voice.Rate(), 44100);
    ASSERT_EQ(voice.Format(), AUDIO_S16SYS);
    ASSERT_EQ(voice.Channels(), 1);
    EffectPlayer player{&voice, c.soundOn, c.sceneBuilding};
    for (const std::int16_t number : c.effects) {
        player.PlayEffect(number);
    }
    test::WaitUntilQuiet(voice);
    voice.Close();

    const std::vector<std::int16_t> heard = ReadSamples(dir / "out.raw");
    ExpectAmount(heard, kLongValue, kLongFrames, c.longSound, "the long sound");
    ExpectAmount(heard, kGiveWayValue, kShortFrames, c.giveWay, "the give-way sound");
    ExpectAmount(heard, kCutInValue, kShortFrames, c.cutIn, "the cutting-in sound");
    const auto lastLong = std::find(heard.rbegin(), heard.rend(), kLongValue);
    const auto firstCut = std::find(heard.begin(), heard.end(), kCutInValue);
    if (lastLong != heard.rend() && firstCut != heard.end()) {
        EXPECT_LT(heard.rend() - lastLong - 1, firstCut - heard.begin()) << "nothing of the cut sound after the cut";
    }
    EXPECT_EQ(Count(heard, 0) + Count(heard, kLongValue) + Count(heard, kGiveWayValue) + Count(heard, kCutInValue),
              static_cast<int>(heard.size()))
        << "only the files' own samples and silence";
}

INSTANTIATE_TEST_SUITE_P(
    Effects, VoiceSequence,
    ::testing::Values(
        Sequence{"GiveWayWhenQuietPlays", true, false, {kPickCrystal}, Amount::None, Amount::All, Amount::None},
        Sequence{"GiveWayWhilePlayingIsDropped",
                 true,
                 false,
                 {kWinGame, kPickCrystal},
                 Amount::All,
                 Amount::None,
                 Amount::None},
        Sequence{"InterruptCutsIn", true, false, {kWinGame, kTrain}, Amount::Part, Amount::None, Amount::All},
        Sequence{"PickUpSkippedTrainCutsIn",
                 true,
                 false,
                 {kWinGame, kPickCrystal, kTrain},
                 Amount::Part,
                 Amount::None,
                 Amount::All},
        Sequence{"SoundMenuUnchecked",
                 false,
                 false,
                 {kWinGame, kPickCrystal, kTrain},
                 Amount::None,
                 Amount::None,
                 Amount::None},
        Sequence{"SceneBeingBuilt", true, true, {kPickCrystal, kTrain}, Amount::None, Amount::None, Amount::None},
        Sequence{"NumbersZeroAndEleven", true, false, {0, 11, -1}, Amount::None, Amount::None, Amount::None}),
    [](const ::testing::TestParamInfo<Sequence>& p) { return std::string(p.param.what); });

// Every way a file can fail to load leaves its effect silent and the others playing.
TEST(SdlVoice, MissingOrDamagedFilesAreSilent) {
    const auto dir = test::TestFolder();
    test::UseDiskDriver(dir / "out.raw");
    const std::string good = WaveBytes(kGiveWayValue, kShortFrames);
    struct Bad {
        const char* file;
        std::string bytes;
        const char* what;
    };
    const std::vector<Bad> bad{
        {"pckcryst.wav", "", "an empty file"},
        {"train.wav", "This is not a wave file, just some text.", "not a wave file"},
        {"tick.wav", good.substr(0, 22), "a header cut short"},
        {"drpcryst.wav", WaveBytes(kLongValue, 100, 44100, 0x55), "a compressed format the voice cannot decode"},
        {"makectzn.wav", WaveBytes(kLongValue, 0), "no samples"},
    };
    for (const Bad& b : bad) {
        WriteFile(dir / b.file, b.bytes);
    }
    WriteFile(dir / "makefzzy.wav", good);  // wingame.wav is missing

    SdlVoice voice;
    ASSERT_TRUE(voice.Open(dir.string() + "/"));
    for (const Bad& b : bad) {
        EXPECT_FALSE(voice.HasSound(b.file)) << b.what;
    }
    EXPECT_FALSE(voice.HasSound("wingame.wav")) << "a missing file";
    EXPECT_TRUE(voice.HasSound("makefzzy.wav"));
    // The silent effects queue nothing, so the give-way effect played last is heard whole.
    const EffectPlayer player{&voice};
    for (const std::int16_t number : {kWinGame, kPickCrystal, kTrain, kTick, kDropCrystal, kMakeCitizen, kMakeFuzzy}) {
        player.PlayEffect(number);
    }
    test::WaitUntilQuiet(voice);
    voice.Close();
    const std::vector<std::int16_t> heard = ReadSamples(dir / "out.raw");
    EXPECT_EQ(Count(heard, kGiveWayValue), kShortFrames);
    EXPECT_EQ(Count(heard, 0) + kShortFrames, static_cast<int>(heard.size()));
}

TEST(SdlVoice, WithoutAnAudioDeviceEveryEffectIsSilent) {
    const auto dir = test::TestFolder();
    WriteFile(dir / "train.wav", WaveBytes(kCutInValue, kShortFrames));
    SDL_setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlVoice voice;
    EXPECT_FALSE(voice.Open(dir.string() + "/"));
    EXPECT_FALSE(voice.IsOpen());
    EXPECT_FALSE(voice.HasSound("train.wav"));
    const EffectPlayer player{&voice};
    for (std::int16_t number = 0; number <= 11; ++number) {
        player.PlayEffect(number);
    }
    EXPECT_FALSE(voice.Playing());
    // The voice can still open once a driver is there.
    test::UseDiskDriver(dir / "out.raw");
    EXPECT_TRUE(voice.Open(dir.string() + "/"));
    EXPECT_TRUE(voice.HasSound("train.wav"));
}

}  // namespace
}  // namespace rq
