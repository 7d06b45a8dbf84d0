// Saved games in a run without a window.
#include "save/HeadlessSave.h"

#include "save/SavedGameFile.h"

namespace rq {

SaveExtras ExtrasOf(HeadlessGame& game, const RestlessPlayer* player) {
    SaveExtras x;
    x.Journey = game.loop().Position();
    x.TicketsOpen = game.window().IsTicketWindowVisible();
    x.InfoOpen = game.window().IsInfoPanelVisible();
    if (player != nullptr) {
        const RestlessPlayer::Memory memory = player->Remember();
        x.Player = {{"restless", {{"dice", memory.Dice}, {"values", memory.Values}}}};
    }
    return x;
}

bool OpenSavedGame(HeadlessGame& game, const std::string& path, SaveExtras& extras, std::string& message) {
    if (!OpenGameFile(path, game.state(), extras, message)) {
        return false;
    }
    game.loop().SetPosition(extras.Journey);
    game.window().SetPanelsOpen(extras.TicketsOpen, extras.InfoOpen);
    ComposeSavedStreet(game.state());
    return true;
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

}  // namespace rq
