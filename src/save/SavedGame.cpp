// The saved game's top level: format and version, the seed, steps and generator, the parts, and the
// checks a state passes before it replaces the running game.
#include "save/SavedGame.h"

#include <algorithm>
#include <memory>

#include "game/Invariants.h"
#include "save/PanelsSave.h"
#include "save/SaveSyntax.h"
#include "save/StreetSave.h"
#include "save/WorldSave.h"
#include "scene/SceneRects.h"
#include "sprite/SpriteScene.h"
#include "world/Journey.h"

namespace rq {

namespace {

constexpr std::int64_t kMostSteps = std::int64_t{1} << 53;

// The journey's place between two steps and the open panels, under "loop" where the loop and the
// window once kept them.
Json LoopToJson(const Game& g) {
    const Trip& t = g.shell.Travel;
    return {{"journey",
             {{"nextStep", t.Run.NextStep()},
              {"begun", t.Begun},
              {"tickPending", t.TickPending},
              {"arrived", t.Arrived},
              {"lastWaitMs", t.LastWaitMs}}},
            {"open", {{"tickets", g.panels.TicketsOpen}, {"info", g.panels.InfoOpen}}}};
}

void LoopFromJson(const Field& in, Game& g) {
    const Field j = in["journey"];
    Trip& t = g.shell.Travel;
    t = Trip{};
    t.Run.ResumeAt(static_cast<int>(j["nextStep"].Int(1, kJourneySteps + 1)));
    t.Begun = j["begun"].Bool();
    t.TickPending = j["tickPending"].Bool();
    t.Arrived = j["arrived"].Bool();
    t.LastWaitMs = static_cast<int>(j["lastWaitMs"].Int(0, 10'000));
    const Field open = in["open"];
    g.panels.TicketsOpen = open["tickets"].Bool();
    g.panels.InfoOpen = open["info"].Bool();
}

// The rules between the parts that the invariants do not cover.
void CheckPhase(const Game& g) {
    const World& w = g.world;
    const Trip& t = g.shell.Travel;
    const bool ticketsOpen = g.panels.TicketsOpen, infoOpen = g.panels.InfoOpen;
    // The last journey step makes the destination the city (and the journey's own destination none);
    // the next step builds its street. Before that the player is in no city, on the way to one.
    const bool arrived = g.shell.InTransit && t.Begun && t.Arrived;
    if (g.shell.InTransit && !arrived && (w.CurCity != 0 || w.TransitDest == 0)) {
        throw SaveFault(w.TransitDest == 0 ? "the journey has no destination"
                                           : "the player is in a city during a journey");
    }
    if ((!g.shell.InTransit || arrived) && (w.CurCity == 0 || w.TransitDest != 0)) {
        throw SaveFault(w.CurCity == 0 ? (arrived ? "the journey has ended in no city" : "the player is in no city")
                                       : "the player is on the way to a city while in one");
    }
    if ((t.Begun && !g.shell.InTransit) || (t.Arrived && t.Run.NextStep() <= kJourneySteps) ||
        (t.Run.NextStep() > kJourneySteps && !t.Arrived)) {
        throw SaveFault("the journey's step does not fit its phase");
    }
    // The street's walls follow from the city's size; a street without its track strip cannot run.
    if (!g.shell.InTransit) {
        const std::vector<SceneRect> walls = SceneRectsForSize(w.city(w.CurCity).Size);
        const std::vector<SceneRect>& saved = g.sprites.gSceneRects;
        if (!std::equal(walls.begin(), walls.end(), saved.begin(), saved.end(),
                        [](const SceneRect& a, const SceneRect& b) {
                            return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
                        })) {
            throw SaveFault("the street's walls are not those of city " + std::to_string(w.CurCity));
        }
    }
    if ((ticketsOpen || infoOpen) && w.CurCity == 0) {
        throw SaveFault("a panel is open during a journey");
    }
}

void ReadInto(const Json& doc, Game& g, SaveExtras& extras) {
    const Field root(doc, "");
    if (!doc.is_object() || !doc.contains("format") || doc["format"] != kSaveFormat) {
        throw SaveFault("it is not of the format \"" + std::string(kSaveFormat) + "\"");
    }
    const std::int64_t version = root["version"].Int(0, kMostSteps);
    if (version != kSaveVersion) {
        throw SaveFault("it is of version " + std::to_string(version) + ", and this game reads version " +
                        std::to_string(kSaveVersion));
    }
    const std::uint64_t seed = root["seed"].Unsigned();
    g.shell.Steps = root["steps"].Int(0, kMostSteps);
    g.shell.Paused = root["paused"].Bool();
    g.shell.InTransit = root["inTransit"].Bool();
    WorldFromJson(root["world"], g.world);
    // The draws since the seed are part of a recording's state checks.
    const std::uint64_t draws = root["draws"].Unsigned();
    if (!g.world.Rng.SetState(seed, root["random"].Text(100'000), draws)) {
        root["random"].Fail("is not the state of the game's random generator");
    }
    StreetFromJson(root["street"], g.sprites, g.scene, g.effects);
    PanelsFromJson(root["panels"], g.panels);
    // The panels' part leaves which are open to the loop's.
    LoopFromJson(root["loop"], g);
    extras.Player = (doc.contains("player") ? root["player"] : Field(Json(), "player")).json();
    extras.Tally = doc.contains("tally") ? doc["tally"] : Json();
    CheckPhase(g);
    const Violations broken = InvariantWatch().Check(g);
    if (!broken.empty()) {
        throw SaveFault(broken.front());
    }
}

// Objects and lists of objects or lists open up to `depth` levels, one member or entry a line; below
// that a value is written on one line: a city, a sprite, a list of crystals. That keeps the file
// readable and small.
void WriteReadable(const Json& v, int depth, const std::string& indent, std::string& out) {
    const bool opens =
        depth > 0 && !v.empty() && (v.is_object() || (v.is_array() && (v.front().is_object() || v.front().is_array())));
    if (!opens) {
        out += v.dump();
        return;
    }
    const std::string inner = indent + ' ';
    out += v.is_object() ? "{\n" : "[\n";
    bool first = true;
    for (auto it = v.begin(); it != v.end(); ++it) {
        out += first ? "" : ",\n";
        first = false;
        out += inner;
        if (v.is_object()) {
            out += Json(it.key()).dump() + ": ";
        }
        WriteReadable(*it, depth - 1, inner, out);
    }
    out += '\n' + indent + (v.is_object() ? "}" : "]");
}

}  // namespace

Json SavedGameJson(const Game& game, const SaveExtras& extras) {
    Json doc = {{"format", kSaveFormat},
                {"version", kSaveVersion},
                {"seed", game.world.Rng.SeedGiven()},
                {"steps", game.shell.Steps},
                {"paused", game.shell.Paused},
                {"inTransit", game.shell.InTransit},
                {"random", game.world.Rng.State()},
                {"draws", game.world.Rng.Draws()},
                {"loop", LoopToJson(game)},
                {"world", WorldToJson(game.world)},
                {"street", StreetToJson(game.sprites, game.scene, game.effects)},
                {"panels", PanelsToJson(game.panels)}};
    if (!extras.Player.is_null()) {
        doc["player"] = extras.Player;
    }
    if (!extras.Tally.is_null()) {
        doc["tally"] = extras.Tally;
    }
    return doc;
}

std::string SavedGameText(const Game& game, const SaveExtras& extras) {
    std::string out;
    WriteReadable(SavedGameJson(game, extras), 3, "", out);
    return out + '\n';
}

bool ReadSavedGame(const std::string& text, Game& game, SaveExtras& extras, std::string& fault) {
    fault = SaveSyntaxFault(text);
    if (!fault.empty()) {
        return false;
    }
    return ReadSavedGame(Json::parse(text), game, extras, fault);
}

bool ReadSavedGame(const Json& doc, Game& game, SaveExtras& extras, std::string& fault) {
    // The state is read into a copy, checked, and only then handed over.
    auto candidate = std::make_unique<Game>(game);
    SaveExtras read;
    try {
        ReadInto(doc, *candidate, read);
    } catch (const SaveFault& e) {
        fault = e.what();
        return false;
    } catch (const Json::exception& e) {
        fault = e.what();
        return false;
    }
    game = std::move(*candidate);
    extras = std::move(read);
    return true;
}

void ComposeSavedStreet(Game& game) {
    if (!game.sprites.Back.Exists() || game.world.CurCity == 0) {
        return;
    }
    game.sprites.Ground.Valid = false;
    SprComposeScene(game.sprites, game.world.GameTime);
    SprPresent(game.sprites, game.scene.View, game.sprites.ViewCol * kViewWidth, game.sprites.ViewRow * kViewHeight);
}

}  // namespace rq
