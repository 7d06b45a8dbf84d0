// The panels' rules: the map's hit test, zoom and scrolling, the history, the destinations and the
// legend, the ticket window's schedule and choice, the OK buttons and the crystal count.
#include <gtest/gtest.h>

#include <memory>

#include "panels/Panels.h"
#include "panels/WindowLayout.h"
#include "sprite/SpriteTestSupport.h"

namespace rq {
namespace {

class PanelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (std::int16_t k = 1; k <= kNumCities; ++k) {
            City& c = w().city(k);
            c.Name = "City " + std::to_string(k);
            // Cities lie on a grid well away from each other unless a test moves them.
            c.MapX = static_cast<std::int16_t>(20 + (k - 1) % 20 * 22);
            c.MapY = static_cast<std::int16_t>(20 + (k - 1) / 20 * 25);
            for (std::size_t s = 1; s <= kSlots; ++s) {
                c.TrainDest[s] = static_cast<std::int16_t>((k + static_cast<int>(s) - 1) % kNumCities + 1);
            }
        }
        ComputeWindowLayout(g->panels.Layout, ControlSizes{}, 15360);
        ComputeInfoPanel(g->panels.Layout, ControlSizes{}, 470, 295);
        ResetTicketRows(g->panels.Tickets);
    }
    World& w() { return g->world; }
    Panels& p() { return g->panels; }
    // The viewport's centre on the unzoomed map, as the scroll rule reckons it.
    double CentreX() const { return (g->panels.Layout.Hsc.Width - 2.0 * g->panels.Map.HscValue) / 60; }
    double CentreY() const { return (g->panels.Layout.Vsc.Height - 2.0 * g->panels.Map.VscValue) / 60; }

    std::unique_ptr<Game> g = std::make_unique<Game>();
};

// ---- Map ----

TEST_F(PanelsTest, TheHitTestFindsAMarkerWithin25TwipsAndTheLowerNumberWins) {
    w().city(5).MapX = 100;
    w().city(5).MapY = 300;
    w().city(6).MapX = 101;
    w().city(6).MapY = 300;
    EXPECT_EQ(CityAtMapPoint(w(), p().Map, 100, 300), 5);
    EXPECT_EQ(CityAtMapPoint(w(), p().Map, 101, 300), 5);  // both within reach: the lower number
    EXPECT_EQ(CityAtMapPoint(w(), p().Map, 102, 301), 6);  // √2 from city 6, √5 from city 5
    EXPECT_EQ(CityAtMapPoint(w(), p().Map, 103, 300), 0);  // 2 pixels is beyond 25 twips
    EXPECT_EQ(CityAtMapPoint(w(), p().Map, 99, 301), 5);
    p().Map.Zoomed = true;
    EXPECT_EQ(CityAtMapPoint(w(), p().Map, 100, 300), 0);
    EXPECT_EQ(CityAtMapPoint(w(), p().Map, 200, 600), 5);
    EXPECT_EQ(CityAtMapPoint(w(), p().Map, 202, 601), 6);
}

TEST_F(PanelsTest, AClickOnAMarkerShowsAndAddsTheCityOnTheArrowOnlyShowsIt) {
    const City& c = w().city(7);
    EXPECT_EQ(MapClick(*g, c.MapX * 15.0, c.MapY * 15.0), 7);
    EXPECT_EQ(p().Info.InfoText, "City 7: 0 Crystals");
    EXPECT_EQ(p().Hist.Entries, std::vector<std::int16_t>({7}));
    EXPECT_EQ(MapClick(*g, (c.MapX + 10) * 15.0, c.MapY * 15.0), 0);
    EXPECT_EQ(p().Info.InfoText, "City 7: 0 Crystals");
    EXPECT_EQ(p().Hist.Entries.size(), 1u);
    // Pixel positions are rounded halves to even: 7.5 twips is half a pixel.
    EXPECT_EQ(MapClick(*g, c.MapX * 15.0 + 7.5, c.MapY * 15.0), 7);
    // A click on the arrow shows the city below it without adding it; the arrow's tail lies over no city.
    ShowCityInfo(*g, 13);
    EXPECT_EQ(PointerClick(*g, 7.5, 0), 13);
    EXPECT_EQ(p().Hist.Entries, std::vector<std::int16_t>({7}));
    EXPECT_EQ(PointerClick(*g, 20 * 15.0, 20 * 15.0), 0);
}

