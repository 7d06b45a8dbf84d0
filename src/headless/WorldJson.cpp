// Writes the world as one JSON object: the clock, the citizens' crystals and every city with its trains,
// one city a line.
#include "headless/WorldJson.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "headless/JsonLists.h"
#include "world/CityDescription.h"

namespace rq {

namespace {

// Members in the order written.
using Json = nlohmann::ordered_json;

template <typename Array>
Json Slots(const Array& items) {
    return Json(std::vector<typename Array::value_type>(items.begin() + 1, items.begin() + 1 + kSlots));
}

Json CityJson(const World& w, int no) {
    const City& c = w.city(no);
    Json waiting = Json::array();
    Json riders = Json::array();
    for (int s = 1; s <= kSlots; ++s) {
        waiting.push_back(PackedJson(c.Waiting[static_cast<std::size_t>(s)]));
        Json stages = Json::array();
        for (int j = 1; j <= kStages; ++j) {
            stages.push_back(PackedJson(c.Stage(s, j)));
        }
        riders.push_back(std::move(stages));
    }
    return {{"no", no},
            {"name", c.Name},
            {"size", c.Size},
            {"scenery", c.Scenery},
            {"isCapital", c.IsCapital},
            {"mapX", c.MapX},
            {"mapY", c.MapY},
            {"trainDest", Slots(c.TrainDest)},
            {"trainType", Slots(c.TrainType)},
            {"citizens", PackedJson(c.Citizens)},
            {"description", CityDescription(w, static_cast<std::int16_t>(no))},
            {"waiting", std::move(waiting)},
            {"riders", std::move(riders)}};
}

// The clock is a whole number of thirds of a second after start-up and is written as one.
Json TimeJson(double t) {
    return std::trunc(t) == t && std::abs(t) < 1e15 ? Json(static_cast<std::int64_t>(t)) : Json(t);
}

}  // namespace

void WriteWorldJson(const World& w, std::uint64_t seed, std::ostream& out) {
    const Json head = {{"seed", seed},         {"fuzzbombCity", w.FuzzbombCity},
                       {"curCity", w.CurCity}, {"gameTime", TimeJson(w.GameTime)},
                       {"dayNum", w.DayNum},   {"citizenCrystals", w.CitizenCrystals}};
    // The head's members, then the cities one a line, so that the file reads and compares by line.
    std::string text = head.dump();
    text.pop_back();
    out << text << ",\"cities\":[\n";
    for (int no = 1; no <= kNumCities; ++no) {
        out << CityJson(w, no).dump() << (no < kNumCities ? ",\n" : "\n");
    }
    out << "]}\n";
}

}  // namespace rq
