// The record of games: the tally of a running game, the records' rules and their file.
#include "save/WinRecords.h"

#include <filesystem>

#include "save/AtomicFile.h"
#include "save/SaveFolder.h"
#include "save/SaveJson.h"
#include "save/SaveSyntax.h"

namespace rq {

namespace {

constexpr std::size_t kMaxRecordsBytes = 1u << 20;
constexpr std::int64_t kSecondsPerDay = 24 * 3600;

std::int64_t GameSecondsOf(const World& w) {
    return (static_cast<std::int64_t>(w.DayNum) - 1) * kSecondsPerDay + static_cast<std::int64_t>(w.GameTime / 3.0);
}

Json EntryJson(const WinEntry& e) {
    Json j;
    j["date"] = e.Date;
    j["gameSeconds"] = e.GameSeconds;
    j["journeys"] = e.Journeys;
    return j;
}

WinEntry ReadEntry(const Field& f) {
    WinEntry e;
    e.Date = f["date"].Text(32);
    e.GameSeconds = f["gameSeconds"].Int(0, std::int64_t{1} << 40);
    e.Journeys = static_cast<std::int32_t>(f["journeys"].Int(-1, 1'000'000'000));
    return e;
}

std::optional<WinEntry> ReadOptional(const Field& f, const char* name) {
    if (!f.json().contains(name) || f.json()[name].is_null()) {
        return std::nullopt;
    }
    return ReadEntry(f[name]);
}

Json OptionalJson(const std::optional<WinEntry>& e) {
    return e ? EntryJson(*e) : Json(nullptr);
}

}  // namespace

GameTally TallyOf(const Game& game, bool newGame) {
    GameTally t;
    t.JourneysKnown = newGame;
    t.WasInTransit = game.shell.InTransit;
    t.WasWon = game.world.FuzzbombCity == -1;
    return t;
}

Json TallyJson(const GameTally& tally, const Game& game) {
    Json j;
    if (tally.JourneysKnown) {
        j["journeys"] = tally.Journeys;
    }
    j["helped"] = tally.Helped || game.shell.Input == InputFrom::Autoplayer;
    return j;
}

GameTally OpenedTally(const Game& game, const Json& kept) {
    GameTally t = TallyOf(game, false);
    if (!kept.is_object() || !kept.contains("helped") || !kept["helped"].is_boolean()) {
        t.StartCounted = false;
        return t;
    }
    t.Helped = kept["helped"].get<bool>();
    if (kept.contains("journeys") && kept["journeys"].is_number_integer()) {
        const auto journeys = kept["journeys"].get<std::int64_t>();
        t.JourneysKnown = journeys >= 0 && journeys <= 1'000'000'000;
        t.Journeys = t.JourneysKnown ? static_cast<std::int32_t>(journeys) : 0;
    }
    return t;
}

bool NoteStep(GameTally& tally, const Game& game) {
    if (game.shell.InTransit && !tally.WasInTransit) {
        ++tally.Journeys;
    }
    tally.WasInTransit = game.shell.InTransit;
    tally.Helped = tally.Helped || game.shell.Input == InputFrom::Autoplayer;
    const bool won = game.world.FuzzbombCity == -1;
    const bool justWon = won && !tally.WasWon;
    tally.WasWon = won;
    return justWon;
}

bool AddWin(WinRecords& records, const GameTally& tally, const Game& game, const std::string& date) {
    const WinEntry win{date, GameSecondsOf(game.world), tally.JourneysKnown ? tally.Journeys : -1};
    if (!tally.StartCounted) {
        ++records.Started;  // a game first seen opened from a saved game: it was played here all the same
    }
    if (tally.Helped) {
        ++records.AutoplayerWon;
        if (!records.AutoplayerFastest || win.GameSeconds < records.AutoplayerFastest->GameSeconds) {
            records.AutoplayerFastest = win;
        }
        return false;
    }
    ++records.Won;
    records.LastWins.insert(records.LastWins.begin(), win);
    if (records.LastWins.size() > kLastWins) {
        records.LastWins.resize(kLastWins);
    }
    if (win.Journeys >= 0 && (!records.FewestJourneys || win.Journeys < records.FewestJourneys->Journeys)) {
        records.FewestJourneys = win;
    }
    if (!records.Fastest || win.GameSeconds < records.Fastest->GameSeconds) {
        records.Fastest = win;
        return true;
    }
    return false;
}

std::string GameTimeText(std::int64_t seconds) {
    const std::int64_t days = seconds / kSecondsPerDay;
    const std::int64_t rest = seconds % kSecondsPerDay;
    char clock[32];
    std::snprintf(clock, sizeof clock, "%lld:%02lld:%02lld", static_cast<long long>(rest / 3600),
                  static_cast<long long>(rest / 60 % 60), static_cast<long long>(rest % 60));
    if (days == 0) {
        return clock;
    }
    return std::to_string(days) + (days == 1 ? " day " : " days ") + clock;
}

std::string RecordsJson(const WinRecords& r) {
    Json j;
    j["format"] = "railquest-records";
    j["version"] = 1;
    j["started"] = r.Started;
    j["won"] = r.Won;
    j["fastest"] = OptionalJson(r.Fastest);
    j["fewestJourneys"] = OptionalJson(r.FewestJourneys);
    j["lastWins"] = Json::array();
    for (const WinEntry& e : r.LastWins) {
        j["lastWins"].push_back(EntryJson(e));
    }
    j["autoplayer"] = {{"won", r.AutoplayerWon}, {"fastest", OptionalJson(r.AutoplayerFastest)}};
    return j.dump(2) + "\n";
}

bool ParseRecords(const std::string& text, WinRecords& records, std::string& fault) {
    // The same shape as a saved game's (no deep nesting, no key twice, nothing after the value).
    if (fault = SaveSyntaxFault(text); !fault.empty()) {
        return false;
    }
    try {
        const Json j = Json::parse(text);
        const Field top(j, "records");
        if (!j.is_object() || top["format"].Text(64) != "railquest-records") {
            fault = "it is not of the format \"railquest-records\"";
            return false;
        }
        if (const std::int64_t version = top["version"].Int(0, 1'000'000); version != 1) {
            fault = "its version is " + std::to_string(version) + ", not 1";
            return false;
        }
        WinRecords r;
        constexpr std::int64_t kMany = std::int64_t{1} << 50;
        r.Started = top["started"].Int(0, kMany);
        r.Won = top["won"].Int(0, kMany);
        r.Fastest = ReadOptional(top, "fastest");
        r.FewestJourneys = ReadOptional(top, "fewestJourneys");
        const Field last = top["lastWins"];
        for (std::size_t i = 0, n = last.Array(0, kLastWins); i < n; ++i) {
            r.LastWins.push_back(ReadEntry(last[i]));
        }
        r.AutoplayerWon = top["autoplayer"]["won"].Int(0, kMany);
        r.AutoplayerFastest = ReadOptional(top["autoplayer"], "fastest");
        records = std::move(r);
        return true;
    } catch (const Json::exception& e) {
        fault = std::string("it is not JSON text: ") + e.what();
    } catch (const SaveFault& e) {
        fault = e.what();
    }
    return false;
}

std::string RecordsPath() {
    const std::string folder = UserSaveFolder();
    return folder.empty() ? std::string() : folder + "/records.json";
}

bool LoadRecords(const std::string& path, WinRecords& records, std::string& message) {
    namespace fs = std::filesystem;
    records = WinRecords{};
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(path, ec))) {
        return true;
    }
    std::string text;
    std::string fault;
    if (ReadWholeFile(path, kMaxRecordsBytes, text, fault) && ParseRecords(text, records, fault)) {
        return true;
    }
    records = WinRecords{};
    // Set aside under a name not yet taken, so an earlier damaged file is not lost either.
    const fs::path file(path);
    fs::path aside = file.parent_path() / "records.damaged.json";
    for (int n = 2; fs::exists(fs::symlink_status(aside, ec)) && n < 1000; ++n) {
        aside = file.parent_path() / ("records.damaged-" + std::to_string(n) + ".json");
    }
    fs::rename(file, aside, ec);
    if (ec) {
        message = "The records file " + path + " is damaged (" + fault + ") and cannot be set aside: " + ec.message() +
                  "; no records are kept";
        return false;
    }
    message = "The records file was damaged (" + fault + "); it is set aside as " + aside.filename().string() +
              " and new records start";
    return true;
}

bool SaveRecords(const std::string& path, const WinRecords& records, std::string& error) {
    std::string folderError;
    MakeSaveFolder(std::filesystem::path(path).parent_path().string(), folderError);
    return WriteFileAtomically(path, RecordsJson(records), error);
}

}  // namespace rq
