// A restless player for runs without a window: wanders with held directions that change at random
// intervals, drops a crystal now and then, visits the ticket office, chooses a train, walks to the
// platform and boards it. It draws from its own generator, so the game's own draws stay as they are.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "autoplay/StepAside.h"
#include "base/Random.h"
#include "game/PlayerAction.h"

namespace rq {

struct Game;

class RestlessPlayer : public InputSource {
public:
    // Its generator is seeded from the game's seed.
    explicit RestlessPlayer(std::uint64_t gameSeed);

    StepInput Next(std::int64_t step, const Game& game) override;
    InputFrom From() const override { return InputFrom::Restless; }

    // What it has in mind and its generator's state, so that a saved game's player plays on exactly
    // as it would have. Recall takes only values Remember could give: false, and nothing changed, else.
    struct Memory {
        std::string Dice;
        std::vector<std::int64_t> Values;
    };
    Memory Remember() const;
    bool Recall(const Memory& memory);

    // What it has done so far.
    int TicketsChosen() const { return ticketsChosen_; }
    int Departures() const { return departures_; }

private:
    enum class Goal : std::uint8_t { Wander, Office, Platform };

    void SetGoal(Goal goal);
    int Draw(int low, int high) { return low + dice_.Below(high - low + 1); }
    std::uint16_t Wander();
    std::uint16_t Toward(const Game& game, int x, int y, bool yFirst);
    std::uint16_t WalkToGoal(const Game& game);
    StepInput InPanel(StepInput in, PlayerAction ok, const Game& game);

    Random dice_;
    Goal goal_ = Goal::Wander;
    int goalSteps_ = 0;        // steps left for the goal: a wander's length, or how long to try
    StepAside aside_;          // the direction held while wandering or stepping aside
    int panelWait_ = 0;        // steps left before the open panel's OK
    std::int16_t chosen_ = 0;  // the train slot chosen
    std::int16_t city_ = 0;    // the city it is walking in
    bool travelling_ = false;
    int ticketsChosen_ = 0;
    int departures_ = 0;
};

}  // namespace rq
