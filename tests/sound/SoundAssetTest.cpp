// The committed sound effects: 16-bit mono PCM that the voice loads, each of its length, none
// clipping or silent, and all about equally loud to the ear.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

#include "sound/SoundTestSupport.h"

namespace rq {
namespace {

std::string AssetsDir() {
    const char* dir = std::getenv("RAILQUEST_ASSETS");
    return std::string(dir != nullptr ? dir : "assets") + "/";
}

struct Expected {
    double minSeconds;
    double maxSeconds;
};

// Lengths by effect number: a fanfare, quick crystal sounds, a train's arrival, a tick that a
// journey plays several times a frame.
const Expected kLengths[11] = {
    {0, 0},      {2.0, 3.0}, {0.1, 0.6}, {0.05, 0.3}, {0.05, 0.3},   {0.05, 0.3},
    {0.05, 0.4}, {1.5, 2.5}, {0.1, 0.5}, {0.1, 0.5},  {0.005, 0.04},
};

// What a look at one file finds.
struct Measured {
    double seconds = 0;
    int peak = 0;
    double loudnessDb = -200;  // weighted RMS of the loudest 50 ms, in dB of full scale
};

// The samples weighted as the ear hears them at a moderate level (the B curve: first-order
// corners at 20.6 Hz twice and 158.5 Hz, 12 194 Hz twice), so a low hum counts for less.
std::vector<double> Weighted(const std::vector<std::int16_t>& s, int rate) {
    const auto lowpass = [rate](std::vector<double>& v, double corner) {
        const double k = 1 - std::exp(-2 * std::numbers::pi * corner / rate);
        double y = 0;
        for (double& x : v) {
            y += k * (x - y);
            x = y;
        }
    };
    std::vector<double> x(s.begin(), s.end());
    for (const double corner : {20.6, 20.6, 158.5}) {
        std::vector<double> low = x;
        lowpass(low, corner);
        for (std::size_t i = 0; i < x.size(); ++i) x[i] -= low[i];
    }
    for (const double corner : {12194.0, 12194.0}) lowpass(x, corner);
    return x;
}

Measured Measure(const std::vector<std::int16_t>& s, int rate) {
    Measured m;
    m.seconds = static_cast<double>(s.size()) / rate;
    for (const std::int16_t v : s) {
        m.peak = std::max(m.peak, std::abs(static_cast<int>(v)));
    }
    const std::vector<double> w = Weighted(s, rate);
    const std::size_t window = static_cast<std::size_t>(rate / 20);
    double best = 0;
    for (std::size_t start = 0; start < w.size(); start += window / 10) {
        double sum = 0;
        for (std::size_t i = start; i < std::min(w.size(), start + window); ++i) {
            sum += w[i] * w[i];
        }
        best = std::max(best, sum);
    }
    if (best > 0) {
        m.loudnessDb = 10 * std::log10(best / static_cast<double>(window) / (32768.0 * 32768.0));
    }
    return m;
}

std::uint32_t Le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<std::uint8_t>(b[at + static_cast<std::size_t>(i)]);
    }
    return v;
}

TEST(SoundAssets, EachEffectIsMonoPcmOfItsLengthAndNeitherClipsNorIsSilent) {
    const double peakLimit = 32768.0 * std::pow(10.0, -1.0 / 20.0);  // -1 dBFS
    std::vector<double> loudness;
    for (std::int16_t number = 1; number <= 10; ++number) {
        const std::string file(EffectFor(number).file);
        std::ifstream in(AssetsDir() + file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_GE(bytes.size(), 44u) << file;
        EXPECT_EQ(bytes.substr(0, 4), "RIFF") << file;
        EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ") << file;
        EXPECT_EQ(Le(bytes, 20, 2), 1u) << file << ": PCM";
        EXPECT_EQ(Le(bytes, 22, 2), 1u) << file << ": mono";
        const auto rate = static_cast<int>(Le(bytes, 24, 4));
        EXPECT_TRUE(rate == 22050 || rate == 44100) << file << ": " << rate << " Hz";
        EXPECT_EQ(Le(bytes, 34, 2), 16u) << file << ": 16-bit";

        SDL_AudioSpec spec{};
        Uint8* data = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV((AssetsDir() + file).c_str(), &spec, &data, &length), nullptr) << file;
        std::vector<std::int16_t> samples(length / 2);
        std::copy_n(data, samples.size() * 2, reinterpret_cast<Uint8*>(samples.data()));
        SDL_FreeWAV(data);
        ASSERT_EQ(spec.format, AUDIO_S16LSB) << file;

        const Measured m = Measure(samples, rate);
        const Expected& e = kLengths[number];
        EXPECT_GE(m.seconds, e.minSeconds) << file;
        EXPECT_LE(m.seconds, e.maxSeconds) << file;
        EXPECT_LE(m.peak, peakLimit) << file;
        EXPECT_GT(m.loudnessDb, -24.0) << file << " is nearly silent";
        loudness.push_back(m.loudnessDb);
    }
    const auto [quietest, loudest] = std::minmax_element(loudness.begin(), loudness.end());
    EXPECT_LE(*loudest - *quietest, 3.0) << "one effect is much louder than another";
}

TEST(SoundAssets, TheVoiceLoadsAllTen) {
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlVoice voice;
    ASSERT_TRUE(voice.Open(AssetsDir()));
    for (std::int16_t number = 1; number <= 10; ++number) {
        EXPECT_TRUE(voice.HasSound(EffectFor(number).file)) << EffectFor(number).file;
    }
}

}  // namespace
}  // namespace rq
