// --simulate: the world left to itself while the player travels for ever, with a census per game day.
#pragma once

#include <cstdint>
#include <ostream>

#include "base/SoundPort.h"
#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

inline constexpr int kMinutesPerDay = 1440;

// Where the citizens and the fuzz are. Citizens are counted where they are (in a city, a queue or
// a seat), so fuzzed + clean = in_cities + on_trains + queued; lost ones are counted apart.
struct WorldCensus {
    int FuzzedCities = 0;  // read "Fuzzed City"
    int CleanCities = 0;   // read "... Crystal(s)"; the fuzzbomb city is neither
    int FuzzedCitizens = 0;
    int CleanCitizens = 0;
    int InCities = 0;
    int OnTrains = 0;
    int Queued = 0;
    int Lost = 0;  // dropped by a full onward queue since start-up
};

WorldCensus TakeCensus(const World& w);

// The world running as if the player never left the train: the journey's world step once a game
// minute with no gap between journeys, CurCity 0.
class Simulation {
public:
    explicit Simulation(World& w, SpriteEngine& spr);
    // One game minute: the world step of the present window, then the clock moves on a minute.
    void Minute();
    // 1440 minutes; the clock's rollover turns the day.
    void Day();

private:
    World& w_;
    SpriteEngine& spr_;
    EffectPlayer silent_;       // no sound port: the simulation is silent
    bool arrivalsNext_ = true;  // the minutes alternate: arrivals and advances, then departures
};

// The header line and one tab-separated census line per simulated day.
void RunSimulation(World& w, SpriteEngine& spr, int days, std::ostream& out);

}  // namespace rq
