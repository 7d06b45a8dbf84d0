// The autoplayer: a player that plays to win. It looks at what a player sees (the whole street at
// once, the status bar's crystals, the clock, the map's fuzz and "Fuzzbomb City", the panels'
// destinations and departures) and answers with held keys and player actions, like a person at the
// keyboard; it never changes the game itself and draws from its own generator, never the game's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "autoplay/LookAhead.h"
#include "autoplay/Steering.h"
#include "autoplay/StepAside.h"
#include "base/Random.h"
#include "game/PlayerAction.h"
#include "world/World.h"

namespace rq {

struct Game;

// How many game days the autoplayer plays before it gives up.
inline constexpr std::int32_t kAutoplayDays = 30;

// A fuzzy's touch: when and where it came, and what the figure was doing.
struct AutoplayTouch {
    std::int64_t Step = 0;
    std::int32_t Day = 0;
    double Time = 0;  // the game clock
    std::int16_t City = 0;
    bool FuzzedCity = false;  // the map shows the city fuzzed
    bool Platform = false;    // on the station's platform, not in the street
    bool Waiting = false;     // standing about (for a train or a crop), not walking somewhere
    const char* Doing = "";   // what for: "for its train", "boarding", "to the ticket office", ...
    int WallGap = 0;          // pixels from the figure to the nearest wall or building
    bool NearWall = false;    // nearer a wall than the figure is wide
    int CrystalsAfter = 0;    // -1: fuzzed
};

// What an autoplayed game came to.
struct AutoplayStats {
    int Journeys = 0;      // journeys started
    int CrystalsLost = 0;  // crystals a fuzzy's touch took
    int TimesFuzzed = 0;
    std::optional<std::int64_t> WonAtStep;  // the step that destroyed the fuzzbomb
    double WonTime = 0;                     // the game clock then
    std::int32_t WonDay = 0;
    std::vector<AutoplayTouch> Touches;
};

class Autoplayer : public InputSource {
public:
    // Its generator is seeded from the game's seed. It stops (the input ends) once the win has been
    // announced, or when day `lastDay` is over.
    explicit Autoplayer(std::uint64_t gameSeed, std::int32_t lastDay = kAutoplayDays);

    StepInput Next(std::int64_t step, const Game& game) override;
    InputFrom From() const override { return InputFrom::Autoplayer; }

    const AutoplayStats& Stats() const { return stats_; }
    // The cities of the way it means to take from the city it is in (empty until it sets out).
    const std::vector<std::int16_t>& Route() const { return route_; }
    // "won at step S (day D, h:mm:ss AM)" or "not won".
    std::string Outcome() const;
    // The summary line's end: the outcome, the journeys, the crystals lost and the times fuzzed, then,
    // when a fuzzy touched the figure, where and when the first touch came and the crystals left
    // after each touch.
    std::string SummaryNote() const override;

private:
    enum class Errand : std::uint8_t { Farm, Harvest, Travel, Fuzzbomb };

    void Watch(std::int64_t step, const Game& game);
    std::uint16_t Walk(const Game& game);
    std::uint16_t Farm(const Game& game);
    std::uint16_t Travel(const Game& game);
    std::uint16_t ToFuzzbomb(const Game& game);
    std::uint16_t Go(const Game& game, SteerGoal goal, bool keepCrystals, bool mayBoard, bool mayTouchBomb);
    Errand ChooseErrand(const Game& game);
    std::int16_t WantedSlot(const World& w) const;
    bool TimeToLeave(const Game& game, std::int16_t slot) const;

    Random dice_;
    std::int32_t lastDay_;
    AutoplayStats stats_;
    Errand errand_ = Errand::Farm;
    std::int16_t city_ = 0;  // the city of the last look
    std::vector<std::int16_t> route_;
    std::int16_t boardSlot_ = 0;  // the slot of the train the figure walked into
    int lastCrystals_ = 0;
    bool dropped_ = false;  // the last input dropped a crystal
    bool travelling_ = false;
    std::string touchCity_;       // the name of the city of the first touch
    bool waiting_ = false;        // the last input stood about rather than walked somewhere
    const char* doing_ = "";      // and what for
    std::int16_t doingCity_ = 0;  // the city where it was chosen
    bool mines_ = false;          // it may drop crystals in the way of the fuzzies that follow it
    int lying_ = 0;               // crystals lying on the platform at the last look
    int sinceGrowth_ = 0;         // ticks since more crystals lay on the platform
    StepAside aside_;             // held up while walking, it steps aside for a few ticks
    LookAhead feet_;              // where a fuzzy is near, the keys are played on ahead in a copy of the street
};

}  // namespace rq
