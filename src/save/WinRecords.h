// The player's record of games: started, won, the fastest win and the fewest journeys to one, the
// last ten wins, and the wins the autoplayer had a hand in, apart. Kept as versioned JSON in the
// data folder (records.json), written whole or not at all; a damaged file is set aside, never
// written over.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/Game.h"
#include "save/SaveJson.h"

namespace rq {

inline constexpr std::size_t kLastWins = 10;

struct WinEntry {
    std::string Date;              // the day it was won, YYYY-MM-DD
    std::int64_t GameSeconds = 0;  // game time from midnight of day 1 to the win
    std::int32_t Journeys = -1;    // -1: not known (the game was opened from a saved game)
    friend bool operator==(const WinEntry&, const WinEntry&) = default;
};

struct WinRecords {
    std::int64_t Started = 0;
    std::int64_t Won = 0;  // by the player alone
    std::optional<WinEntry> Fastest;
    std::optional<WinEntry> FewestJourneys;
    std::vector<WinEntry> LastWins;  // newest first, at most ten
    std::int64_t AutoplayerWon = 0;  // games the autoplayer played in, won
    std::optional<WinEntry> AutoplayerFastest;
    friend bool operator==(const WinRecords&, const WinRecords&) = default;
};

// What the records need to know of the running game, gathered step by step.
struct GameTally {
    std::int32_t Journeys = 0;
    bool JourneysKnown = true;  // false for a game opened from a saved game that kept no tally
    bool StartCounted = true;   // false for such a game: its start is counted at its win
    bool Helped = false;        // the autoplayer held the input at some step
    bool WasInTransit = false;
    bool WasWon = false;
};

// A tally for a game that begins now: a new one (counted from its start) or an opened one.
GameTally TallyOf(const Game& game, bool newGame);

// The tally kept in a saved game, so that a game saved (or kept at quit) and opened again goes on
// counting its journeys and whether the autoplayer helped, and its start is not counted twice.
Json TallyJson(const GameTally& tally, const Game& game);
// The tally of a game opened from a saved game with the tally it kept (null: none, or not one it can
// read; its journeys are then unknown and its start is counted at a win).
GameTally OpenedTally(const Game& game, const Json& kept);

// Notes one step that has run; true when it destroyed the fuzzbomb.
bool NoteStep(GameTally& tally, const Game& game);

// A game the player started.
inline void AddStart(WinRecords& records) {
    ++records.Started;
}
// A won game, the player's or, when the autoplayer helped, the autoplayer's; true when it is the
// player's fastest win yet.
bool AddWin(WinRecords& records, const GameTally& tally, const Game& game, const std::string& date);

// The game time of a win as "3:05:07" or "2 days 3:05:07".
std::string GameTimeText(std::int64_t seconds);

std::string RecordsJson(const WinRecords& records);
// False with the fault when the text is not a records file of this version.
bool ParseRecords(const std::string& text, WinRecords& records, std::string& fault);

// records.json in the data folder; empty when there is none.
std::string RecordsPath();

// Reads the records at `path` (none yet: empty records). A file that cannot be read as records is
// renamed beside it (records.damaged.json, or with a number) and `message` says so; the records then
// start empty. False only when a damaged file could not be set aside: then nothing may be written.
bool LoadRecords(const std::string& path, WinRecords& records, std::string& message);
bool SaveRecords(const std::string& path, const WinRecords& records, std::string& error);

}  // namespace rq
