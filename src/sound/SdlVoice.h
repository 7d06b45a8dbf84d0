// The game's one audio voice: PlayEffect's sounds queued on an SDL audio device.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/SoundPort.h"

namespace rq {

// Opens one audio device and loads the ten effect files, each converted once to the device's
// format. Playing only queues or clears samples, so it never waits for the sound card. Without a
// device, or for a file that is missing or cannot be decoded, the effect is silent.
class SdlVoice : public SoundPort {
public:
    SdlVoice() = default;
    ~SdlVoice() override;
    SdlVoice(const SdlVoice&) = delete;
    SdlVoice& operator=(const SdlVoice&) = delete;

    // Opens the default output device and loads the effects from folder (ending with a separator).
    // False when no device could be opened; the voice then stays silent.
    bool Open(const std::string& folder);
    void Close();

    void Play(std::string_view file, bool interrupts) override;

    bool IsOpen() const { return device_ != 0; }
    // Whether samples are still waiting to be played (the give-way rule's test).
    bool Playing() const;
    // Whether an effect's file was loaded and converted (false for silent effects).
    bool HasSound(std::string_view file) const;
    // The device's sample rate, sample format (an SDL_AudioFormat) and channel count once open.
    int Rate() const { return rate_; }
    std::uint16_t Format() const { return format_; }
    int Channels() const { return channels_; }

private:
    struct Sound {
        std::string_view file;
        std::vector<std::uint8_t> samples;  // in the device's format
    };
    const Sound* Find(std::string_view file) const;
    void Load(const std::string& folder, std::string_view file);

    std::uint32_t device_ = 0;
    bool audioStarted_ = false;
    int rate_ = 0;
    std::uint16_t format_ = 0;
    int channels_ = 0;
    std::vector<Sound> sounds_;
};

}  // namespace rq
