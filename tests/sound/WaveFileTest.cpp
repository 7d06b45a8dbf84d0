// Wave files read into the device's format: damaged lengths and rates are survived, not trusted.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sound/SoundTestSupport.h"
#include "sound/WaveFile.h"

namespace rq {
namespace {

const SampleFormat kDevice{AUDIO_S16SYS, 1, 44100};

std::vector<std::uint8_t> Decode(const std::string& file) {
    return DecodeWave({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()}, kDevice);
}

// The file with the 4-byte field at `at` set to `value`.
std::string With(std::string file, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) file[at + i] = static_cast<char>((value >> (8 * i)) & 0xFFu);
    return file;
}

TEST(DecodeWave, ADataLengthPastTheEndOfTheFileReadsTheSamplesThereAre) {
    const std::string good = test::WaveBytes(1000, 100);
    constexpr std::size_t kDataLength = 40;
    EXPECT_EQ(Decode(good).size(), 200u);
    EXPECT_EQ(Decode(With(good, kDataLength, 0xFF000065u)).size(), 200u);
    // SDL also reads a file whose "RIFF" header is missing.
    EXPECT_EQ(Decode(With(good.substr(8), kDataLength - 8, 0xFFFFFFF0u)).size(), 200u);
}

TEST(DecodeWave, RatesNoWaveFileHasAndSoundsLongerThanAnEffectAreSilent) {
    struct Case {
        const char* what;
        int frames;
        std::uint32_t rate;
        bool heard;
    };
    const Case cases[] = {
        {"8 kHz", 800, 8000, true},  {"1 kHz, 19 s", 19000, 1000, true}, {"1 kHz, 21 s", 21000, 1000, false},
        {"999 Hz", 100, 999, false}, {"15 MHz", 100, 15051844, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(!Decode(test::WaveBytes(1000, c.frames, 1, c.rate)).empty(), c.heard) << c.what;
    }
}

}  // namespace
}  // namespace rq
