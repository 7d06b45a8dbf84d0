// EnterCity: the street of every size class, the fixed objects, and the citizens at free places.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/Panels.h"
#include "scene/EnterCity.h"
#include "scene/SceneTestSupport.h"
#include "sprite/SpriteDraw.h"
#include "support/RecordingSound.h"
#include "world/Actors.h"

namespace rq {
namespace {

using test::TestGame;

struct Box {
    int l, t, r, b;
};
Box BoxOf(const Sprite& s) {
    return {s.X, s.Y, s.X + s.Width, s.Y + s.Height};
}
// Touching edges count as meeting, as in the game's collision tests.
bool Meet(const Box& p, const Box& q) {
    return p.r >= q.l && p.b >= q.t && p.l <= q.r && p.t <= q.b;
}

class EnterCityTest : public ::testing::Test {
protected:
    static constexpr std::int16_t kCity = 12;

    // City 12 of the given size with n citizens; every third one fuzzed.
    void MakeCity(std::int16_t size, int n, bool capital = false, std::int16_t scenery = 7) {
        World& w = t.game->world;
        City& c = w.city(kCity);
        c.Name = "Testville, Nowhere";
        c.Size = size;
        c.Scenery = scenery;
        c.IsCapital = capital;
        c.NumCitizens = static_cast<std::int16_t>(n);
        for (int p = 1; p <= 25; ++p) {
            c.Citizens[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(p <= n ? 100 + p : 0);
            w.crystals(100 + p) = static_cast<std::int16_t>(p % 3 == 0 ? kFuzzed : 4);
        }
        w.CurCity = kCity;
    }

    void Enter() {
        t.game->effects.Port = &sound;
        EnterCity(t.ctx, kCity);
    }

    const Sprite& Slot(int s) const { return t.game->sprites[s]; }

    TestGame t;
    test::RecordingSound sound;
};

TEST_F(EnterCityTest, EveryClassPlacesItsCitizensOnFreeGroundInItsOwnViews) {
    for (std::int16_t size = 2; size <= 5; ++size) {
        for (std::uint64_t seed = 1; seed <= 12; ++seed) {
            t.game->world.Rng.Seed(seed * 97 + static_cast<std::uint64_t>(size));
            for (int s = 1; s < kSpriteSlots; ++s) t.game->sprites[s].Shown = false;
            MakeCity(size, 25);
            Enter();
            const SpriteEngine& spr = t.game->sprites;
            ASSERT_EQ(spr.gSceneRects.size(), static_cast<std::size_t>(size * 2 + 3));
            for (int j = 1; j <= 25; ++j) {
                const Sprite& a = Slot(kPlayerSlot + j);
                SCOPED_TRACE("size " + std::to_string(size) + " seed " + std::to_string(seed) + " actor " +
                             std::to_string(j));
                ASSERT_TRUE(a.Shown);
                EXPECT_FALSE(a.Blocked);
                EXPECT_EQ(a.CitizenNo, 100 + j);
                const int col = a.X / 640;
                const int row = a.Y / 377;
                EXPECT_GE(row, 1) << "no citizen starts in the station's row";
                if (size <= 3) {
                    EXPECT_EQ(col, 1);
                }
                if (size == 2) {
                    EXPECT_EQ(row, 1);
                }
                if (size == 4) {
                    EXPECT_FALSE(col == 0 && row == 2) << "view (0, 2) is walled off";
                }
                for (std::size_t r = 1; r < spr.gSceneRects.size(); ++r) {
                    const SceneRect& q = spr.gSceneRects[r];
                    EXPECT_FALSE(Meet(BoxOf(a), {q.Left, q.Top, q.Left + q.Width, q.Top + q.Height}))
                        << "touches scene rectangle " << r;
                }
                for (int k = j + 1; k <= 25; ++k) {
                    EXPECT_FALSE(Meet(BoxOf(a), BoxOf(Slot(kPlayerSlot + k)))) << "touches actor " << k;
                }
                for (const int object : {kTicketOfficeSlot, kCapitolSlot, kFuzzbombSlot}) {
                    if (Slot(object).Shown) {
                        EXPECT_FALSE(Meet(BoxOf(a), BoxOf(Slot(object))));
                    }
                }
                // A walking speed on each axis, never standing still.
                EXPECT_TRUE(a.VX == 0 || a.VX == 7 || a.VX == -7 || a.VX == 5 || a.VX == -5);
                EXPECT_TRUE(a.VY == 0 || a.VY == 7 || a.VY == -7 || a.VY == 5 || a.VY == -5);
                EXPECT_FALSE(a.VX == 0 && a.VY == 0);
                EXPECT_EQ(std::abs(a.VX) == 5, std::abs(a.VY) == 5) << "diagonals are 7/√2 on both axes";
                // Frames 8..11 whatever the look, so the actors do not step in time.
                EXPECT_GE(a.Frame, 8);
                EXPECT_LE(a.Frame, 11);
                EXPECT_EQ(a.FirstFrame, j % 3 == 0 ? 4 : 8);
            }
        }
    }
}

TEST_F(EnterCityTest, StatusBarStationViewAndTheFixedObjectsByClass) {
    struct Case {
        std::int16_t size;
        int officeX, officeY, capitolX, capitolY;
    };
    for (const Case& c : {Case{2, 1270 - 60, 387, 650, 744 - 60}, Case{3, 1270 - 60, 764, 650, 1121 - 60},
                          Case{4, 630 - 60, 387, 10, 744 - 60}, Case{5, 630 - 60, 387, 10, 744 - 60}}) {
        MakeCity(c.size, 3, /*capital=*/true);
        t.game->sprites.ViewCol = 0;
        t.game->sprites.ViewRow = 2;
        t.game->world.GameTime = 10800 * 15 + 3 * 61;  // 3:01:01 PM
        Enter();
        EXPECT_EQ(t.port.time, "3:01:01 PM");
        EXPECT_EQ(t.port.cityName, "Testville, Nowhere");
        EXPECT_FALSE(t.port.statusBarBlack);
        EXPECT_EQ(t.game->sprites.ViewCol, 1);
        EXPECT_EQ(t.game->sprites.ViewRow, 0);
        EXPECT_EQ(Slot(kTicketOfficeSlot).X, c.officeX);
        EXPECT_EQ(Slot(kTicketOfficeSlot).Y, c.officeY);
        EXPECT_TRUE(Slot(kCapitolSlot).Shown);
        EXPECT_EQ(Slot(kCapitolSlot).X, c.capitolX);
        EXPECT_EQ(Slot(kCapitolSlot).Y, c.capitolY);
        const TicketState shown = t.game->panels.Tickets;
        FillTrainSchedule(*t.game, kCity);
        for (std::size_t s = 1; s <= 5; ++s) {
            EXPECT_EQ(shown.Rows[s].Time, t.game->panels.Tickets.Rows[s].Time) << "the rows are the city's";
            EXPECT_EQ(shown.Rows[s].Dest, t.game->panels.Tickets.Rows[s].Dest);
        }
        EXPECT_EQ(CurrentHistoryCity(t.game->panels.Hist), kCity) << "a capital shows its own information";
        EXPECT_EQ(Slot(kPlayerSlot).CitizenNo, kPlayer);
    }
}

TEST_F(EnterCityTest, SceneryLayersFollowTheBitsAndAreCentredOnThePlatform) {
    MakeCity(3, 0, false, 5);  // mountains and downtown
    Enter();
    EXPECT_TRUE(Slot(106).Shown);
    EXPECT_FALSE(Slot(107).Shown);
    EXPECT_TRUE(Slot(108).Shown);
    EXPECT_EQ(Slot(106).X, 960 - 320);
    EXPECT_EQ(Slot(106).Y, 0);
    EXPECT_EQ(Slot(108).X, 960 - 320);
}

TEST_F(EnterCityTest, TheFuzzbombStandsInTheMiddleOfItsCityOnly) {
    MakeCity(5, 0);
    Enter();
    EXPECT_FALSE(Slot(kFuzzbombSlot).Shown);
    t.game->world.FuzzbombCity = kCity;
    Enter();
    ASSERT_TRUE(Slot(kFuzzbombSlot).Shown);
    EXPECT_EQ(Slot(kFuzzbombSlot).X, 960 - 20);
    EXPECT_EQ(Slot(kFuzzbombSlot).Y, 566 - 20);  // 1131 / 2 − 40 / 2 = 545.5, rounded to even 546
}

TEST_F(EnterCityTest, ACityWithoutCitizensTouchesNoActorSlot) {
    MakeCity(4, 0);
    t.game->sprites[kFirstActorSlot].X = 77;
    t.game->sprites[kFirstActorSlot].CitizenNo = 9;
    Enter();
    for (int s = kFirstActorSlot; s <= kLastActorSlot; ++s) EXPECT_FALSE(Slot(s).Shown);
    EXPECT_EQ(Slot(kFirstActorSlot).X, 77);
    EXPECT_EQ(Slot(kFirstActorSlot).CitizenNo, 9);
    EXPECT_TRUE(t.game->panels.Hist.Entries.empty()) << "a city that is no capital leaves the panel alone";
}

TEST_F(EnterCityTest, BuildingIsSilentAndTheSameLookChangeSoundsAfterwards) {
    MakeCity(3, 6);
    Enter();
    EXPECT_TRUE(sound.played.empty());
    EXPECT_FALSE(t.game->effects.SceneBuilding);
    // After the scene is built, fuzzing an actor is heard.
    t.game->world.crystals(101) = 4;
    MakeFuzzyActor(t.game->world, t.game->sprites, t.game->effects, kFirstActorSlot);
    EXPECT_EQ(sound.played, std::vector<std::string>{"makefzzy.wav"});
}

}  // namespace
}  // namespace rq
