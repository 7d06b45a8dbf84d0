// The game clock: the time of day as the status bar and the ticket window show it, and the train slot of the moment.
#pragma once

#include <cstdint>
#include <string>

#include "world/World.h"

namespace rq {

inline constexpr double kUnitsPerMinute = 180;            // GameTime counts thirds of a second
inline constexpr double kUnitsPerDay = 3 * 60 * 60 * 24;  // 259200

// The train window: every two game minutes (ten minutes shared by five slots) the next slot's
// trains are served.
inline constexpr int kTrainWindowSeconds = 600 / 5;
inline constexpr int kTrainWindowUnits = kTrainWindowSeconds * 3;

// True on the one unit that starts a train window: the tick on which the next train is announced.
bool IsTrainWindowStart(double gameTime);

// Moves the clock on by `units` and rolls the day over: once GameTime reaches midnight it becomes 0
// (the part beyond midnight is dropped) and DayNum rises.
void AdvanceClock(World& w, double units);

// The time of day as the clock stands: mode 0 "1:05:09 PM", mode 1 "1:05 PM", any other mode "".
// Just before the first tick (GameTime −1) it is a second before midnight, "11:59:59 PM".
std::string FormatClockTime(const World& w, std::int16_t mode);

// A time of day in seconds as the clock shows it (mode 0 "h:nn:ss AM", mode 1 "h:nn AM", other modes
// an empty text); whole days are dropped.
std::string FormatTimeOfDay(int seconds, std::int16_t mode = 0);

// The slot (1..5) whose trains are served in the present two-minute window of every ten game minutes.
// Before the first tick of a game (GameTime −1) it is 0.
std::int16_t CurrentTrainSlot(const World& w);

}  // namespace rq
