// The effect table and the rules of PlayEffect.
#include "base/SoundPort.h"

#include <array>

namespace rq {

namespace {
constexpr std::array<EffectInfo, 11> kEffects{{
    {"", false},
    {"wingame.wav", true},
    {"makefzzy.wav", false},
    {"repcryst.wav", false},
    {"drpcryst.wav", false},
    {"pckcryst.wav", false},
    {"maxcryst.wav", false},
    {"train.wav", true},
    {"makectzn.wav", false},
    {"zapped.wav", false},
    {"tick.wav", true},
}};
}  // namespace

EffectInfo EffectFor(std::int16_t number) {
    return (number >= 1 && number <= 10) ? kEffects[static_cast<std::size_t>(number)] : kEffects[0];
}

void EffectPlayer::PlayEffect(std::int16_t number) const {
    if (!SoundOn || SceneBuilding || number < 1 || number > 10 || Port == nullptr) {
        return;
    }
    const EffectInfo info = EffectFor(number);
    Port->Play(info.file, info.interrupts);
}

}  // namespace rq
