// Test support for the audio voice: wave files written by the test and the disk driver's output read back.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "sound/SdlVoice.h"

namespace rq::test {

// A 16-bit mono PCM wave file of `frames` samples that all have one value, so that the disk
// driver's output shows which file played and for how long.
inline std::string WaveBytes(std::int16_t value, int frames, int rate = 44100, std::uint16_t formatTag = 1) {
    std::string b;
    auto u32 = [&b](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFFu));
    };
    auto u16 = [&b](std::uint16_t v) {
        b.push_back(static_cast<char>(v & 0xFFu));
        b.push_back(static_cast<char>(v >> 8));
    };
    const auto dataBytes = static_cast<std::uint32_t>(frames) * 2u;
    b += "RIFF";
    u32(36u + dataBytes);
    b += "WAVEfmt ";
    u32(16);
    u16(formatTag);
    u16(1);
    u32(static_cast<std::uint32_t>(rate));
    u32(static_cast<std::uint32_t>(rate) * 2u);
    u16(2);
    u16(16);
    b += "data";
    u32(dataBytes);
    for (int i = 0; i < frames; ++i) u16(static_cast<std::uint16_t>(value));
    return b;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder for the running test's files, in the build folder (test cases may run in parallel).
inline std::filesystem::path TestFolder() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    const std::filesystem::path dir = std::filesystem::path(RAILQUEST_SOUND_TEST_FILES) / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// Uses SDL's disk driver, which writes what the device plays to a file at the speed of a sound card.
inline void UseDiskDriver(const std::filesystem::path& output) {
    SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
    SDL_setenv("SDL_DISKAUDIOFILE", output.string().c_str(), 1);
}

// Waits (at most a few seconds) until the voice has handed everything queued to the device.
inline void WaitUntilQuiet(const SdlVoice& voice) {
    for (int i = 0; i < 500 && voice.Playing(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// The 16-bit samples in a raw output file.
inline std::vector<std::int16_t> ReadSamples(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto lo = static_cast<std::uint8_t>(bytes[2 * i]);
        const auto hi = static_cast<std::uint8_t>(bytes[2 * i + 1]);
        samples[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
    return samples;
}

}  // namespace rq::test
