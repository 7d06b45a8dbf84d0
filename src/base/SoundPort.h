// The sound effects the game plays and the port that plays them (an audio voice in the app, a fake in tests).
#pragma once

#include <cstdint>
#include <string_view>

namespace rq {

// Effect numbers 1..10, as the game's events name them.
enum Effect : std::int16_t {
    kWinGame = 1,
    kMakeFuzzy = 2,
    kReplicateCrystal = 3,
    kDropCrystal = 4,
    kPickCrystal = 5,
    kMaxCrystals = 6,
    kTrain = 7,
    kMakeCitizen = 8,
    kZapped = 9,
    kTick = 10,
};

// The file of an effect, and whether it cuts into a sound that is playing (true) or gives way to it.
struct EffectInfo {
    std::string_view file;
    bool interrupts;
};

// The effect table; number must be 1..10.
EffectInfo EffectFor(std::int16_t number);

class SoundPort {
public:
    virtual ~SoundPort() = default;
    // Play the file of an effect: interrupt clears what plays, give-way drops the sound while one plays.
    virtual void Play(std::string_view file, bool interrupts) = 0;
};

// PlayEffect's switches: the Sound menu's check mark and the scene-building flag silence it.
struct EffectPlayer {
    SoundPort* Port = nullptr;
    bool SoundOn = true;
    bool SceneBuilding = false;

    void PlayEffect(std::int16_t number) const;
};

}  // namespace rq
