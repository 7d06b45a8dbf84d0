// The train pipelines: departures, the ten-minute advance, and the warm-up at start-up.
#include "world/Trains.h"

#include <array>

#include "base/Index.h"
#include "world/CityTable.h"

namespace rq {

namespace {

// Only the first three seats of a departing train take random citizens.
constexpr int kRandomSeats = 3;

// For each row of the departure table: the lowest draw (0..19) that sends 1, 2 and 3 citizens;
// 20 means never.
struct SendThresholds {
    int one;
    int two;
    int three;
};

SendThresholds ThresholdsFor(int citizens, int destSize) {
    constexpr SendThresholds never{20, 20, 20};
    const bool small = destSize == 2 || destSize == 3;
    const bool large = destSize == 4 || destSize == 5;
    if (citizens >= 2 && citizens <= 5) {
        if (small) return {19, 20, 20};
        if (large) return {18, 20, 20};
    } else if (citizens >= 6 && citizens <= 10) {
        if (small) return {18, 20, 20};
        if (large) return {17, 20, 20};
    } else if (citizens >= 11 && citizens <= 15) {
        switch (destSize) {
            case 2:
                return {17, 20, 20};
            case 3:
                return {18, 19, 20};
            case 4:
                return {17, 19, 20};
            case 5:
                return {17, 18, 19};
            default:
                break;
        }
    } else if (citizens >= 16) {
        if (small) return {17, 19, 20};
        if (destSize == 4) return {16, 18, 20};
        if (destSize == 5) return {14, 16, 18};
    }
    return never;
}

// Takes every entry of `rider` out of a packed row of seats, the riders behind moving up.
int RemoveFromSeats(std::array<std::int16_t, kSeats + 1>& seats, std::int16_t rider) {
    int kept = 1;
    int removed = 0;
    for (int k = 1; k <= kSeats && seats[At(k)] != 0; ++k) {
        if (seats[At(k)] == rider) {
            ++removed;
        } else {
            seats[At(kept++)] = seats[At(k)];
        }
    }
    for (int k = kept; k <= kSeats && seats[At(k)] != 0; ++k) {
        seats[At(k)] = 0;
    }
    return removed;
}

}  // namespace

int RemoveFromTrains(World& w, std::int16_t rider) {
    int removed = 0;
    for (std::int16_t c = 1; c <= kNumCities; ++c) {
        City& city = w.city(c);
        for (int s = 1; s <= kSlots; ++s) {
            removed += RemoveFromSeats(city.Waiting[At(s)], rider);
            for (int j = 1; j <= kStages; ++j) {
                removed += RemoveFromSeats(city.Stage(s, j), rider);
            }
        }
    }
    return removed;
}

int FirstFreeSeat(const World& w, std::int16_t c, std::int16_t s) {
    const auto& stage1 = w.city(c).Stage(s, 1);
    for (int k = 1; k <= kSeats; ++k) {
        if (stage1[At(k)] == 0) {
            return k;
        }
    }
    return kSeats + 1;
}

int RidersToSend(World& w, std::int16_t c, std::int16_t s) {
    const int r = w.Rng.Below(20);
    const City& from = w.city(c);
    const std::int16_t d = from.TrainDest[At(s)];
    const SendThresholds t = ThresholdsFor(from.NumCitizens, w.city(d).Size);
    return (r >= t.one ? 1 : 0) + (r >= t.two ? 1 : 0) + (r >= t.three ? 1 : 0);
}

void DepartTrain(World& w, std::int16_t c, std::int16_t s) {
    City& city = w.city(c);
    if (city.TrainDest[At(s)] == 0) {
        return;
    }
    auto& waiting = city.Waiting[At(s)];
    auto& stage1 = city.Stage(s, 1);
    // Queued riders keep their places as seats: the queue is packed and stage 1 has just been
    // advanced, so place q is free.
    for (int q = 1; q <= kSeats && waiting[At(q)] != 0; ++q) {
        stage1[At(q)] = waiting[At(q)];
        waiting[At(q)] = 0;
    }
    if (city.TrainType[At(s)] == 1) {
        return;  // nobody boards a marked train at random
    }
    const int first = FirstFreeSeat(w, c, s);
    const int n = RidersToSend(w, c, s);
    const int last = first + n - 1;
    for (int k = first; k <= last && k <= kRandomSeats; ++k) {
        // Each draw sees the city after the previous citizen has left it.
        const int p = w.Rng.ChooseAmong(city.NumCitizens);
        stage1[At(k)] = city.Citizens[At(p)];
        RemoveCitizenFromCity(w, c, p);
    }
}

void AdvanceRiders(World& w, std::int16_t c, std::int16_t s) {
    // Stage 18 is emptied and becomes the new stage 1; every other stage is now one stage further
    // on without a rider being moved. The game moves each stage's riders one row on, which is the
    // same for rows packed from seat 1, as every stage is.
    City& city = w.city(c);
    city.Stage(s, kStages).fill(0);
    std::int16_t& rot = city.StageRot[At(s)];
    rot = static_cast<std::int16_t>((rot + kStages - 1) % kStages);
}

void WarmUpTrains(World& w) {
    for (int round = 1; round <= kStages; ++round) {
        for (std::int16_t c = 1; c <= kNumCities; ++c) {
            for (std::int16_t s = 1; s <= kSlots; ++s) {
                AdvanceRiders(w, c, s);
            }
        }
        for (std::int16_t c = 1; c <= kNumCities; ++c) {
            for (std::int16_t s = 1; s <= kSlots; ++s) {
                DepartTrain(w, c, s);
            }
        }
    }
}

void AdvanceAllRiders(World& w, std::int16_t slot) {
    for (std::int16_t c = 1; c <= kNumCities; ++c) {
        AdvanceRiders(w, c, slot);
    }
}

void DeparturePass(World& w, std::int16_t slot) {
    for (std::int16_t c = 1; c <= kNumCities; ++c) {
        if (c != w.CurCity) {
            DepartTrain(w, c, slot);
        }
    }
}

}  // namespace rq
