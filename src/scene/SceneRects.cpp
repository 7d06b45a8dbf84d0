// The street's walls. The values come from expressions of the scene's size (377/2 − 10/2, 3200/3,
// 2560/3, 640/3, ...) rounded halves-to-even; they are written out here as the game stores them.
#include "scene/SceneRects.h"

#include "sprite/SpriteDraw.h"

namespace rq {

namespace {

constexpr SceneRect kTrack{640, 184, 640, 10};
constexpr SceneRect kRightEdge{1275, 0, 10, 1131};
constexpr SceneRect kUnderStationRight{1067, 372, 213, 10};  // rows 0|1, right of the door
constexpr SceneRect kUnderStationLeft{0, 372, 853, 10};      // rows 0|1, left of the door
constexpr SceneRect kMiddleWall{635, 0, 10, 1131};           // columns 0|1, full height
constexpr SceneRect kRow12Left{0, 749, 853, 10};             // rows 1|2
constexpr SceneRect kRow12Right{1067, 749, 213, 10};
constexpr SceneRect kBottom{0, 1126, 1280, 10};
constexpr SceneRect kLeftEdgeLower{-5, 377, 10, 754};

}  // namespace

std::vector<SceneRect> SceneRectsForSize(std::int16_t size) {
    std::vector<SceneRect> rects{SceneRect{}, kTrack, kRightEdge, kUnderStationRight, kUnderStationLeft};
    switch (size) {
        case 2:
            rects.insert(rects.end(), {SceneRect{640, 749, 640, 10}, kMiddleWall});
            break;
        case 3:
            rects.insert(rects.end(), {kMiddleWall, kRow12Left, kRow12Right, kBottom});
            break;
        case 4:
            rects.insert(rects.end(), {kRow12Left, kRow12Right, kBottom, SceneRect{635, 628, 10, 503},
                                       SceneRect{635, 0, 10, 503}, kLeftEdgeLower});
            break;
        default:  // 5, the largest cities
            rects.insert(rects.end(),
                         {kRow12Right, kBottom, SceneRect{635, 0, 10, 503}, kLeftEdgeLower, SceneRect{0, 749, 213, 10},
                          SceneRect{427, 749, 427, 10}, SceneRect{635, 628, 10, 251}, SceneRect{635, 1005, 10, 126}});
            break;
    }
    return rects;
}

int FirstSceneRectHit(const SpriteEngine& spr, int slot) {
    const int rects = static_cast<int>(spr.gSceneRects.size()) - 1;
    for (int r = 1; r <= rects; ++r) {
        if (iSprHitsRect(spr, slot, r)) {
            return r;
        }
    }
    return 0;
}

}  // namespace rq
