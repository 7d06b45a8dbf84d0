// The world simulated day by day, and the census printed for each day.
#include "world/Simulate.h"

#include "base/Index.h"
#include "world/CityDescription.h"
#include "world/Clock.h"
#include "world/Journey.h"

namespace rq {

namespace {

void CountCitizen(const World& w, std::int16_t citizen, WorldCensus& census) {
    if (citizen < 1 || citizen > kNumCitizens) {
        return;  // the player rides too, but is nobody's citizen
    }
    if (w.crystals(citizen) == kFuzzed) {
        ++census.FuzzedCitizens;
    } else {
        ++census.CleanCitizens;
    }
}

}  // namespace

WorldCensus TakeCensus(const World& w) {
    WorldCensus census;
    for (std::int16_t c = 1; c <= kNumCities; ++c) {
        const DescriptionWords words = DescribeWords(w, c);
        if (words.FuzzedCity) {
            ++census.FuzzedCities;
        } else if (words.CrystalWord) {
            ++census.CleanCities;
        }
        const City& city = w.city(c);
        for (int p = 1; p <= city.NumCitizens; ++p) {
            ++census.InCities;
            CountCitizen(w, city.Citizens[At(p)], census);
        }
        for (int s = 1; s <= kSlots; ++s) {
            for (int q = 1; q <= kSeats && city.Waiting[At(s)][At(q)] != 0; ++q) {
                const std::int16_t rider = city.Waiting[At(s)][At(q)];
                census.Queued += rider <= kNumCitizens ? 1 : 0;
                CountCitizen(w, rider, census);
            }
            for (int j = 1; j <= kStages; ++j) {
                const auto& stage = city.Stage(s, j);
                for (int k = 1; k <= kSeats && stage[At(k)] != 0; ++k) {
                    census.OnTrains += stage[At(k)] <= kNumCitizens ? 1 : 0;
                    CountCitizen(w, stage[At(k)], census);
                }
            }
        }
    }
    census.Lost = w.LostRiders;
    return census;
}

Simulation::Simulation(World& w, SpriteEngine& spr) : w_(w), spr_(spr) {
    w_.CurCity = 0;
}

void Simulation::Minute() {
    // The journey's own world step: an odd step runs arrivals and advances, an even one departures.
    JourneyWorldStep(w_, spr_, silent_, arrivalsNext_ ? 3 : 4, CurrentTrainSlot(w_));
    arrivalsNext_ = !arrivalsNext_;
    AdvanceClock(w_, kUnitsPerMinute);
}

void Simulation::Day() {
    for (int m = 0; m < kMinutesPerDay; ++m) {
        Minute();
    }
}

void RunSimulation(World& w, SpriteEngine& spr, int days, std::ostream& out) {
    Simulation sim(w, spr);
    out << "day\tfuzzed_cities\tclean_cities\tfuzzed_citizens\tclean_citizens\tin_cities\ton_trains\tqueued\tlost\n";
    for (int day = 1; day <= days; ++day) {
        sim.Day();
        const WorldCensus c = TakeCensus(w);
        out << day << '\t' << c.FuzzedCities << '\t' << c.CleanCities << '\t' << c.FuzzedCitizens << '\t'
            << c.CleanCitizens << '\t' << c.InCities << '\t' << c.OnTrains << '\t' << c.Queued << '\t' << c.Lost
            << '\n';
    }
}

}  // namespace rq
