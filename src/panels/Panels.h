// The rules of the main window's panels, kept apart from the widgets that show them: the map and its
// markers, the information panel with its history, the ticket window, and the status bar's count.
#pragma once

#include <cstdint>
#include <string>

#include "game/Game.h"
#include "world/Clock.h"

namespace rq {

// ---- Status bar ----

// lblCrystals' caption: the player's crystals, "0" while the player is fuzzed.
std::string CrystalDisplayText(const World& w);

// ---- Map view ----

// The fill colour of a city's marker (0x00RRGGBB): green for the player's city, black for a fuzzed
// city, red for the fuzzbomb's city, white for any other; the first that applies wins.
std::uint32_t MarkerColour(const World& w, std::int16_t city);

// The city whose marker lies within 25 twips of (x, y), whole pixels on the map that shows
// (the enlarged one doubles every position); the lowest-numbered city wins; 0 when none.
std::int16_t CityAtMapPoint(const World& w, const MapState& map, int x, int y);

// Draws all 200 markers on the map that shows, over what was drawn before.
void DrawCityMarkers(Game& g);

// Brings a city into the panel: its caption, the arrow on its marker (scrolling the enlarged map
// towards it), its five destinations; the destinations box and the arrow become visible.
void ShowCityInfo(Game& g, std::int16_t city);

// Switches between the map and its enlargement, keeping the city the arrow marks,
// and redraws the markers.
void ToggleMapZoom(Game& g);

// A click at (xTwips, yTwips) on the map that shows (picUSA or picUSAZoom): the city there is shown and added to the
// history. Returns the city, 0 when the click hit no marker.
std::int16_t MapClick(Game& g, double xTwips, double yTwips);

// A click at (xTwips, yTwips) inside the arrow (imgPointer): the city under that point
// is shown again, without adding to the history. Returns the city or 0.
std::int16_t PointerClick(Game& g, double xTwips, double yTwips);

// The enlarged map's scroll bars (hscUSA, vscUSA) moved or dragged: the enlarged map follows them.
// Values outside the bars' ranges are brought back into them.
void SetZoomScroll(Game& g, int hValue, int vValue);

// Clears the markers drawn on the normal map (picUSA); the map picture itself stays.
void ClearUsaMap(Game& g);

// ---- Information panel and history ----

// Adds a city after the current entry, dropping the entries that Forward would return to; a city
// equal to the current entry adds nothing.
void AddToHistory(History& h, std::int16_t city);
// Empties the history and disables both buttons (leaving a city, a new game).
void ClearHistory(History& h);
// The city of the current history entry, 0 when the list is empty.
std::int16_t CurrentHistoryCity(const History& h);

void HistoryBack(Game& g);
void HistoryForward(Game& g);

// A destination label: the city whose name (with or without the "* " of a marked link) is its
// caption is shown and added. Returns the city, 0 when no name matched.
std::int16_t ShowDestinationCity(Game& g, int index);

// A legend label: "You Are Here" (0) shows the player's city, "Fuzzbomb City" (2) the fuzzbomb's;
// the others do nothing. Returns the city shown, or 0.
std::int16_t ShowLegendCity(Game& g, int index);

// In a capital whose information the open panel shows, shows it again (its description may have
// changed). Returns whether it did.
bool RefreshInfoForCurrentCity(Game& g, bool infoPanelVisible);

// After the network's arrivals (RefreshMapAndInfo): the markers drawn anew, then the open panel's
// capital as RefreshInfoForCurrentCity has it. Returns whether the information was shown again.
bool RefreshMapState(Game& g, bool infoPanelVisible);

// Leaving a city (ClearPanels), once the window has hidden both panels: the history emptied and no
// train chosen.
void ClearPanelState(Game& g);

// "OK" of the information panel, once the panel is hidden: the player, hidden while the panel was
// open, is shown again and actors standing on it are pushed right by its width plus 3 pixels.
void CloseInfoPanel(Game& g);

// What walking into the capitol does to the panel's contents: the destinations box hidden, the
// map cleared of its markers, the arrow shown and the city under it looked up; a city found there is
// shown with its destinations and the arrow is hidden again (with none the arrow stays); the markers
// are drawn anew. The caller shows the panel.
void OpenMapAtCapitol(Game& g);

// What arriving in a capital does: the map back to its normal size, the city shown and added.
void ShowCapitalCity(Game& g, std::int16_t city);

// ---- Ticket window ----

// Rows back at their own positions: slot s in row s (LayoutTicketWindow).
void ResetTicketRows(TicketState& t);

// The next five departures from the city: the slot after the present window first, each at the
// start of its next window; a choice of the train whose window has just begun is dropped.
void FillTrainSchedule(Game& g, std::int16_t city);

// The player chooses the train of a slot (its option button, or any label of its row).
void ChooseTicketRow(Game& g, int index);

// No train chosen, no option button set (leaving a city, a new game).
void ClearTrainChoice(Game& g);

// "OK" of the ticket window, once the window is hidden: the player is shown again and actors standing
// on it are pushed down by its height plus 3 pixels.
void CloseTicketWindow(Game& g);

}  // namespace rq