TEST_F(PanelsTest, ShowCityInfoFillsTheCaptionArrowAndDestinationsWhoseLabelsSelectTheirCities) {
    City& c = w().city(9);
    c.TrainDest = {0, 10, 11, 12, 13, 14};
    c.TrainType = {0, 0, 1, 0, 0, 1};
    ShowCityInfo(*g, 9);
    EXPECT_EQ(p().Info.InfoText, "City 9: 0 Crystals");
    EXPECT_EQ(p().Info.DestCaptions[1], "City 10");
    EXPECT_EQ(p().Info.DestCaptions[2], "* City 11");
    EXPECT_EQ(p().Info.DestCaptions[5], "* City 14");
    EXPECT_TRUE(p().Info.DestsVisible);
    EXPECT_TRUE(p().Map.PointerVisible);
    EXPECT_FALSE(p().Map.PointerOnZoom);
    EXPECT_EQ(p().Map.PointerLeft, c.MapX * 15);
    EXPECT_EQ(p().Map.PointerTop, c.MapY * 15);
    // A destination label, its mark and all, selects its city; one naming no city does nothing.
    AddToHistory(p().Hist, 9);
    EXPECT_EQ(ShowDestinationCity(*g, 2), 11);
    EXPECT_EQ(p().Info.InfoText, "City 11: 0 Crystals");
    EXPECT_EQ(p().Hist.Entries, std::vector<std::int16_t>({9, 11}));
    p().Info.DestCaptions[3] = "Nowhere";
    EXPECT_EQ(ShowDestinationCity(*g, 3), 0);
    EXPECT_EQ(p().Hist.Entries.size(), 2u);
}

TEST_F(PanelsTest, ZoomingInAndOutKeepsTheMarkedCityAndItsArrow) {
    w().city(30).MapX = 235;
    w().city(30).MapY = 150;
    ShowCityInfo(*g, 30);
    ToggleMapZoom(*g);
    EXPECT_TRUE(p().Map.Zoomed);
    EXPECT_TRUE(p().Map.PointerOnZoom);
    EXPECT_EQ(p().Map.PointerLeft, 2 * 235 * 15);
    EXPECT_EQ(p().Map.PointerTop, 2 * 150 * 15);
    // Scrolled in 480-twip steps until the city lies within 32 map pixels of the viewport's centre.
    EXPECT_EQ(p().Map.HscValue % 480, 0);
    EXPECT_LE(std::abs(CentreX() - 235), 32);
    EXPECT_LE(std::abs(CentreY() - 150), 32);
    EXPECT_EQ(p().Map.HscValue, -3840);  // 8 steps: the centre moves from 82.25 to 210.25
    EXPECT_FALSE(p().Map.ZoomMarkers.empty());
    EXPECT_TRUE(p().Map.UsaMarkers.empty());  // the normal map was cleared for the enlargement

    const int h = p().Map.HscValue;
    const int v = p().Map.VscValue;
    ToggleMapZoom(*g);
    EXPECT_FALSE(p().Map.Zoomed);
    EXPECT_FALSE(p().Map.PointerOnZoom);
    EXPECT_EQ(p().Map.PointerLeft, 235 * 15);
    EXPECT_EQ(p().Map.PointerTop, 150 * 15);
    EXPECT_EQ(p().Map.HscValue, h);  // zooming out keeps the scroll position
    EXPECT_EQ(p().Map.VscValue, v);
    EXPECT_FALSE(p().Map.UsaMarkers.empty());
    EXPECT_EQ(p().Info.InfoText, "City 30: 0 Crystals");
    EXPECT_TRUE(p().Hist.Entries.empty());  // zooming adds nothing to the history
}

TEST_F(PanelsTest, ScrollingStopsAtTheEndsOfTheRange) {
    w().city(40).MapX = 5;
    w().city(40).MapY = 3;
    w().city(41).MapX = 465;
    w().city(41).MapY = 292;
    p().Map.Zoomed = true;
    p().Map.HscValue = -4800;
    p().Map.VscValue = -2400;
    ShowCityInfo(*g, 40);
    EXPECT_EQ(p().Map.HscValue, 0);
    EXPECT_EQ(p().Map.VscValue, 0);
    ShowCityInfo(*g, 41);
    EXPECT_EQ(p().Map.HscValue, p().Layout.HscMax);
    EXPECT_EQ(p().Map.VscValue, p().Layout.VscMax);
    EXPECT_GT(std::abs(CentreX() - 465), 32);  // the city lies off-centre at the range's end
    SetZoomScroll(*g, 100, -999999);           // the bars, dragged, keep in range too
    EXPECT_EQ(p().Map.HscValue, 0);
    EXPECT_EQ(p().Map.VscValue, p().Layout.VscMax);
}

