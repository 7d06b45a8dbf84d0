// The record of games kept as the window game runs.
#include "app/RecordKeeper.h"

#include <QDate>
#include <iostream>
#include <utility>

namespace rq {

namespace {

// The clock of the game since midnight of day 1: a new game sets it back.
std::int64_t ClockOf(const Game& game) {
    return static_cast<std::int64_t>(game.world.DayNum) * 86400 * 3 + static_cast<std::int64_t>(game.world.GameTime);
}

}  // namespace

RecordKeeper::RecordKeeper(std::string path) : path_(std::move(path)) {
    writable_ = !path_.empty() && LoadRecords(path_, records_, message_);
    if (!message_.empty()) {
        std::cerr << "railquest: " << message_ << '\n';
    }
}

void RecordKeeper::Started(const Game& game) {
    tally_ = TallyOf(game, true);
    clock_ = ClockOf(game);
    AddStart(records_);
    Save();
}

void RecordKeeper::Opened(const Game& game, const Json& kept) {
    tally_ = OpenedTally(game, kept);
    clock_ = ClockOf(game);
}

std::string RecordKeeper::AfterStep(const Game& game) {
    const std::int64_t clock = ClockOf(game);
    if (clock < clock_) {
        Started(game);  // Game → New, answered Yes
    }
    clock_ = clock;
    if (!NoteStep(tally_, game)) {
        return {};
    }
    const bool fastest = AddWin(records_, tally_, game, QDate::currentDate().toString(Qt::ISODate).toStdString());
    Save();
    return fastest && records_.Won > 1 ? "Your fastest win yet" : std::string();
}

void RecordKeeper::Save() {
    if (!writable_) {
        return;
    }
    std::string error;
    if (!SaveRecords(path_, records_, error)) {
        message_ = "The records are not kept: " + error;
        std::cerr << "railquest: " << message_ << '\n';
    }
}

std::string RecordKeeper::TakeMessage() {
    return std::exchange(message_, {});
}

}  // namespace rq
