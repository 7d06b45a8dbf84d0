// The trains of the network: each route (city, slot) is a pipeline of 18 ten-minute stages of 26 seats.
#pragma once

#include <cstdint>

#include "world/World.h"

namespace rq {

// Queued riders take their places as seats; then, except on a marked link, up to 3 random citizens
// of the city board (seats 1..3 only). A slot without a link runs no train.
void DepartTrain(World& w, std::int16_t c, std::int16_t s);

// Stage 18 is emptied and every other stage moves one stage on.
void AdvanceRiders(World& w, std::int16_t c, std::int16_t s);

// The first free seat (1..26) of stage 1, or 27 when all are taken.
int FirstFreeSeat(const World& w, std::int16_t c, std::int16_t s);

// How many random citizens of c take this departure (0..3), by c's citizens and the destination's
// size. Always draws one random number.
int RidersToSend(World& w, std::int16_t c, std::int16_t s);

// Pre-runs every pipeline for three hours at start-up: 18 rounds of advances, then departures, for
// every city and slot. No arrivals are handed over, so nobody is dropped.
void WarmUpTrains(World& w);

// The network's passes over every city for the trains of one slot: every route advanced; every city
// but CurCity departing.
void AdvanceAllRiders(World& w, std::int16_t slot);
void DeparturePass(World& w, std::int16_t slot);

// Takes the rider out of every queue and every train of the network, closing each gap so that the
// seats stay packed from seat 1. Returns how many places it held.
int RemoveFromTrains(World& w, std::int16_t rider);

// The rider in stage j (1..18), seat k (1..26) of route (c, s); 0 = empty. Entry 0 is unused.
inline std::int16_t& RiderAt(World& w, std::int16_t c, std::int16_t s, int j, int k) {
    return w.city(c).Stage(s, j)[static_cast<std::size_t>(k)];
}
inline std::int16_t RiderAt(const World& w, std::int16_t c, std::int16_t s, int j, int k) {
    return w.city(c).Stage(s, j)[static_cast<std::size_t>(k)];
}
// Place q (1..26) of the queue for route (c, s).
inline std::int16_t& WaitingAt(World& w, std::int16_t c, std::int16_t s, int q) {
    return w.city(c).Waiting[static_cast<std::size_t>(s)][static_cast<std::size_t>(q)];
}
inline std::int16_t WaitingAt(const World& w, std::int16_t c, std::int16_t s, int q) {
    return w.city(c).Waiting[static_cast<std::size_t>(s)][static_cast<std::size_t>(q)];
}

}  // namespace rq