TEST_F(PanelsTest, MarkerColoursPutThePlayersCityFirst) {
    w().CurCity = 3;
    w().FuzzbombCity = 3;
    EXPECT_EQ(MarkerColour(w(), 3), 0x0000FF00u);
    w().CurCity = 4;
    EXPECT_EQ(MarkerColour(w(), 3), 0x00FF0000u);
    City& c = w().city(8);
    c.NumCitizens = 1;
    c.Citizens[1] = 77;
    w().crystals(77) = kFuzzed;
    EXPECT_EQ(MarkerColour(w(), 8), 0x00000000u);
    w().CurCity = 8;
    EXPECT_EQ(MarkerColour(w(), 8), 0x0000FF00u);
    EXPECT_EQ(MarkerColour(w(), 9), 0x00FFFFFFu);
    w().city(9).IsCapital = true;
    DrawCityMarkers(*g);
    ASSERT_EQ(p().Map.UsaMarkers.size(), 201u);
    EXPECT_TRUE(p().Map.UsaMarkers[9].Square);
    EXPECT_FALSE(p().Map.UsaMarkers[10].Square);
    EXPECT_EQ(p().Map.UsaMarkers[8].Fill, 0x0000FF00u);
    EXPECT_TRUE(p().Map.ZoomMarkers.empty());
}

// ---- History ----

TEST_F(PanelsTest, BackTwiceThenANewCityCutsTheForwardEntriesAndNoCityComesTwiceInARow) {
    History& h = p().Hist;
    AddToHistory(h, 1);
    EXPECT_FALSE(h.BackEnabled);  // the first entry enables neither button
    EXPECT_FALSE(h.ForwardEnabled);
    AddToHistory(h, 2);
    AddToHistory(h, 3);
    EXPECT_TRUE(h.BackEnabled);
    HistoryBack(*g);
    EXPECT_EQ(p().Info.InfoText, "City 2: 0 Crystals");
    HistoryBack(*g);
    EXPECT_EQ(CurrentHistoryCity(h), 1);
    EXPECT_FALSE(h.BackEnabled);
    EXPECT_TRUE(h.ForwardEnabled);
    HistoryForward(*g);
    EXPECT_EQ(CurrentHistoryCity(h), 2);
    EXPECT_TRUE(h.BackEnabled);
    EXPECT_TRUE(h.ForwardEnabled);
    HistoryBack(*g);
    AddToHistory(h, 4);
    EXPECT_EQ(h.Entries, std::vector<std::int16_t>({1, 4}));
    EXPECT_EQ(CurrentHistoryCity(h), 4);
    EXPECT_FALSE(h.ForwardEnabled);
    EXPECT_TRUE(h.BackEnabled);
    HistoryForward(*g);  // nothing after the last entry
    EXPECT_EQ(CurrentHistoryCity(h), 4);
    // The current city is not added twice in a row.
    ClearHistory(h);
    AddToHistory(h, 5);
    AddToHistory(h, 5);
    EXPECT_EQ(h.Entries.size(), 1u);
    AddToHistory(h, 6);
    AddToHistory(h, 5);
    EXPECT_EQ(h.Entries, std::vector<std::int16_t>({5, 6, 5}));
    ClearHistory(h);
    EXPECT_TRUE(h.Entries.empty());
    EXPECT_FALSE(h.BackEnabled);
    EXPECT_EQ(CurrentHistoryCity(h), 0);
}

TEST_F(PanelsTest, OnlyTwoLegendEntriesLeadToACity) {
    w().CurCity = 31;
    w().FuzzbombCity = 44;
    EXPECT_EQ(ShowLegendCity(*g, 0), 31);
    EXPECT_EQ(ShowLegendCity(*g, 2), 44);
    EXPECT_EQ(p().Map.PointerLeft, w().city(44).MapX * 15);
    for (int i : {1, 3, 4}) {
        EXPECT_EQ(ShowLegendCity(*g, i), 0);
    }
    EXPECT_EQ(p().Hist.Entries, std::vector<std::int16_t>({31, 44}));
    w().FuzzbombCity = -1;  // destroyed and announced
    EXPECT_EQ(ShowLegendCity(*g, 2), 0);
}

