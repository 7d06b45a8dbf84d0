// Fuzz target: a saved game read onto a running game. An input that is a JSON object without a
// format is taken as a change to a good save (a JSON merge patch), which reaches the checks of every
// part; anything else is read as the file itself. A refused input names its fault; an accepted one
// saves back to the same text and plays on for a few steps.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzCheck.h"
#include "headless/HeadlessGame.h"
#include "save/HeadlessSave.h"

namespace {

struct Base {
    rq::HeadlessGame game;
    std::unique_ptr<rq::Game> pristine;
    rq::SaveExtras extras;
    rq::Json good;

    Base() {
        std::string error;
        rq::fuzz::Require(game.Start(4, RAILQUEST_ASSET_DIR, error));
        for (int i = 0; i < 60; ++i) {
            game.Step({i == 40 ? std::optional<std::uint16_t>(rq::kInputDown) : std::nullopt, {}, false});
        }
        pristine = std::make_unique<rq::Game>(game.game());
        extras = rq::ExtrasOf(game);
        good = rq::Json::parse(rq::SavedGameText(game.game(), extras));
    }
};

Base& TheBase() {
    static Base base;
    return base;
}

}  // namespace

// The game starts once, before the fuzzer times its inputs.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    (void)TheBase();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using rq::fuzz::Require;
    Base& base = TheBase();
    rq::HeadlessGame& h = base.game;
    rq::Game& g = h.session().game();
    g = *base.pristine;
    std::string text(reinterpret_cast<const char*>(data), size);
    const rq::Json patch = rq::Json::parse(text, nullptr, false);
    if (patch.is_object() && !patch.contains("format")) {
        rq::Json patched = base.good;
        patched.merge_patch(patch);
        text = patched.dump();
    }
    rq::SaveExtras extras;
    std::string fault;
    if (!rq::ReadSavedGame(text, g, extras, fault)) {
        // (That the game stays as it was is the unit tests' check; here it would cost most of the time.)
        Require(!fault.empty());
        Require(g.shell.Steps == base.pristine->shell.Steps);
        return 0;
    }
    h.session().Loop().ResumeAfterOpen();
    const std::string saved = rq::SavedGameText(g, extras);
    rq::SaveExtras again;
    Require(rq::ReadSavedGame(saved, g, again, fault));
    Require(rq::SavedGameText(g, again) == saved);
    for (int i = 0; i < 3; ++i) {
        h.Step({});
    }
    return 0;
}
