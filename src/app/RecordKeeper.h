// Keeps the record of games for the running window game: a new game counted as started, each step
// tallied, a win added, the file rewritten. A replay keeps none.
#pragma once

#include <string>

#include "save/WinRecords.h"

namespace rq {

class RecordKeeper {
public:
    // The records at `path` (records.json in the data folder); a damaged file is set aside and
    // Message() says so.
    explicit RecordKeeper(std::string path);

    // A new game begins (the title picture's click, Game → New): counted as started.
    void Started(const Game& game);
    // A saved game replaced the running one: its tally goes on from the one it kept (`kept`, null when
    // it kept none: its journeys before are unknown, and its start counts at a win).
    void Opened(const Game& game, const Json& kept);
    // The tally to keep in a saved game of the running one.
    Json KeptTally(const Game& game) const { return TallyJson(tally_, game); }
    // After each step of the running game: a new game begun by Game → New is counted, a win is added.
    // Returns "Your fastest win yet" after the player's fastest win, else nothing.
    std::string AfterStep(const Game& game);

    const WinRecords& Records() const { return records_; }
    // What went wrong with the file since last asked (a damaged file set aside, a failed write).
    std::string TakeMessage();

private:
    void Save();

    std::string path_;
    WinRecords records_;
    GameTally tally_;
    std::int64_t clock_ = 0;  // the game clock after the last step, in thirds of a second
    bool writable_ = true;    // false when a damaged file could not be set aside
    std::string message_;
};

}  // namespace rq
