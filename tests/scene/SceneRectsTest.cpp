// The street's walls: the rounded table per size class and which views each class lets the player reach.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "base/Rounding.h"
#include "scene/SceneRects.h"

namespace rq {
namespace {

bool Same(const SceneRect& a, const SceneRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

TEST(SceneRects, EveryClassHasTheTrackAndTheStationsWallsFirst) {
    for (std::int16_t size = 2; size <= 5; ++size) {
        const auto rects = SceneRectsForSize(size);
        ASSERT_EQ(rects.size(), static_cast<std::size_t>(size * 2 + 3)) << "size " << size;  // 6, 8, 10, 12 + entry 0
        EXPECT_TRUE(Same(rects[0], SceneRect{}));
        // The track runs across the middle of the station view: 377/2 − 10/2 = 183.5, stored as 184.
        EXPECT_TRUE(Same(rects[1], SceneRect{640, static_cast<std::int16_t>(CInt(377.0 / 2 - 10.0 / 2)), 640, 10}));
        EXPECT_TRUE(Same(rects[2], SceneRect{1275, 0, 10, 1131}));
        EXPECT_TRUE(Same(rects[3], SceneRect{static_cast<std::int16_t>(CInt(3200.0 / 3)), 372, 213, 10}));
        EXPECT_TRUE(Same(rects[4], SceneRect{0, 372, static_cast<std::int16_t>(CInt(2560.0 / 3)), 10}));
    }
}

TEST(SceneRects, TheLargestClassHasAllTwelveWallsInOrder) {
    const auto rects = SceneRectsForSize(5);
    const SceneRect expected[] = {{1067, 749, 213, 10}, {0, 1126, 1280, 10}, {635, 0, 10, 503},   {-5, 377, 10, 754},
                                  {0, 749, 213, 10},    {427, 749, 427, 10}, {635, 628, 10, 251}, {635, 1005, 10, 126}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_TRUE(Same(rects[5 + i], expected[i])) << "entry " << 5 + i;
    }
}

// Which of the six views can be reached from the station by walking, with a coarse flood fill over
// 5-pixel cells that treats every wall as solid.
std::set<std::pair<int, int>> ReachableViews(std::int16_t size) {
    constexpr int kCell = 5;
    constexpr int kCols = 1280 / kCell;
    constexpr int kRows = 1131 / kCell;
    const auto rects = SceneRectsForSize(size);
    std::vector<char> solid(static_cast<std::size_t>(kCols * kRows), 0);
    for (std::size_t r = 2; r < rects.size(); ++r) {
        const SceneRect& w = rects[r];
        for (int cy = 0; cy < kRows; ++cy) {
            for (int cx = 0; cx < kCols; ++cx) {
                const int x = cx * kCell;
                const int y = cy * kCell;
                if (x + kCell > w.Left && x < w.Left + w.Width && y + kCell > w.Top && y < w.Top + w.Height) {
                    solid[static_cast<std::size_t>(cy * kCols + cx)] = 1;
                }
            }
        }
    }
    std::vector<char> seen(solid.size(), 0);
    std::vector<std::pair<int, int>> todo{{960 / kCell, 300 / kCell}};
    std::set<std::pair<int, int>> views;
    while (!todo.empty()) {
        const auto [cx, cy] = todo.back();
        todo.pop_back();
        if (cx < 0 || cy < 0 || cx >= kCols || cy >= kRows) continue;
        const auto i = static_cast<std::size_t>(cy * kCols + cx);
        if (seen[i] || solid[i]) continue;
        seen[i] = 1;
        views.insert({cx * kCell / 640, cy * kCell / 377});
        todo.insert(todo.end(), {{cx + 1, cy}, {cx - 1, cy}, {cx, cy + 1}, {cx, cy - 1}});
    }
    return views;
}

TEST(SceneRects, EachClassOpensItsOwnViews) {
    using Views = std::set<std::pair<int, int>>;
    EXPECT_EQ(ReachableViews(2), (Views{{1, 0}, {1, 1}}));
    EXPECT_EQ(ReachableViews(3), (Views{{1, 0}, {1, 1}, {1, 2}}));
    EXPECT_EQ(ReachableViews(4), (Views{{1, 0}, {1, 1}, {1, 2}, {0, 1}}));
    EXPECT_EQ(ReachableViews(5), (Views{{1, 0}, {1, 1}, {1, 2}, {0, 1}, {0, 2}}));
}

}  // namespace
}  // namespace rq
