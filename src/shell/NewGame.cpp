// A new game: the old game's scene and state cleared, a new fuzzbomb and start city, the player on
// the next train in, the clock at midnight of day 1. The rail network, the citizens' homes and the
// trains under way carry over.
#include "shell/NewGame.h"

#include "base/Index.h"
#include "scene/EnterCity.h"
#include "scene/LeaveCity.h"
#include "sprite/SpriteDraw.h"
#include "world/Actors.h"
#include "world/Arrivals.h"
#include "world/CityDescription.h"
#include "world/CityTable.h"
#include "world/Platform.h"
#include "world/Trains.h"
#include "world/WorldStartup.h"

namespace rq {

namespace {

// A random citizen for every empty city. One already listed elsewhere stays there too: this only
// makes sure that every city has somebody.
void FillEmptyCities(World& w, SpriteEngine& spr) {
    for (std::int16_t e = FirstEmptyCity(w); e != 0; e = FirstEmptyCity(w)) {
        const auto citizen = static_cast<std::int16_t>(w.Rng.ChooseAmong(kNumCitizens));
        AddCitizenToCity(w, spr, citizen, e);
    }
}

// Riders leaving a fuzzed city (or the fuzzbomb city) carry the fuzz.
void FuzzTrains(World& w) {
    for (std::int16_t c = 1; c <= kNumCities; ++c) {
        if (DescribeWords(w, c).PluralCrystals) {
            continue;
        }
        for (int s = 1; s <= kSlots; ++s) {
            for (int j = 1; j <= kStages; ++j) {
                const auto& seats = w.city(c).Stage(s, j);
                for (int k = 1; k <= kSeats && seats[At(k)] != 0; ++k) {
                    w.crystals(seats[At(k)]) = kFuzzed;
                }
            }
        }
    }
}

// The player's seat on the slot-1 train that arrives at the start city at the start of the first
// window: seat 1 of its last stage, whose rider moves to the first free seat.
void SeatPlayerOnArrivingTrain(World& w) {
    for (std::int16_t i = 1; i <= kNumCities; ++i) {
        if (w.city(i).TrainDest[1] != w.CurCity) {
            continue;
        }
        int k = 1;
        while (k <= kSeats && RiderAt(w, i, 1, kStages, k) != 0) {
            ++k;
        }
        if (k <= kSeats) {
            RiderAt(w, i, 1, kStages, k) = RiderAt(w, i, 1, kStages, 1);
        } else {
            // A full train: its seat-1 rider goes on as the arrival would send it, with the player
            // in seat 1 keeping everybody aboard.
            QueueOnward(w, i, 1, 1);
        }
        RiderAt(w, i, 1, kStages, 1) = kPlayer;
        return;
    }
}

}  // namespace

std::int16_t FirstEmptyCity(const World& w) {
    for (std::int16_t c = 1; c <= kNumCities; ++c) {
        if (w.city(c).NumCitizens == 0) {
            return c;
        }
    }
    return 0;
}

bool AskNewGame(Game& game, Frontend& fe, GameLoop& loop) {
    const bool yes = fe.AskYesNo("Are you sure you want to start a new game?");
    if (yes) {
        StartNewGame(game, fe, loop);
    }
    return yes;
}

void StartNewGame(Game& game, Frontend& fe, GameLoop& loop) {
    World& w = game.world;
    SpriteEngine& spr = game.sprites;
    SceneContext ctx = SceneOf(game, fe);
    fe.SetBusyPointer(true);
    w.StopTransit = true;
    MoveOnAfterHandOver(w, spr);
    if (!game.shell.InTransit) {
        ShowPlayerOnPlatform(spr);
    }
    MakeCitizenActor(spr, game.effects, kPlayerSlot);
    SprHide(spr, kPlayerSlot);
    LeaveCity(ctx, w.CurCity);
    fe.ClearGameView();
    fe.HideInfoPanel();
    fe.HideTicketWindow();
    fe.HideTransit();

    HandOutStartingCrystals(w);  // the old game's fuzzies are ordinary citizens again
    FillEmptyCities(w, spr);
    PlaceFuzzbombAndStartCity(w);
    // A seat held from the old game (a journey cut short, a train not yet arrived) is given up before
    // the trains are fuzzed: the player never arrives twice, and never starts the new game fuzzed
    // because the old seat was on a train leaving a city near the new fuzzbomb.
    RemoveFromTrains(w, kPlayer);
    FuzzTrains(w);
    SeatPlayerOnArrivingTrain(w);
    w.TransitDest = 0;
    EnterCity(ctx, w.CurCity);

    loop.ResumeInCity();
    w.GameTime = -1;
    w.DayNum = 1;
    game.scene.InputBits = 0;
    game.scene.SelectedTrain = 0;
    fe.UpdateCrystalDisplay();
    game.effects.SceneBuilding = false;
    fe.SetBusyPointer(false);
}

}  // namespace rq
