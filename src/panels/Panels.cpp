// The rules of the main window's panels: map, information panel and history, ticket window, crystal count.
#include "panels/Panels.h"

#include <cmath>

#include "base/Rounding.h"
#include "sprite/SpriteDraw.h"
#include "world/Actors.h"
#include "world/CityDescription.h"
#include "world/Clock.h"

namespace rq {

namespace {

bool IsCity(int city) {
    return city >= 1 && city <= kNumCities;
}

// The marker radius and the hit radius: 25 twips.
constexpr double kMarkerRadiusTwips = 25;

// One scroll bar's walk towards a map coordinate (in unzoomed pixels): steps of SmallChange until
// the viewport's centre lies within SmallChange of it, or the bar's range ends. Value, and so the
// centre, is read again on every pass, as the bar's Change event moves the picture each time.
void ScrollTowards(int& value, double viewportTwips, int small, int min, int max, int mapCoord, int tpp) {
    auto centre = [&] { return (viewportTwips - 2.0 * value) / (4.0 * tpp); };
    const double reach = static_cast<double>(small) / tpp;
    while (centre() > mapCoord + reach) {
        if (value + small > min) {
            value = min;
            break;
        }
        value += small;
    }
    while (centre() < mapCoord - reach) {
        if (value - small < max) {
            value = max;
            break;
        }
        value -= small;
    }
}

// The slot whose row sits at screen position k when `base` is the slot of the present window.
int SlotAtPosition(int base, int k) {
    const int s = (base + k) % 5;
    return s == 0 ? 5 : s;
}

void ShowPlayerAgain(Game& g) {
    const Sprite& player = g.sprites[kPlayerSlot];
    SprShowAt(g.sprites, kPlayerSlot, player.X, player.Y);
}

}  // namespace

// ---- Status bar ----

std::string CrystalDisplayText(const World& w) {
    const std::int16_t n = w.crystals(kPlayer);
    return n < 0 ? "0" : std::to_string(n);
}

// ---- Map view ----

std::uint32_t MarkerColour(const World& w, std::int16_t city) {
    if (city == w.CurCity) {
        return 0x0000FF00u;  // green
    }
    const DescriptionWords words = DescribeWords(w, city);
    if (words.FuzzedCity) {
        return 0x00000000u;
    }
    if (words.FuzzbombCity) {
        return 0x00FF0000u;  // red
    }
    return 0x00FFFFFFu;
}

std::int16_t CityAtMapPoint(const World& w, const MapState& map, int x, int y) {
    const int s = map.Zoomed ? 2 : 1;
    for (std::int16_t k = 1; k <= kNumCities; ++k) {
        const City& c = w.city(k);
        const double dx = s * c.MapX - x;
        const double dy = s * c.MapY - y;
        // The hit radius is the marker's 25 twips in pixels, the same on both maps.
        if (kMarkerRadiusTwips / TPPX >= std::sqrt(dx * dx + dy * dy)) {
            return k;
        }
    }
    return 0;
}

void DrawCityMarkers(Game& g) {
    std::vector<MarkerPaint>& target = g.panels.Map.Zoomed ? g.panels.Map.ZoomMarkers : g.panels.Map.UsaMarkers;
    target.assign(kNumCities + 1, MarkerPaint{});
    for (std::int16_t k = 1; k <= kNumCities; ++k) {
        target[static_cast<std::size_t>(k)] = {MarkerColour(g.world, k), g.world.city(k).IsCapital};
    }
}

void ShowCityInfo(Game& g, std::int16_t city) {
    if (!IsCity(city)) {
        return;
    }
    const City& c = g.world.city(city);
    MapState& map = g.panels.Map;
    const WindowLayout& l = g.panels.Layout;

    g.panels.Info.InfoText = c.Name + ": " + CityDescription(g.world, city);

    if (!map.Zoomed) {
        map.PointerOnZoom = false;
        map.PointerLeft = static_cast<double>(c.MapX) * TPPX;
        map.PointerTop = static_cast<double>(c.MapY) * TPPY;
    } else {
        map.PointerOnZoom = true;
        map.PointerLeft = 2.0 * c.MapX * TPPX;
        map.PointerTop = 2.0 * c.MapY * TPPY;
        ScrollTowards(map.HscValue, l.Hsc.Width, l.SmallChange, 0, l.HscMax, c.MapX, TPPX);
        ScrollTowards(map.VscValue, l.Vsc.Height, l.SmallChange, 0, l.VscMax, c.MapY, TPPY);
    }

    for (std::size_t i = 1; i <= kSlots; ++i) {
        const std::int16_t dest = c.TrainDest[i];
        const std::string name = IsCity(dest) ? g.world.city(dest).Name : std::string();
        g.panels.Info.DestCaptions[i] = c.TrainType[i] == 1 ? "* " + name : name;
    }

    g.panels.Info.DestsVisible = true;
    map.PointerVisible = true;
}

void ToggleMapZoom(Game& g) {
    MapState& map = g.panels.Map;
    // The city the arrow marks, judged on the map that shows before the switch.
    const std::int16_t city = CityAtMapPoint(g.world, map, CInt(map.PointerLeft / TPPX), CInt(map.PointerTop / TPPY));
    if (!map.Zoomed) {
        map.Zoomed = true;
        // The enlargement is made afresh from the plain map picture; markers come from the redraw below.
        map.UsaMarkers.clear();
        map.ZoomMarkers.clear();
    } else {
        map.Zoomed = false;
    }
    if (city != 0) {
        ShowCityInfo(g, city);
    }
    DrawCityMarkers(g);
}

std::int16_t MapClick(Game& g, double xTwips, double yTwips) {
    const std::int16_t city = CityAtMapPoint(g.world, g.panels.Map, CInt(xTwips / TPPX), CInt(yTwips / TPPY));
    if (city != 0) {
        ShowCityInfo(g, city);
        AddToHistory(g.panels.Hist, city);
    }
    return city;
}

std::int16_t PointerClick(Game& g, double xTwips, double yTwips) {
    const MapState& map = g.panels.Map;
    const std::int16_t city =
        CityAtMapPoint(g.world, map, CInt((map.PointerLeft + xTwips) / TPPX), CInt((map.PointerTop + yTwips) / TPPY));
    if (city != 0) {
        ShowCityInfo(g, city);
    }
    return city;
}

void SetZoomScroll(Game& g, int hValue, int vValue) {
    const WindowLayout& l = g.panels.Layout;
    auto clamp = [](int v, int max) { return v > 0 ? 0 : (v < max ? max : v); };
    g.panels.Map.HscValue = clamp(hValue, l.HscMax);
    g.panels.Map.VscValue = clamp(vValue, l.VscMax);
}

void ClearUsaMap(Game& g) {
    g.panels.Map.UsaMarkers.clear();
}

// ---- Information panel and history ----

void AddToHistory(History& h, std::int16_t city) {
    if (!h.Entries.empty() && CurrentHistoryCity(h) == city) {
        return;
    }
    h.Entries.resize(static_cast<std::size_t>(h.ListIndex + 1));
    h.Entries.push_back(city);
    h.ListIndex = static_cast<int>(h.Entries.size()) - 1;
    h.ForwardEnabled = false;
    if (h.Entries.size() > 1) {
        h.BackEnabled = true;
    }
}

void ClearHistory(History& h) {
    h.Entries.clear();
    h.ListIndex = -1;
    h.BackEnabled = false;
    h.ForwardEnabled = false;
}

std::int16_t CurrentHistoryCity(const History& h) {
    if (h.ListIndex < 0 || h.ListIndex >= static_cast<int>(h.Entries.size())) {
        return 0;
    }
    return h.Entries[static_cast<std::size_t>(h.ListIndex)];
}

void HistoryBack(Game& g) {
    History& h = g.panels.Hist;
    if (h.ListIndex <= 0) {
        return;  // the button is disabled then
    }
    --h.ListIndex;
    ShowCityInfo(g, CurrentHistoryCity(h));
    h.ForwardEnabled = true;
    if (h.ListIndex == 0) {
        h.BackEnabled = false;
    }
}

void HistoryForward(Game& g) {
    History& h = g.panels.Hist;
    if (h.ListIndex + 1 >= static_cast<int>(h.Entries.size())) {
        return;
    }
    ++h.ListIndex;
    ShowCityInfo(g, CurrentHistoryCity(h));
    h.BackEnabled = true;
    if (h.ListIndex == static_cast<int>(h.Entries.size()) - 1) {
        h.ForwardEnabled = false;
    }
}

std::int16_t ShowDestinationCity(Game& g, int index) {
    if (index < 1 || index > kSlots) {
        return 0;
    }
    const std::string& caption = g.panels.Info.DestCaptions[static_cast<std::size_t>(index)];
    for (std::int16_t k = 1; k <= kNumCities; ++k) {
        const std::string& name = g.world.city(k).Name;
        if (caption == "* " + name || caption == name) {
            ShowCityInfo(g, k);
            AddToHistory(g.panels.Hist, k);
            return k;
        }
    }
    return 0;
}

std::int16_t ShowLegendCity(Game& g, int index) {
    std::int16_t city = 0;
    if (index == 0) {
        city = g.world.CurCity;
    } else if (index == 2) {
        city = g.world.FuzzbombCity;
    }
    // During a journey there is no current city, and a destroyed fuzzbomb has no city.
    if (!IsCity(city)) {
        return 0;
    }
    ShowCityInfo(g, city);
    AddToHistory(g.panels.Hist, city);
    return city;
}

bool RefreshInfoForCurrentCity(Game& g, bool infoPanelVisible) {
    const std::int16_t cur = g.world.CurCity;
    if (!IsCity(cur) || !g.world.city(cur).IsCapital || !infoPanelVisible) {
        return false;
    }
    if (g.panels.Hist.Entries.empty() || CurrentHistoryCity(g.panels.Hist) != cur) {
        return false;
    }
    ShowCityInfo(g, cur);
    return true;
}

bool RefreshMapState(Game& g, bool infoPanelVisible) {
    DrawCityMarkers(g);
    return RefreshInfoForCurrentCity(g, infoPanelVisible);
}

void ClearPanelState(Game& g) {
    ClearHistory(g.panels.Hist);
    ClearTrainChoice(g);
}

void CloseInfoPanel(Game& g) {
    ShowPlayerAgain(g);
    const auto dx = static_cast<std::int16_t>(g.sprites[kPlayerSlot].Width + 3);
    PushOverlappingActors(g.world, g.sprites, kPlayerSlot, dx, 0);
}

void OpenMapAtCapitol(Game& g) {
    MapState& map = g.panels.Map;
    g.panels.Info.DestsVisible = false;
    ClearUsaMap(g);
    map.PointerVisible = true;
    const std::int16_t city = CityAtMapPoint(g.world, map, CInt(map.PointerLeft / TPPX), CInt(map.PointerTop / TPPY));
    if (city != 0) {
        // The city's caption and destinations say which city it is; the arrow is put away. With no
        // city under it, the arrow stays where it was.
        ShowCityInfo(g, city);
        map.PointerVisible = false;
    }
    DrawCityMarkers(g);
}

void ShowCapitalCity(Game& g, std::int16_t city) {
    if (g.panels.Map.Zoomed) {
        ToggleMapZoom(g);
    }
    ShowCityInfo(g, city);
    AddToHistory(g.panels.Hist, city);
}

// ---- Ticket window ----

void ResetTicketRows(TicketState& t) {
    for (int s = 1; s <= kSlots; ++s) {
        t.Rows[static_cast<std::size_t>(s)].Position = s;
    }
}

void FillTrainSchedule(Game& g, std::int16_t city) {
    if (!IsCity(city)) {
        return;
    }
    const std::int16_t base = CurrentTrainSlot(g.world);
    // The first row's train is the one of the window after the present one, so its time is that
    // window's start, even when the present window has only just begun (on an even minute to the
    // second, such as midnight at start-up or the end of a journey). Just before the first tick of a
    // game (GameTime −1, base 0) that is midnight. Whole days are dropped when the time is written.
    const int t = (Int(g.world.GameTime / kTrainWindowUnits) + 1) * kTrainWindowSeconds;
    const City& c = g.world.city(city);
    for (int k = 1; k <= 5; ++k) {
        const auto s = static_cast<std::size_t>(SlotAtPosition(base, k));
        TicketRow& row = g.panels.Tickets.Rows[s];
        row.Marked = c.TrainType[s] == 1;
        row.Position = k;
        row.Time = FormatTimeOfDay(t + kTrainWindowSeconds * (k - 1));
        const std::int16_t dest = c.TrainDest[s];
        row.Dest = IsCity(dest) ? g.world.city(dest).Name : std::string();
    }
    // The chosen train's window has just begun: that train is no longer one to choose.
    if (g.scene.SelectedTrain == base) {
        if (g.panels.Tickets.CheckedSlot == base) {
            g.panels.Tickets.CheckedSlot = 0;
        }
        g.scene.SelectedTrain = 0;
    }
}

void ChooseTicketRow(Game& g, int index) {
    if (index < 1 || index > kSlots) {
        return;
    }
    g.panels.Tickets.CheckedSlot = static_cast<std::int16_t>(index);
    g.scene.SelectedTrain = static_cast<std::int16_t>(index);
}

void ClearTrainChoice(Game& g) {
    g.panels.Tickets.CheckedSlot = 0;
    g.scene.SelectedTrain = 0;
}

void CloseTicketWindow(Game& g) {
    ShowPlayerAgain(g);
    ClearSpotBelow(g.world, g.sprites, kPlayerSlot);
}

}  // namespace rq
