// The audio voice: one SDL device fed through its queue, so the game's path never waits on it.
#include "sound/SdlVoice.h"

#include <SDL.h>

#include <algorithm>

#include "sound/WaveFile.h"

namespace rq {

namespace {

// What the voice asks for; the device may choose otherwise, and each file is converted to what it chose.
constexpr int kWantedRate = 44100;
// The device buffer: SDL's audio thread wakes once per buffer for as long as the device is open,
// sound or no sound (pausing the device does not stop it), so a smaller buffer costs the idle game
// more. 1024 frames (23 ms at 44.1 kHz) still start a sound and a cut-in within about a tick and
// a half, and keep "is a sound playing" close to what is heard.
constexpr Uint16 kWantedBufferFrames = 1024;

}  // namespace

SdlVoice::~SdlVoice() {
    Close();
}

bool SdlVoice::Open(const std::string& folder) {
    Close();
    // Ctrl+C and the window system's quit must stay with the game, not turn into SDL events.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    audioStarted_ = true;
    SDL_AudioSpec want{};
    want.freq = kWantedRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = kWantedBufferFrames;
    SDL_AudioSpec have{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (device_ == 0) {
        Close();
        return false;
    }
    rate_ = have.freq;
    format_ = have.format;
    channels_ = have.channels;
    for (std::int16_t number = 1; number <= 10; ++number) {
        Load(folder, EffectFor(number).file);
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlVoice::Close() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    if (audioStarted_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioStarted_ = false;
    }
    sounds_.clear();
}

void SdlVoice::Load(const std::string& folder, std::string_view file) {
    // A missing file, or one SDL cannot decode, leaves the effect silent.
    std::vector<std::uint8_t> samples = LoadWave(folder + std::string(file), {format_, channels_, rate_});
    if (!samples.empty()) {
        sounds_.push_back(Sound{file, std::move(samples)});
    }
}

const SdlVoice::Sound* SdlVoice::Find(std::string_view file) const {
    const auto it = std::find_if(sounds_.begin(), sounds_.end(), [file](const Sound& s) { return s.file == file; });
    return it != sounds_.end() ? &*it : nullptr;
}

bool SdlVoice::HasSound(std::string_view file) const {
    return Find(file) != nullptr;
}

bool SdlVoice::Playing() const {
    return device_ != 0 && SDL_GetQueuedAudioSize(device_) > 0;
}

void SdlVoice::Play(std::string_view file, bool interrupts) {
    const Sound* sound = Find(file);
    if (device_ == 0 || sound == nullptr) {
        return;
    }
    if (interrupts) {
        SDL_ClearQueuedAudio(device_);
    } else if (Playing()) {
        return;  // gives way to the sound that plays
    }
    SDL_QueueAudio(device_, sound->samples.data(), static_cast<Uint32>(sound->samples.size()));
}

}  // namespace rq
