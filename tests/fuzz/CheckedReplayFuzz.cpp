// Fuzz target: a recording with the game's state checks, replayed without a window. The game starts
// once (seed 7); each recording the reader accepts plays on a copy of it from the click on the title
// picture, for at most 24 steps (the corpus holds short recordings of seed 7 with their checks),
// whatever seed it names. A check that differs stops the replay at that check's step with a one-line
// message, and whatever the entries do, the game keeps its rules.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "FuzzCheck.h"
#include "game/Invariants.h"
#include "headless/HeadlessGame.h"
#include "replay/Replay.h"

namespace {

constexpr std::int64_t kMostSteps = 24;

struct Base {
    rq::HeadlessGame game;
    std::unique_ptr<rq::Game> pristine;

    Base() {
        std::string error;
        rq::fuzz::Require(game.Start(7, RAILQUEST_ASSET_DIR, error));
        pristine = std::make_unique<rq::Game>(game.game());
    }
};

Base& TheBase() {
    static Base base;
    return base;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    (void)TheBase();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using rq::fuzz::Require;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const rq::RecordingParse read = rq::ParseRecording(in);
    if (!read.Result) {
        return 0;  // the recording reader's own target covers what it refuses
    }
    Base& base = TheBase();
    rq::HeadlessGame& h = base.game;
    h.session().game() = *base.pristine;
    rq::RecordingInput replay(*read.Result);
    const std::int64_t ran = rq::RunSteps(h, replay, kMostSteps, nullptr);
    Require(ran <= kMostSteps && h.game().shell.Steps == ran);
    if (const std::optional<rq::ReplayDrift>& drift = replay.Drift()) {
        const auto& entries = read.Result->Entries;
        Require(std::any_of(entries.begin(), entries.end(), [&](const rq::RecordEntry& e) {
            return e.Kind == rq::RecordEntry::Type::Check && e.Step == drift->Step && e.Line == drift->Line;
        }));
        Require(drift->Step <= ran + 1);
        Require(rq::DriftMessage("r.rqr", *drift).find('\n') == std::string::npos);
    }
    Require(rq::InvariantWatch().Check(h.game()).empty());
    return 0;
}
