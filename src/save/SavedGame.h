// A saved game: the whole state of a game as versioned JSON text, and reading it back through the
// game's invariants. Pixels are not saved: the street is composed again from the state.
#pragma once

#include <string>

#include "game/Game.h"
#include "save/SaveJson.h"

namespace rq {

inline constexpr const char* kSaveFormat = "railquest-save";
inline constexpr int kSaveVersion = 1;
inline constexpr const char* kSaveExtension = ".rqsave";

// What a save holds besides `Game`: in a run without a window, the state of whoever plays for the
// player (null when nobody does).
struct SaveExtras {
    Json Player;
    Json Tally;  // what the record of games counts of this game so far (journeys, the autoplayer's help)
};

// The file's text for the game as it stands between two steps, and the tree it is written from.
std::string SavedGameText(const Game& game, const SaveExtras& extras);
Json SavedGameJson(const Game& game, const SaveExtras& extras);

// Reads a saved game's text onto `game`, a game whose files start-up loaded and whose sprite slots
// it made. The state read is checked (every value's range, then the world's and the street's
// invariants) before it replaces the game's: true when it has; false with the fault in words
// (and `game` and `extras` unchanged) when the text is no saved game.
bool ReadSavedGame(const std::string& text, Game& game, SaveExtras& extras, std::string& fault);
// The same for a text already read into a tree (within the bounds of SaveSyntaxFault).
bool ReadSavedGame(const Json& doc, Game& game, SaveExtras& extras, std::string& fault);

// The street's pictures composed again from the state, when the game draws them (a back buffer).
void ComposeSavedStreet(Game& game);

}  // namespace rq
