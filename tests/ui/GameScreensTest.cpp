// The game on screen: the game loop drives the real window until a train stands at the station at
// noon. (tools/preview/window_pictures writes such screens as pictures to look at.)
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "UiTestSupport.h"
#include "shell/GameLoop.h"
#include "world/Platform.h"

namespace rq {
namespace {

TEST(GameScreensTest, TheLoopShowsTheStationAtNoonWithATrainStanding) {
    test::UiGame g{21};  // Denver: downtown and mountains
    ASSERT_TRUE(g.Loaded);
    GameLoop loop{*g.game, *g.window};
    g.window->show();  // the loop runs only while its window is the active one
    QApplication::setActiveWindow(g.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(g.window.get()));
    g.ShowStreet();
    g.game->world.GameTime = 12 * 3600 * 3.0 - 1;
    const SpriteEngine& spr = g.game->sprites;
    for (int tick = 0; tick < 200 && !TrainStandsAtPlatform(spr); ++tick) loop.LoopTick(0);
    ASSERT_TRUE(TrainStandsAtPlatform(spr));
    // The sky band of the view, just above the skyline's top.
    const QImage shot = g.window->grab().toImage();
    const QColor sky(shot.pixel(test::Find<QWidget>(*g.window, "picGameView")->mapTo(g.window.get(), QPoint(4, 4))));
    EXPECT_EQ(sky.red(), 0);
    EXPECT_GT(sky.green(), 240) << "a bright cyan sky at noon";
    EXPECT_EQ(sky.green(), sky.blue());
    EXPECT_TRUE(g.game->scene.DepartureBannerOn);
    const QString time = test::Find<QLabel>(*g.window, "lblTime")->text();
    EXPECT_TRUE(time.startsWith("12:00:")) << time.toStdString();
}

}  // namespace
}  // namespace rq
