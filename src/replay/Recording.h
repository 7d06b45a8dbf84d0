// A recorded game: the seed and what the player did at which step. Everything else in a game comes
// from the seeded generator and the step count, so this is enough to play the game again exactly.
//
// The file is text, one entry a line, `#` starting a comment:
//   railquest-replay 1
//   seed N
//   STEP keys BITS       the held input from this step on
//   STEP menu new|skip|pause|sound|joystick|keyboard
//   STEP answer yes|no   the answer to the question the previous entry asked
//   STEP ticket S        the ticket window's row of train slot S (1..5)
//   STEP ok tickets|info the panels' OK buttons
//   STEP map X Y         a click on the map at map pixel X, Y
//   STEP zoom | back | forward | dest I | legend I
//   STEP pointer X Y     a click inside the map's arrow at its pixel X, Y
//   STEP scroll H V      the enlarged map's scroll bars at H, V (twips, 0 down to their Max)
//   STEP check HEX       the game's state before the step (StateHash), every 64 steps and at the end
//   STEP end
// Entries are in step order and apply before their step runs; several may share a step. An answer
// follows the entry that asks its question; nothing follows `end`.
#pragma once

#include <cstdint>
#include <fstream>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "game/PlayerAction.h"

namespace rq {

struct RecordEntry {
    enum class Type : std::uint8_t { Keys, Action, Check, End };
    std::int64_t Step = 0;
    Type Kind = Type::End;
    std::uint16_t Keys = 0;   // Keys: the held InputBits
    PlayerAction Action;      // Action: what the player did
    std::uint32_t Check = 0;  // Check: the state's hash before the step
    int Line = 0;             // the entry's line in the file it was read from
};

struct Recording {
    std::uint64_t Seed = 0;
    std::vector<RecordEntry> Entries;
};

// The most steps a run takes, by --steps or by a recording: a billion steps, more than nine years of
// game time in the street.
constexpr std::int64_t kMaxSteps = 1'000'000'000;

// A recording is read as a stream (a pipe will do) up to this size: far more than the game writes in
// a day of play, far less than the memory of any machine it runs on.
constexpr std::uint64_t kMaxRecordingBytes = 32u << 20;

struct RecordingParse {
    std::optional<Recording> Result;
    std::string Error;        // "line N: what is wrong" when Result is empty
    bool CannotRead = false;  // the fault is the file's, not its text's: it could not be read
};

// Reads a recording; the first fault found is named with its line. Steps go from 0 to kMaxSteps;
// a line longer than 4 KiB or a text over kMaxRecordingBytes is refused without reading it all.
RecordingParse ParseRecording(std::istream& in);

// The same from a file.
RecordingParse ReadRecordingFile(const std::string& path);

// One entry as its line (no newline).
std::string FormatEntry(const RecordEntry& e);

// Writes a recording as the game goes. Lines reach the file at least once a second of play (the
// caller's clock) and at once on `end`, so a crash loses at most the last second.
class RecordingWriter {
public:
    // Opens (truncates) `path` and writes the header; false when the file cannot be written.
    bool Open(const std::string& path, std::uint64_t seed);
    bool IsOpen() const { return out_.is_open(); }
    const std::string& Path() const { return path_; }
    // False once a write has failed (a full disk, a file-size limit): the file is not complete.
    bool Good() const { return good_; }
    // The step of the entry written last (0 before any).
    std::int64_t LastStep() const { return lastStep_; }

    void Write(const RecordEntry& e, std::int64_t nowMilliseconds);
    // Flushes what was written when the last flush is a second old; call it every step.
    void Poll(std::int64_t nowMilliseconds);
    // The held input at `step`, written only when it changed since the last keys entry.
    void Keys(std::int64_t step, std::uint16_t bits, std::int64_t nowMilliseconds);
    // The state's check before `step`.
    void Check(std::int64_t step, std::uint32_t hash, std::int64_t nowMilliseconds);
    // Writes the state's check (when given) and `end`, and closes the file; false when the file is not
    // complete.
    bool Finish(std::int64_t step, std::optional<std::uint32_t> check = std::nullopt);

private:
    std::ofstream out_;
    std::string path_;
    bool good_ = true;
    std::optional<std::uint16_t> keys_;
    std::int64_t flushedAt_ = 0;
    bool dirty_ = false;
    std::int64_t lastStep_ = 0;
};

}  // namespace rq