TEST_F(PanelsTest, RefreshShowsACapitalAgainOnlyWhileThePanelShowsIt) {
    City& c = w().city(50);
    c.NumCitizens = 1;
    c.Citizens[1] = 9;
    w().crystals(9) = 4;
    w().CurCity = 50;
    ShowCityInfo(*g, 50);
    AddToHistory(p().Hist, 50);
    w().crystals(9) = 5;
    EXPECT_FALSE(RefreshInfoForCurrentCity(*g, true));  // not a capital
    c.IsCapital = true;
    EXPECT_FALSE(RefreshInfoForCurrentCity(*g, false));  // the panel is closed
    EXPECT_EQ(p().Info.InfoText, "City 50: 4 Crystals");
    EXPECT_TRUE(RefreshInfoForCurrentCity(*g, true));
    EXPECT_EQ(p().Info.InfoText, "City 50: 5 Crystals");
    ShowCityInfo(*g, 51);
    AddToHistory(p().Hist, 51);
    EXPECT_FALSE(RefreshInfoForCurrentCity(*g, true));  // another city is shown
    EXPECT_EQ(p().Info.InfoText, "City 51: 0 Crystals");
}

TEST_F(PanelsTest, ArrivingInACapitalUnzoomsShowsAndAddsAndItsCapitolOpensTheMap) {
    w().city(60).IsCapital = true;
    ToggleMapZoom(*g);
    ShowCapitalCity(*g, 60);
    EXPECT_FALSE(p().Map.Zoomed);
    EXPECT_EQ(CurrentHistoryCity(p().Hist), 60);
    EXPECT_EQ(p().Map.PointerLeft, w().city(60).MapX * 15);
    // The capitol opens the map on the city under the arrow.
    ShowCityInfo(*g, 61);
    DrawCityMarkers(*g);
    OpenMapAtCapitol(*g);
    EXPECT_FALSE(p().Map.PointerVisible) << "the caption names the city; the arrow is put away";
    EXPECT_TRUE(p().Info.DestsVisible);
    EXPECT_EQ(p().Info.InfoText, "City 61: 0 Crystals");
    EXPECT_EQ(p().Map.UsaMarkers.size(), 201u);

    // With the arrow over no city it stays on the map and no destinations show.
    p().Map.PointerLeft = 5 * 15;
    p().Map.PointerTop = 5 * 15;
    OpenMapAtCapitol(*g);
    EXPECT_TRUE(p().Map.PointerVisible);
    EXPECT_FALSE(p().Info.DestsVisible);
}

// ---- Ticket window ----

class TicketTest : public PanelsTest {
protected:
    void At(int h, int m, int s) { w().GameTime = (h * 3600 + m * 60 + s) * 3.0; }
    // Slot by screen position 1..5.
    std::vector<int> SlotsTopToBottom() const {
        std::vector<int> slots(6, 0);
        for (int s = 1; s <= 5; ++s) {
            slots[static_cast<std::size_t>(g->panels.Tickets.Rows[static_cast<std::size_t>(s)].Position)] = s;
        }
        return {slots.begin() + 1, slots.end()};
    }
    const TicketRow& Row(int slot) const { return g->panels.Tickets.Rows[static_cast<std::size_t>(slot)]; }
};

TEST_F(TicketTest, At100320TheNextFiveDeparturesStartWithSlotThree) {
    At(10, 3, 20);
    City& c = w().city(70);
    c.TrainDest = {0, 71, 72, 73, 74, 75};
    c.TrainType = {0, 0, 0, 1, 0, 0};
    FillTrainSchedule(*g, 70);
    EXPECT_EQ(SlotsTopToBottom(), std::vector<int>({3, 4, 5, 1, 2}));
    EXPECT_EQ(Row(3).Time, "10:04:00 AM");
    EXPECT_EQ(Row(4).Time, "10:06:00 AM");
    EXPECT_EQ(Row(5).Time, "10:08:00 AM");
    EXPECT_EQ(Row(1).Time, "10:10:00 AM");
    EXPECT_EQ(Row(2).Time, "10:12:00 AM");
    EXPECT_EQ(Row(3).Dest, "City 73");
    EXPECT_TRUE(Row(3).Marked);
    EXPECT_FALSE(Row(1).Marked);  // TrainType 0 shows no "*"
}

