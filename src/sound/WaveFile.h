// Reading a sound effect's wave file into samples of the audio device's format.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rq {

// The format the samples are wanted in: an SDL_AudioFormat, a channel count and a sample rate.
struct SampleFormat {
    std::uint16_t Format = 0;
    int Channels = 1;
    int Rate = 44100;
};

// The samples of a wave file converted to `to`; empty for a file SDL cannot decode or convert, for a
// sample rate outside 1 to 384 kHz, and for a sound of more than 20 seconds (no effect is that long;
// a damaged header may say so).
std::vector<std::uint8_t> DecodeWave(std::span<const std::uint8_t> bytes, const SampleFormat& to);

// The same for a file; empty when it is missing or too large to be a sound effect.
std::vector<std::uint8_t> LoadWave(const std::string& path, const SampleFormat& to);

}  // namespace rq
