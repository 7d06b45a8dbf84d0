// Fuzz target: a saved game read onto a running game. An input that is a JSON object without a
// format is taken as a change to a good save (a JSON merge patch, applied in place and taken back),
// which reaches the checks of every part; anything else is read as the file itself. A refused input
// names its fault; an accepted one saves back to a tree that reads as the same game.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "game/StateHash.h"
#include "headless/HeadlessGame.h"
#include "save/HeadlessSave.h"
#include "save/SaveSyntax.h"

namespace {

// How to take back one member a patch changed: its place, and what it held (nothing: it was added).
struct Undo {
    rq::Json::json_pointer where;
    std::optional<rq::Json> old;
};

// A merge patch applied in place: the good save is large, and copying it for every input would cost
// most of the run's time.
void Patch(rq::Json& target, const rq::Json::json_pointer& at, const rq::Json& patch, std::vector<Undo>& undo) {
    for (const auto& [key, value] : patch.items()) {
        const auto it = target.find(key);
        if (value.is_object() && it != target.end() && it->is_object()) {
            Patch(*it, at / key, value, undo);
            continue;
        }
        undo.push_back({at / key, it != target.end() ? std::optional<rq::Json>(std::move(*it)) : std::nullopt});
        if (value.is_null()) {
            target.erase(key);
        } else if (value.is_object()) {
            rq::Json fresh = rq::Json::object();
            fresh.merge_patch(value);
            target[key] = std::move(fresh);
        } else {
            target[key] = value;
        }
    }
}

void TakeBack(rq::Json& doc, std::vector<Undo>& undo) {
    for (auto u = undo.rbegin(); u != undo.rend(); ++u) {
        rq::Json& parent = doc[u->where.parent_pointer()];
        if (u->old) {
            parent[u->where.back()] = std::move(*u->old);
        } else {
            parent.erase(u->where.back());
        }
    }
    undo.clear();
}

struct Base {
    rq::HeadlessGame game;
    std::unique_ptr<rq::Game> pristine;
    rq::SaveExtras extras;
    rq::Json good;
    std::uint32_t pristineHash = 0;

    Base() {
        std::string error;
        rq::fuzz::Require(game.Start(4, RAILQUEST_ASSET_DIR, error));
        for (int i = 0; i < 60; ++i) {
            game.Step({i == 40 ? std::optional<std::uint16_t>(rq::kInputDown) : std::nullopt, {}, false});
        }
        // The reader needs only the pictures' sizes; without their pixels a copy of the game is small.
        rq::SpriteEngine& spr = game.session().game().sprites;
        for (rq::Surface* s : {&spr.Sheet, &spr.Mask, &spr.Map, &spr.Track, &spr.Tracks}) {
            s->Pixels = {};
        }
        pristine = std::make_unique<rq::Game>(game.session().game());
        pristineHash = rq::StateHash(*pristine);
        extras = rq::ExtrasOf(game);
        good = rq::Json::parse(rq::SavedGameText(game.session().game(), extras));
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
    rq::Game& game = base.game.session().game();
    const std::string text(reinterpret_cast<const char*>(data), size);
    rq::SaveExtras extras;
    std::string fault;
    bool read = false;
    bool onlyAdded = false;
    const rq::Json patch = rq::SaveSyntaxFault(text).empty() ? rq::Json::parse(text) : rq::Json();
    if (patch.is_object() && !patch.contains("format")) {
        std::vector<Undo> undo;
        Patch(base.good, rq::Json::json_pointer(), patch, undo);
        read = rq::ReadSavedGame(base.good, game, extras, fault);
        // Members added that the reader does not know (all but "player") leave the good save's game.
        onlyAdded = !patch.contains("player") &&
                    std::none_of(undo.begin(), undo.end(), [](const Undo& u) { return u.old.has_value(); });
        TakeBack(base.good, undo);
    } else {
        read = rq::ReadSavedGame(text, game, extras, fault);
    }
    if (!read) {
        // (That the game stays as it was is the unit tests' check; here it would cost most of the time.)
        Require(!fault.empty() && fault.find('\n') == std::string::npos);
        Require(game.shell.Steps == base.pristine->shell.Steps);
        return 0;
    }
    if (onlyAdded) {
        Require(rq::StateHash(game) == base.pristineHash);
        game = *base.pristine;
        return 0;
    }
    // (The tree, not its text: the text's writing and reading are the unit tests' and a third of the time.)
    const rq::Json saved = rq::SavedGameJson(game, extras);
    rq::SaveExtras again;
    Require(rq::ReadSavedGame(saved, game, again, fault));
    Require(rq::SavedGameJson(game, again) == saved);
    game = *base.pristine;
    return 0;
}
