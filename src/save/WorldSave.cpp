// Writing and reading the world's part of a saved game. Lists are written packed (up to their first
// 0) and read back into arrays cleared first, so a list that is too long is a fault, not a crash.
#include "save/WorldSave.h"

#include "base/Index.h"
#include "headless/JsonLists.h"
#include "scene/Crystals.h"
#include "world/Clock.h"

namespace rq {

namespace {

template <typename Array>
Json Slots(const Array& items) {
    Json list = Json::array();
    for (int s = 1; s <= kSlots; ++s) {
        list.push_back(items[At(s)]);
    }
    return list;
}

// A packed list of citizens (1..3001) into places 1.., the rest cleared; returns its length.
template <typename Array>
int ReadPacked(const Field& in, Array& items) {
    const std::size_t n = in.Array(0, items.size() - 1);
    items.fill(0);
    for (std::size_t i = 0; i < n; ++i) {
        items[i + 1] = in[i].Short(1, kPlayer);
    }
    return static_cast<int>(n);
}

Json CityToJson(const City& c) {
    Json riders = Json::array();
    for (int s = 1; s <= kSlots; ++s) {
        Json stages = Json::array();
        for (int j = 1; j <= kStages; ++j) {
            stages.push_back(PackedJson(c.Stage(s, j)));
        }
        riders.push_back(std::move(stages));
    }
    Json waiting = Json::array();
    for (int s = 1; s <= kSlots; ++s) {
        waiting.push_back(PackedJson(c.Waiting[At(s)]));
    }
    return {{"trainDest", Slots(c.TrainDest)}, {"trainType", Slots(c.TrainType)}, {"citizens", PackedJson(c.Citizens)},
            {"waiting", std::move(waiting)},   {"stageRot", Slots(c.StageRot)},   {"riders", std::move(riders)}};
}

void CityFromJson(const Field& in, City& c) {
    const Field dest = in["trainDest"];
    const Field type = in["trainType"];
    const Field rot = in["stageRot"];
    dest.Array(kSlots, kSlots);
    type.Array(kSlots, kSlots);
    rot.Array(kSlots, kSlots);
    for (int s = 1; s <= kSlots; ++s) {
        const std::size_t i = At(s) - 1;
        c.TrainDest[At(s)] = dest[i].Short(1, kNumCities);
        c.TrainType[At(s)] = type[i].Short(0, 1);
        c.StageRot[At(s)] = rot[i].Short(0, kStages - 1);
    }
    c.NumCitizens = static_cast<std::int16_t>(ReadPacked(in["citizens"], c.Citizens));
    const Field waiting = in["waiting"];
    const Field riders = in["riders"];
    waiting.Array(kSlots, kSlots);
    riders.Array(kSlots, kSlots);
    for (int s = 1; s <= kSlots; ++s) {
        const std::size_t i = At(s) - 1;
        ReadPacked(waiting[i], c.Waiting[At(s)]);
        const Field stages = riders[i];
        stages.Array(kStages, kStages);
        for (int j = 1; j <= kStages; ++j) {
            ReadPacked(stages[At(j) - 1], c.Stage(s, j));
        }
    }
}

}  // namespace

Json WorldToJson(const World& w) {
    Json cities = Json::array();
    for (int c = 1; c <= kNumCities; ++c) {
        cities.push_back(CityToJson(w.city(c)));
    }
    return {{"curCity", w.CurCity},
            {"fuzzbombCity", w.FuzzbombCity},
            {"gameTime", w.GameTime},
            {"dayNum", w.DayNum},
            {"transitDest", w.TransitDest},
            {"stopTransit", w.StopTransit},
            {"lostRiders", w.LostRiders},
            {"stoppedSpeed", w.StoppedSpeed},
            {"platformTicks", w.PlatformTicks},
            {"citizenCrystals", w.CitizenCrystals},
            {"cities", std::move(cities)}};
}

void WorldFromJson(const Field& in, World& w) {
    w.CurCity = in["curCity"].Short(0, kNumCities);
    w.FuzzbombCity = in["fuzzbombCity"].Short(-1, kNumCities);  // -1: destroyed and announced
    // -1 is the clock at the click on the title picture; at midnight it turns to 0, never to a full day.
    w.GameTime = in["gameTime"].Number(-1, kUnitsPerDay);
    if (w.GameTime == kUnitsPerDay) {
        in["gameTime"].Fail("is " + std::to_string(static_cast<int>(kUnitsPerDay)) +
                            ", a whole day: the clock turns to 0 at midnight");
    }
    w.DayNum = static_cast<std::int32_t>(in["dayNum"].Int(1, 1'000'000));
    w.TransitDest = in["transitDest"].Short(0, kNumCities);
    w.StopTransit = in["stopTransit"].Bool();
    w.LostRiders = static_cast<std::int32_t>(in["lostRiders"].Int(0, kNumCitizens));
    w.StoppedSpeed = in["stoppedSpeed"].Short(-1000, 1000);
    w.PlatformTicks = in["platformTicks"].Number(0, 1'000'000);
    const Field crystals = in["citizenCrystals"];
    crystals.Array(w.CitizenCrystals.size(), w.CitizenCrystals.size());
    for (std::size_t i = 0; i < w.CitizenCrystals.size(); ++i) {
        w.CitizenCrystals[i] = crystals[i].Short(kFuzzed, i == kPlayer ? kPlayerCrystalLimit : kCitizenCrystalLimit);
    }
    const Field cities = in["cities"];
    cities.Array(kNumCities, kNumCities);
    for (int c = 1; c <= kNumCities; ++c) {
        CityFromJson(cities[At(c) - 1], w.city(c));
    }
}

}  // namespace rq
