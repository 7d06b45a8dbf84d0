// Writing and reading the street's part of a saved game.
#include "save/StreetSave.h"

#include "base/Index.h"
#include "scene/ActorPass.h"

namespace rq {

namespace {

// Far enough around the 1920 × 1131 street for a train coming in or a figure leaving it.
constexpr int kFarOut = 8000;
constexpr int kFastest = 100;  // pixels a tick
constexpr int kLongestText = 1000;

Json SpriteToJson(int slot, const Sprite& s) {
    return {{"slot", slot},
            {"shown", s.Shown},
            {"x", s.X},
            {"y", s.Y},
            {"vx", s.VX},
            {"vy", s.VY},
            {"frame", s.Frame},
            {"srcX", s.SrcX},
            {"srcY", s.SrcY},
            {"firstFrame", s.FirstFrame},
            {"lastFrame", s.LastFrame},
            {"animating", s.Animating},
            {"frameDelay", s.FrameDelay},
            {"delayCount", s.DelayCount},
            {"citizen", s.CitizenNo},
            {"blocked", s.Blocked}};
}

void SpriteFromJson(const Field& in, const SpriteEngine& spr, Sprite& s) {
    const int lastFrame = static_cast<int>(spr.gFrames.size()) - 2;
    s.Shown = in["shown"].Bool();
    s.X = in["x"].Short(-kFarOut, kFarOut);
    s.Y = in["y"].Short(-kFarOut, kFarOut);
    s.VX = in["vx"].Short(-kFastest, kFastest);
    s.VY = in["vy"].Short(-kFastest, kFastest);
    s.Frame = in["frame"].Short(0, lastFrame);
    s.SrcX = in["srcX"].Short(0, spr.Sheet.Exists() ? spr.Sheet.Width - s.Width : kFarOut);
    s.SrcY = in["srcY"].Short(0, spr.Sheet.Exists() ? spr.Sheet.Height - s.Height : kFarOut);
    s.FirstFrame = in["firstFrame"].Short(0, lastFrame);
    s.LastFrame = in["lastFrame"].Short(s.FirstFrame, lastFrame);
    s.Animating = in["animating"].Bool();
    s.FrameDelay = in["frameDelay"].Short(0, 1000);
    s.DelayCount = in["delayCount"].Short(0, 1000);
    s.CitizenNo = in["citizen"].Short(0, kPlayer);
    s.Blocked = in["blocked"].Bool();
}

Json RectToJson(const SceneRect& r) {
    return Json::array({r.Left, r.Top, r.Width, r.Height});
}

SceneRect RectFromJson(const Field& in) {
    in.Array(4, 4);
    SceneRect r;
    r.Left = in[0u].Short(-kFarOut, kFarOut);
    r.Top = in[1u].Short(-kFarOut, kFarOut);
    r.Width = in[2u].Short(0, kFarOut);
    r.Height = in[3u].Short(0, kFarOut);
    return r;
}

}  // namespace

Json StreetToJson(const SpriteEngine& spr, const Scene& scene, const EffectPlayer& fx) {
    Json sprites = Json::array();
    for (int slot = 1; slot < kSpriteSlots; ++slot) {
        if (spr[slot].Created) {
            sprites.push_back(SpriteToJson(slot, spr[slot]));
        }
    }
    Json rects = Json::array();
    for (std::size_t i = 1; i < spr.gSceneRects.size(); ++i) {
        rects.push_back(RectToJson(spr.gSceneRects[i]));
    }
    Json meetings = Json::array();
    for (const auto& [person, fuzzy] : scene.Meetings) {
        meetings.push_back(Json::array({person, fuzzy}));
    }
    return {{"view", Json::array({spr.ViewCol, spr.ViewRow})},
            {"sceneRects", std::move(rects)},
            {"sprites", std::move(sprites)},
            {"inputBits", scene.InputBits},
            {"joystickMode", scene.JoystickMode},
            {"selectedTrain", scene.SelectedTrain},
            {"departureBannerOn", scene.DepartureBannerOn},
            {"bannerVisible", scene.BannerVisible},
            {"actorPassAgain", scene.ActorPassAgain},
            {"lastCollisionPasses", scene.LastCollisionPasses},
            {"meetings", std::move(meetings)},
            {"transitRoute", scene.TransitRoute},
            {"soundOn", fx.SoundOn},
            {"sceneBuilding", fx.SceneBuilding}};
}

void StreetFromJson(const Field& in, SpriteEngine& spr, Scene& scene, EffectPlayer& fx) {
    const Field view = in["view"];
    view.Array(2, 2);
    spr.ViewCol = view[0u].Short(0, 1);
    spr.ViewRow = view[1u].Short(0, 2);

    const Field rects = in["sceneRects"];
    const std::size_t nRects = rects.Array(0, 64);
    // Entry 0 is never a rectangle; a street left behind has none at all.
    spr.gSceneRects.assign(nRects > 0 ? 1 : 0, SceneRect{});
    for (std::size_t i = 0; i < nRects; ++i) {
        spr.gSceneRects.push_back(RectFromJson(rects[i]));
    }

    // Exactly the slots start-up made, in slot order.
    const Field sprites = in["sprites"];
    const std::size_t n = sprites.Array(0, kSpriteSlots);
    std::size_t next = 0;
    for (int slot = 1; slot < kSpriteSlots; ++slot) {
        if (!spr[slot].Created) {
            continue;
        }
        if (next >= n) {
            sprites.Fail("lacks slot " + std::to_string(slot));
        }
        const Field one = sprites[next++];
        if (one["slot"].Short(1, kSpriteSlots - 1) != slot) {
            one["slot"].Fail("is not " + std::to_string(slot) + ", the next slot in use");
        }
        SpriteFromJson(one, spr, spr[slot]);
    }
    if (next != n) {
        sprites[next].Fail("is a slot the game does not use");
    }

    scene.InputBits = static_cast<std::uint16_t>(in["inputBits"].Int(0, kInputDirections | kInputAction));
    scene.JoystickMode = in["joystickMode"].Bool();
    scene.SelectedTrain = in["selectedTrain"].Short(0, 5);
    scene.DepartureBannerOn = in["departureBannerOn"].Bool();
    scene.BannerVisible = in["bannerVisible"].Bool();
    scene.ActorPassAgain = in["actorPassAgain"].Bool();
    scene.LastCollisionPasses = static_cast<int>(in["lastCollisionPasses"].Int(0, kMaxCollisionPasses));
    const Field meetings = in["meetings"];
    const std::size_t nMeetings = meetings.Array(0, kSpriteSlots * kSpriteSlots);
    scene.Meetings.clear();
    for (std::size_t i = 0; i < nMeetings; ++i) {
        const Field m = meetings[i];
        m.Array(2, 2);
        scene.Meetings.emplace_back(m[0u].Short(1, kSpriteSlots - 1), m[1u].Short(1, kSpriteSlots - 1));
    }
    scene.TransitRoute = in["transitRoute"].Text(kLongestText);
    fx.SoundOn = in["soundOn"].Bool();
    fx.SceneBuilding = in["sceneBuilding"].Bool();
    spr.Ground.Valid = false;  // the next compose paints the whole street
}

}  // namespace rq
