// Test support for the audio voice: wave files written by the test and the disk driver's output read back.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "sound/SdlVoice.h"

namespace rq::test {

// A 16-bit mono wave file at 44 100 Hz (or `rate`) whose samples all have one value, so that the disk
// driver's output shows which file played and for how long.
inline std::string WaveBytes(std::int16_t value, int frames, std::uint16_t formatTag = 1, std::uint32_t rate = 44100) {
    std::string b;
    const auto put = [&b](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFFu));
    };
    const auto dataBytes = static_cast<std::uint32_t>(frames) * 2u;
    b += "RIFF";
    put(36u + dataBytes, 4);
    b += "WAVEfmt ";
    for (const auto& [v, bytes] :
         {std::pair{16u, 4}, {std::uint32_t{formatTag}, 2}, {1u, 2}, {rate, 4}, {rate * 2, 4}, {2u, 2}, {16u, 2}})
        put(v, bytes);
    b += "data";
    put(dataBytes, 4);
    for (int i = 0; i < frames; ++i) put(static_cast<std::uint16_t>(value), 2);
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

// SDL's disk driver writes what the device plays to a file, at the pace of a sound card.
inline void UseDiskDriver(const std::filesystem::path& output) {
    SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
    SDL_setenv("SDL_DISKAUDIOFILE", output.string().c_str(), 1);
}

// Lets the voice play out what it has queued (a few seconds at most), closes it and returns what it played.
inline std::vector<std::int16_t> PlayOut(SdlVoice& voice, const std::filesystem::path& output) {
    for (int i = 0; i < 500 && voice.Playing(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    voice.Close();
    std::ifstream in(output, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::int16_t> samples(bytes.size() / 2);
    if (!samples.empty()) std::memcpy(samples.data(), bytes.data(), samples.size() * 2);  // the device's byte order
    return samples;
}

}  // namespace rq::test
