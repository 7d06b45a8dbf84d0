// The game clock's text and the timetable window of the moment.
#include "world/Clock.h"

#include <cstdio>

#include "base/Rounding.h"

namespace rq {

namespace {

// The clock's text for s seconds since midnight (0..86399).
std::string FormatSeconds(int s, std::int16_t mode) {
    const int h = s / 3600;
    const int m = (s / 60) % 60;
    const int sec = s % 60;
    const char* half = h < 12 ? "AM" : "PM";
    int shown = h;
    if (h == 0) {
        shown = 12;
    } else if (h > 12) {
        shown = h - 12;
    }
    char text[32];
    if (mode == 0) {
        std::snprintf(text, sizeof text, "%d:%02d:%02d %s", shown, m, sec, half);
    } else if (mode == 1) {
        std::snprintf(text, sizeof text, "%d:%02d %s", shown, m, half);
    } else {
        return {};
    }
    return text;
}

}  // namespace

void AdvanceClock(World& w, double units) {
    w.GameTime += units;
    if (w.GameTime >= kUnitsPerDay) {
        w.GameTime = 0;
        ++w.DayNum;
    }
}

std::string FormatClockTime(const World& w, std::int16_t mode) {
    return FormatTimeOfDay(Int(w.GameTime / 3), mode);
}

std::string FormatTimeOfDay(int seconds, std::int16_t mode) {
    return FormatSeconds(((seconds % 86400) + 86400) % 86400, mode);
}

bool IsTrainWindowStart(double gameTime) {
    return Int(gameTime / 3) % kTrainWindowSeconds == 0 && CInt(gameTime) % 3 == 0;
}

std::int16_t CurrentTrainSlot(const World& w) {
    const int minutes = Int(w.GameTime / 3 / 60);
    // Mod keeps the sign and Int rounds down, so just before the first tick (minute −1) this gives
    // Int(−1 / 2) + 1 = 0, as the game has it.
    return static_cast<std::int16_t>(Int(Mod(minutes, 10) / 2.0) + 1);
}

}  // namespace rq
