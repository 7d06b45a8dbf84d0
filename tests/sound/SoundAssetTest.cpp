// The committed sound effects: 16-bit mono PCM that the voice loads, each of its length, none
// clipping or silent. (tools/soundgen makes them equally loud to the ear and prints each loudness.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sound/SoundTestSupport.h"

namespace rq {
namespace {

std::string AssetsDir() {
    const char* dir = std::getenv("RAILQUEST_ASSETS");
    return std::string(dir != nullptr ? dir : "assets") + "/";
}

// Shortest and longest length in seconds by effect number: a fanfare, quick crystal sounds, a
// train's arrival, a tick that a journey plays several times a frame.
constexpr double kLengths[11][2] = {{0, 0},      {2.0, 3.0}, {0.1, 0.6}, {0.05, 0.3}, {0.05, 0.3},  {0.05, 0.3},
                                    {0.05, 0.4}, {1.5, 2.5}, {0.1, 0.5}, {0.1, 0.5},  {0.005, 0.04}};

TEST(SoundAssets, EachEffectIsMonoPcmOfItsLengthThatTheVoiceLoadsAndNeitherClipsNorIsSilent) {
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlVoice voice;
    ASSERT_TRUE(voice.Open(AssetsDir()));
    for (std::int16_t number = 1; number <= 10; ++number) {
        EXPECT_TRUE(voice.HasSound(EffectFor(number).file)) << EffectFor(number).file;
        const std::string file = AssetsDir() + std::string(EffectFor(number).file);
        std::ifstream in(file, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        bytes.resize(std::max<std::size_t>(bytes.size(), 44));
        EXPECT_EQ(bytes.substr(0, 4) + bytes.substr(8, 8), "RIFFWAVEfmt ") << file;
        EXPECT_EQ(bytes.substr(20, 4), std::string("\1\0\1\0", 4)) << file << ": PCM, mono";
        EXPECT_EQ(bytes.substr(34, 2), std::string("\20\0", 2)) << file << ": 16-bit";

        SDL_AudioSpec wavFormat{};
        Uint8* data = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV(file.c_str(), &wavFormat, &data, &length), nullptr) << file;
        std::vector<std::int16_t> samples(length / 2);
        std::memcpy(samples.data(), data, samples.size() * 2);
        SDL_FreeWAV(data);
        EXPECT_TRUE(wavFormat.freq == 22050 || wavFormat.freq == 44100) << file << ": " << wavFormat.freq << " Hz";

        const double seconds = static_cast<double>(samples.size()) / wavFormat.freq;
        EXPECT_GE(seconds, kLengths[number][0]) << file;
        EXPECT_LE(seconds, kLengths[number][1]) << file;
        int peak = 0;
        for (const std::int16_t v : samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
        EXPECT_LE(peak, 32768.0 * std::pow(10.0, -1.0 / 20.0)) << file << " peaks above -1 dBFS";
        EXPECT_GT(peak, 32768.0 * std::pow(10.0, -20.0 / 20.0)) << file << " is nearly silent";
    }
}

}  // namespace
}  // namespace rq