// The next five departures in order, wrapping round midnight. At the very start of a window (an even
// minute to the second: midnight at start-up, an arrival after a journey) the present window's train is
// listed last and the first row's train comes two minutes later.
TEST_F(TicketTest, TheFirstRowIsTheNextWindowsTrainAlsoAtTheStartOfAWindow) {
    struct Case {
        double GameTime;
        int FirstSlot;
        const char* FirstTime;
        const char* LastTime;
    };
    const Case cases[] = {
        {0, 2, "12:02:00 AM", "12:10:00 AM"},                                 // midnight at start-up
        {(13 * 3600 + 20 * 60) * 3.0, 2, "1:22:00 PM", "1:30:00 PM"},         // an arrival on an even minute
        {(13 * 3600 + 21 * 60) * 3.0, 2, "1:22:00 PM", "1:30:00 PM"},         // a minute into the window
        {-1, 1, "12:00:00 AM", "12:08:00 AM"},                                // just before a game's first tick
        {(23 * 3600 + 58 * 60 + 30) * 3.0, 1, "12:00:00 AM", "12:08:00 AM"},  // slot 5's window, past midnight
    };
    for (const Case& c : cases) {
        w().GameTime = c.GameTime;
        FillTrainSchedule(*g, 70);
        const std::vector<int> slots = SlotsTopToBottom();
        EXPECT_EQ(slots.front(), c.FirstSlot) << c.GameTime;
        EXPECT_EQ(Row(slots.front()).Time, c.FirstTime) << c.GameTime;
        EXPECT_EQ(Row(slots.back()).Time, c.LastTime) << c.GameTime;
    }
}

TEST_F(TicketTest, TheChoiceOfTheTrainWhoseWindowBeganIsDropped) {
    At(10, 3, 20);  // slot 2's window
    ChooseTicketRow(*g, 2);
    EXPECT_EQ(g->scene.SelectedTrain, 2);
    EXPECT_EQ(p().Tickets.CheckedSlot, 2);
    FillTrainSchedule(*g, 70);
    EXPECT_EQ(g->scene.SelectedTrain, 0);
    EXPECT_EQ(p().Tickets.CheckedSlot, 0);
    ChooseTicketRow(*g, 4);
    FillTrainSchedule(*g, 70);
    EXPECT_EQ(g->scene.SelectedTrain, 4);
    EXPECT_EQ(p().Tickets.CheckedSlot, 4);
    ClearTrainChoice(*g);
    EXPECT_EQ(g->scene.SelectedTrain, 0);
    EXPECT_EQ(p().Tickets.CheckedSlot, 0);
}

// ---- Status bar ----

TEST_F(PanelsTest, TheCrystalCountShowsZeroForAFuzzedPlayer) {
    w().crystals(kPlayer) = 10;
    EXPECT_EQ(CrystalDisplayText(w()), "10");
    w().crystals(kPlayer) = kFuzzed;
    EXPECT_EQ(CrystalDisplayText(w()), "0");
}

// ---- The OK buttons ----

class PanelOkTest : public PanelsTest {
protected:
    void SetUp() override {
        PanelsTest::SetUp();
        g->sprites = std::move(*test::MakeEngine());
        test::Make(g->sprites, kPlayerSlot, 0, 3, false, 3);
        test::Make(g->sprites, kFirstActorSlot, 8, 11, false, 3);
        w().CurCity = 90;
        w().city(90).NumCitizens = 1;
        w().city(90).Citizens[1] = 5;
        SprShowAt(g->sprites, kPlayerSlot, 300, 500);
        SprHide(g->sprites, kPlayerSlot);  // hidden while the panel is open
    }
    const Sprite& Player() const { return g->sprites[kPlayerSlot]; }
    const Sprite& Actor() const { return g->sprites[kFirstActorSlot]; }
};

// The ticket window's OK pushes the actors on the player's spot down, the panel's OK to the right.
TEST_F(PanelOkTest, TheOkButtonsShowThePlayerAndPushActorsAway) {
    SprShowAt(g->sprites, kFirstActorSlot, 305, 510);
    CloseTicketWindow(*g);
    EXPECT_TRUE(Player().Shown);
    EXPECT_EQ(Player().X, 300);
    EXPECT_EQ(Player().Y, 500);
    EXPECT_EQ(Actor().X, 305);
    EXPECT_EQ(Actor().Y, 510 + Player().Height + 3);
    SprHide(g->sprites, kPlayerSlot);
    SprShowAt(g->sprites, kFirstActorSlot, 305, 510);
    CloseInfoPanel(*g);
    EXPECT_TRUE(Player().Shown);
    EXPECT_EQ(Actor().X, 305 + Player().Width + 3);
    EXPECT_EQ(Actor().Y, 510);
}

}  // namespace
}  // namespace rq
