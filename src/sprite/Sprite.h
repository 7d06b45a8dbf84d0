// Sprite records, frame records and the fixed slot numbers of the street scene.
#pragma once

#include <cstdint>

namespace rq {

// Where one frame lies on the sprite sheet and, at the same place, on the mask sheet.
struct SpriteFrame {
    std::int16_t SrcX = 0;
    std::int16_t SrcY = 0;
    std::int16_t Width = 0;
    std::int16_t Height = 0;
};

// The argument record of iSprCreateSprite.
struct SpriteDef {
    std::int16_t Slot = 0;
    std::int16_t FirstFrame = 0;
    std::int16_t LastFrame = 0;
    bool Animating = false;
    std::int16_t FrameDelay = 0;
};

// One slot of the sprite table.
struct Sprite {
    bool Created = false;  // made by iSprCreateSprite
    bool Shown = false;    // takes part in drawing and collision tests
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int16_t Width = 0;  // from the first frame; never changed
    std::int16_t Height = 0;
    std::int16_t Frame = 0;
    std::int16_t SrcX = 0;
    std::int16_t SrcY = 0;
    std::int16_t FirstFrame = 0;
    std::int16_t LastFrame = 0;
    bool Animating = false;
    std::int16_t FrameDelay = 0;
    std::int16_t DelayCount = 0;
    std::int16_t VX = 0;  // pixels per tick, set by the scene code
    std::int16_t VY = 0;
    std::int16_t CitizenNo = 0;  // for a citizen actor, the citizen it shows
    bool Blocked = false;        // may not move this tick; collision tests take it where it stands
};

// Slots of the sprite table by use.
inline constexpr int kSpriteSlots = 135;  // slots 0..134; 0 is never created
inline constexpr std::int16_t kFirstCrystalSlot = 1;
inline constexpr std::int16_t kLastCrystalSlot = 100;
inline constexpr std::int16_t kTrainSprite = 101;        // the ordinary train
inline constexpr std::int16_t kMarkedTrainSprite = 102;  // the train of a marked link
inline constexpr std::int16_t kTicketOfficeSlot = 103;
inline constexpr std::int16_t kCapitolSlot = 104;
inline constexpr std::int16_t kFuzzbombSlot = 105;
inline constexpr std::int16_t kFirstScenerySlot = 106;  // 106..108: Scenery bits 1, 2, 4
inline constexpr std::int16_t kLastScenerySlot = 108;
inline constexpr std::int16_t kPlayerSlot = 109;
inline constexpr std::int16_t kFirstActorSlot = 110;  // 110..134: the citizens of the street
inline constexpr std::int16_t kLastActorSlot = 134;

// Frames of the fixed pictures.
inline constexpr std::int16_t kTicketOfficeFrame = 18;
inline constexpr std::int16_t kCapitolFrame = 19;
inline constexpr std::int16_t kTrainFrame = 20;
inline constexpr std::int16_t kMarkedTrainFrame = 21;

// Looks by frame range.
inline constexpr std::int16_t kPlayerFirstFrame = 0;
inline constexpr std::int16_t kFuzzyFirstFrame = 4;
inline constexpr std::int16_t kCitizenFirstFrame = 8;
inline constexpr std::int16_t kLookFrames = 4;

}  // namespace rq
