// The City record: a city of the rail network with its citizens and the trains leaving it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace rq {

inline constexpr int kNumCities = 200;         // cities 1..200; entry 0 is never a city
inline constexpr int kNumCitizens = 3000;      // citizens 1..3000
inline constexpr std::int16_t kPlayer = 3001;  // the player rides the trains as citizen 3001
// The crystals of a game's start (and of a new game): every citizen has 4, the player 10.
inline constexpr std::int16_t kCitizenStartCrystals = 4;
inline constexpr std::int16_t kPlayerStartCrystals = 10;
inline constexpr int kMaxCitizensInCity = 25;
inline constexpr int kSlots = 5;  // train slots (links) 1..5
inline constexpr int kTravelMinutes = 180;
inline constexpr int kStageMinutes = 10;
inline constexpr int kStages = kTravelMinutes / kStageMinutes;  // 18
inline constexpr int kSeats = 26;
inline constexpr std::int16_t kFuzzed = -1;  // a citizen's crystal count when fuzzed

struct City {
    std::string Name;
    std::int16_t Size = 0;     // 2..5
    std::int16_t Scenery = 0;  // bits 1 mountains, 2 low town, 4 downtown
    bool IsCapital = false;
    std::int16_t NumCitizens = 0;
    std::array<std::int16_t, kMaxCitizensInCity + 1> Citizens{};  // places 1..NumCitizens, packed
    std::array<std::int16_t, kSlots + 1> TrainDest{};
    std::array<std::int16_t, kSlots + 1> TrainType{};  // 1 = marked link
    std::int16_t MapX = 0;
    std::int16_t MapY = 0;
    // The trains under way on each slot: stage j (1..18) is the train that left j ten-minute steps
    // ago, a row of seats 1..26 packed from seat 1. The rows turn as a ring so that the ten-minute
    // advance moves nobody: stage j of slot s is row (StageRot[s] + j − 1) mod 18 + 1. Use Stage().
    std::array<std::array<std::array<std::int16_t, kSeats + 1>, kStages + 1>, kSlots + 1> RiderRows{};
    std::array<std::int16_t, kSlots + 1> StageRot{};
    // Waiting[slot][seat]: riders queued for the next departure, packed from seat 1.
    std::array<std::array<std::int16_t, kSeats + 1>, kSlots + 1> Waiting{};

    using Seats = std::array<std::int16_t, kSeats + 1>;
    // The seats of stage j (1..18) of slot s.
    Seats& Stage(int s, int j) { return RiderRows[static_cast<std::size_t>(s)][StageRow(s, j)]; }
    const Seats& Stage(int s, int j) const { return RiderRows[static_cast<std::size_t>(s)][StageRow(s, j)]; }
    std::size_t StageRow(int s, int j) const {
        return static_cast<std::size_t>((StageRot[static_cast<std::size_t>(s)] + j - 1) % kStages + 1);
    }
};

}  // namespace rq
