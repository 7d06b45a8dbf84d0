// The player's figure: the key combinations that steer it, its velocity and the view that follows it.
#include "scene/PlayerControl.h"

#include <array>
#include <utility>

#include "sprite/SpriteDraw.h"
#include "world/Actors.h"
#include "world/Arrivals.h"
#include "world/Platform.h"
#include "world/Velocity.h"

namespace rq {

std::optional<Course> HeldCourse(std::uint16_t inputBits) {
    static constexpr std::array<std::pair<std::uint16_t, Course>, 12> kCourses{{
        {kInputUp, {0, -1}},
        {kInputUpRight, {1, -1}},
        {kInputRight, {1, 0}},
        {kInputDownRight, {1, 1}},
        {kInputDown, {0, 1}},
        {kInputDownLeft, {-1, 1}},
        {kInputLeft, {-1, 0}},
        {kInputUpLeft, {-1, -1}},
        {kInputUp | kInputRight, {1, -1}},
        {kInputRight | kInputDown, {1, 1}},
        {kInputDown | kInputLeft, {-1, 1}},
        {kInputLeft | kInputUp, {-1, -1}},
    }};
    const auto held = static_cast<std::uint16_t>(inputBits & kInputDirections);
    for (const auto& [bits, course] : kCourses) {
        if (bits == held) return course;
    }
    return std::nullopt;
}

bool IsValidDirection(const Scene& scene) {
    return HeldCourse(scene.InputBits).has_value();
}

void UpdatePlayerWalking(SceneContext& ctx, bool ok) {
    Sprite& player = ctx.spr[kPlayerSlot];
    player.Animating = ok;
    if (!ok) {
        player.VX = 0;
        player.VY = 0;
    }
}

void SetPlayerVelocity(SceneContext& ctx) {
    Sprite& player = ctx.spr[kPlayerSlot];
    const std::optional<Course> course = HeldCourse(ctx.scene.InputBits);
    if (!course || ctx.port.IsTicketWindowVisible()) {
        player.VX = 0;
        player.VY = 0;
        return;
    }
    player.VX = course->dx;
    player.VY = course->dy;
    SetActorSpeed(player, kPlayerSpeed);
}

void FollowPlayer(SpriteEngine& spr) {
    const Sprite& player = spr[kPlayerSlot];
    const double cx = player.X + player.Width / 2.0;
    const double cy = player.Y + player.Height / 2.0;
    if (cx < spr.ViewCol * kViewWidth) --spr.ViewCol;
    if (cx > (spr.ViewCol + 1) * kViewWidth) ++spr.ViewCol;
    if (cy < spr.ViewRow * kViewHeight) --spr.ViewRow;
    if (cy > (spr.ViewRow + 1) * kViewHeight) ++spr.ViewRow;
}

void SteerPlayer(SceneContext& ctx) {
    const bool ok = IsValidDirection(ctx.scene);
    if (ctx.w.crystals(kPlayer) < 0) {
        return;  // a fuzzed player walks on its own
    }
    UpdatePlayerWalking(ctx, ok);
    if (ok) {
        SetPlayerVelocity(ctx);
    }
}

void MovePlayerAndView(SceneContext& ctx) {
    SpriteEngine& spr = ctx.spr;
    Sprite& player = spr[kPlayerSlot];
    SprMoveBy(spr, kPlayerSlot, player.VX, player.VY);
    if (!player.Shown && player.VY > 0 && StationInView(spr) && TrainStandsAtPlatform(spr)) {
        // Off the train onto the platform, and room made there.
        ShowPlayerOnPlatform(spr);
        ClearSpotBelow(ctx.w, spr, kPlayerSlot);
    }
    FollowPlayer(spr);
}

}  // namespace rq
