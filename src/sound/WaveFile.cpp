// Wave files decoded by SDL and converted once to the device's format, so playing only queues bytes.
#include "sound/WaveFile.h"

#include <SDL.h>

#include <algorithm>
#include <string>

#include "base/FileBytes.h"

namespace rq {
namespace {

// No effect of the game is longer than a few seconds; a file that claims more is damaged, and
// converting it could take a long time and much memory at start-up.
constexpr double kMaxEffectSeconds = 20;
// Sample rates of real wave files; SDL's resampler overflows its sizes on rates far outside them.
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 384000;
// The largest file read as an effect: 20 s of 8-channel 64-bit samples at 48 kHz is less.
constexpr std::size_t kMaxWaveBytes = 64u << 20;

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// SDL allocates a chunk's whole stated length before it reads the chunk, so a damaged length could
// ask for gigabytes. A chunk that runs past the end of the file (it can only be the last one) is
// cut to the bytes the file holds, which SDL then reads as a file cut short.
void FitLastChunk(std::vector<std::uint8_t>& b) {
    constexpr std::size_t kChunkHeader = 8;
    // The chunks follow "RIFF", its length and "WAVE"; SDL also reads a file that starts at "WAVE".
    const bool bareWave = b.size() >= 4 && std::equal(b.begin(), b.begin() + 4, "WAVE");
    for (std::size_t at = bareWave ? 4 : 12; at <= b.size() && b.size() - at >= kChunkHeader;) {
        const std::size_t room = b.size() - at - kChunkHeader;
        const std::uint32_t length = U32(b, at + 4);
        if (length > room) {
            for (std::size_t i = 0; i < 4; ++i) {
                b[at + 4 + i] = static_cast<std::uint8_t>(room >> (8 * i));
            }
            return;
        }
        at += kChunkHeader + length + (length & 1u);  // chunks are padded to an even length
    }
}

// A file's samples converted to the wanted format; empty when SDL cannot convert them.
std::vector<std::uint8_t> Convert(const SDL_AudioSpec& from, const Uint8* data, Uint32 length, const SampleFormat& to) {
    std::vector<std::uint8_t> out;
    const double frameBytes = SDL_AUDIO_BITSIZE(from.format) / 8.0 * from.channels;
    if (frameBytes <= 0 || from.freq < kMinRate || from.freq > kMaxRate ||
        length / frameBytes / from.freq > kMaxEffectSeconds) {
        return out;
    }
    SDL_AudioStream* stream =
        SDL_NewAudioStream(from.format, from.channels, from.freq, to.Format, static_cast<Uint8>(to.Channels), to.Rate);
    if (stream == nullptr) {
        return out;
    }
    if (SDL_AudioStreamPut(stream, data, static_cast<int>(length)) == 0 && SDL_AudioStreamFlush(stream) == 0) {
        out.resize(static_cast<std::size_t>(std::max(0, SDL_AudioStreamAvailable(stream))));
        const int got = SDL_AudioStreamGet(stream, out.data(), static_cast<int>(out.size()));
        out.resize(static_cast<std::size_t>(std::max(0, got)));
    }
    SDL_FreeAudioStream(stream);
    return out;
}

}  // namespace

std::vector<std::uint8_t> DecodeWave(std::span<const std::uint8_t> bytes, const SampleFormat& to) {
    if (bytes.empty() || bytes.size() > kMaxWaveBytes) {
        return {};
    }
    std::vector<std::uint8_t> file(bytes.begin(), bytes.end());
    FitLastChunk(file);
    SDL_AudioSpec wavFormat{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    if (source == nullptr || SDL_LoadWAV_RW(source, 1, &wavFormat, &data, &length) == nullptr) {
        return {};  // not a wave file SDL can decode
    }
    std::vector<std::uint8_t> samples = Convert(wavFormat, data, length, to);
    SDL_FreeWAV(data);
    return samples;
}

std::vector<std::uint8_t> LoadWave(const std::string& path, const SampleFormat& to) {
    std::string bytes;
    std::string error;
    if (!ReadFileBytes(path, kMaxWaveBytes, bytes, error)) {
        return {};  // a sound that cannot be read is not played
    }
    return DecodeWave({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, to);
}

}  // namespace rq
