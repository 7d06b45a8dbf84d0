// Fuzz target: a sound effect's wave file decoded and converted to the format the voice asks for.
#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "sound/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> samples =
        rq::DecodeWave(std::span<const std::uint8_t>(data, size), rq::SampleFormat{AUDIO_S16SYS, 1, 44100});
    // Whole 16-bit samples, and never more than an effect may last (20 s, and a little for the resampler).
    rq::fuzz::Require(samples.size() % 2 == 0 && samples.size() <= 2u * 44100u * 21u);
    return 0;
}
