// Saved games in a run without a window.
#include "save/HeadlessSave.h"

#include <limits>
#include <optional>

#include "autoplay/Autoplayer.h"
#include "base/QuotedText.h"
#include "headless/Commands.h"
#include "replay/Replay.h"
#include "save/RunningGame.h"
#include "save/SavedGameFile.h"

namespace rq {

SaveExtras ExtrasOf(const HeadlessGame&, const RestlessPlayer* player) {
    SaveExtras x;
    if (player != nullptr) {
        const RestlessPlayer::Memory memory = player->Remember();
        x.Player = {{"restless", {{"dice", memory.Dice}, {"values", memory.Values}}}};
    }
    return x;
}

bool OpenSavedGame(HeadlessGame& game, const std::string& path, SaveExtras& extras, std::string& message) {
    return OpenInPlace(path, game.session(), extras, message);
}

int CheckSavedGameText(const std::string& path, const std::string& text, const std::string& appPath,
                       std::string& message) {
    HeadlessGame probe;
    SaveExtras extras;
    if (!probe.Start(0, appPath, message)) {
        return 1;
    }
    return OpenTextInPlace(path, text, probe.session(), extras, message) ? 0 : 2;
}

bool RecallPlayer(const SaveExtras& extras, RestlessPlayer& player) {
    const Json& p = extras.Player;
    if (!p.is_object() || !p.contains("restless")) {
        return false;
    }
    const Json& r = p["restless"];
    if (!r.is_object() || !r.contains("dice") || !r["dice"].is_string() || !r.contains("values") ||
        !r["values"].is_array()) {
        return false;
    }
    RestlessPlayer::Memory memory;
    memory.Dice = r["dice"].get<std::string>();
    for (const Json& v : r["values"]) {
        if (!v.is_number_integer()) {
            return false;
        }
        memory.Values.push_back(v.get<std::int64_t>());
    }
    return player.Recall(memory);
}

bool UsesSavedGame(const CommandLine& line) {
    return line.OpenFile || line.SaveFile;
}

int RunHeadlessSaved(const CommandLine& line, std::uint64_t seed, const std::string& appPath, const Recording* replay,
                     std::ostream& out, std::ostream& err) {
    // The target is checked before any step runs; "-" is standard output.
    const bool saveToOutput = line.SaveFile && *line.SaveFile == "-";
    if (line.SaveFile && !saveToOutput) {
        if (const std::string fault = SaveTargetFault(*line.SaveFile); !fault.empty()) {
            err << "railquest: cannot save the game to " << FileNameText(*line.SaveFile) << ": " << fault << '\n';
            return 2;
        }
    }
    HeadlessGame game;
    std::string error;
    if (!game.Start(replay != nullptr && !line.OpenFile ? replay->Seed : seed, appPath, error)) {
        err << "railquest: " << error << '\n';
        return 1;
    }
    SaveExtras extras;
    const std::optional<std::string>& open = line.OpenFile;
    if (open && !OpenSavedGame(game, *open, extras, error)) {
        err << "railquest: " << error << '\n';
        return 2;
    }
    RestlessPlayer restless(game.game().world.Rng.SeedGiven());
    if (open && line.Restless && !RecallPlayer(extras, restless)) {
        err << "railquest: " << FileNameText(*open)
            << " remembers no restless player; --restless plays on only from a save of one\n";
        return 2;
    }
    const std::string replayName = FileNameText(line.ReplayFile.value_or("the recording"));
    // A recording plays on only the game it was made of.
    if (open && replay != nullptr && replay->Seed != game.game().world.Rng.SeedGiven()) {
        err << "railquest: " << replayName << ": the game differs from the recording: it is of seed " << replay->Seed
            << ", the saved game " << FileNameText(*open) << " of seed " << game.game().world.Rng.SeedGiven() << '\n';
        return 3;
    }
    std::optional<RecordingInput> recorded;
    if (replay != nullptr) {
        recorded.emplace(*replay);
        recorded->SkipThrough(game.game().shell.Steps);
    }
    StillPlayer still;
    // The autoplayer plays a new game only: a saved game is never opened for it.
    std::optional<Autoplayer> autoplayer;
    if (line.Autoplay) {
        autoplayer.emplace(seed, line.AutoplayDays.value_or(kAutoplayDays));
    }
    InputSource& player = recorded        ? static_cast<InputSource&>(*recorded)
                          : autoplayer    ? static_cast<InputSource&>(*autoplayer)
                          : line.Restless ? static_cast<InputSource&>(restless)
                                          : still;
    ExplainedPlayer explained(player, game.game(), recorded ? &*recorded : nullptr, line.ReplayFile.value_or(""));
    RecordingWriter recorder;  // a recording starts with a new game: never with an opened one
    if (line.RecordFile && !recorder.Open(*line.RecordFile, seed)) {
        err << "railquest: cannot write the recording " << FileNameText(*line.RecordFile) << '\n';
        return 1;
    }
    const std::int64_t all = std::numeric_limits<std::int64_t>::max();
    // With the game on standard output, the summary line goes to standard error.
    const int status =
        RunHeadless(game, explained, line.Steps.value_or(recorded || autoplayer ? all : 0), line.TraceFile,
                    saveToOutput ? err : out, err, recorder.IsOpen() ? &recorder : nullptr);
    // A game that left its recording is no game to keep.
    if (const std::optional<ReplayDrift> drift = recorded ? recorded->Drift() : std::nullopt; drift && status == 0) {
        err << "railquest: " << DriftMessage(replayName, *drift) << '\n';
        return 3;
    }
    if (status != 0 || !line.SaveFile) {
        return status;
    }
    const SaveExtras kept = ExtrasOf(game, line.Restless ? &restless : nullptr);
    if (saveToOutput) {
        out << SavedGameText(game.game(), kept);
        return StandardOutputStatus(out, err);
    }
    if (!SaveGameFile(*line.SaveFile, game.game(), kept, error)) {
        err << "railquest: " << error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace rq
