// The game on screen: the station at noon and at night with a train standing, and a journey, driven
// through the game loop in the real window; the pictures go to the build folder to be looked at.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "UiTestSupport.h"
#include "main/GameLoop.h"
#include "ui/GameView.h"

namespace rq {
namespace {

// Clock values in game units (thirds of a second).
constexpr double kNoon = 12 * 3600 * 3.0;
constexpr double kHalfPastTen = (22 * 3600 + 30 * 60) * 3.0;

class GameScreensTest : public ::testing::Test {
protected:
    // The loop runs only while its window is the active one.
    void SetUp() override {
        g.window->show();
        QApplication::setActiveWindow(g.window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(g.window.get()));
    }
    // Runs the loop from just before `clock` until a train stands at the platform.
    void TrainStandingAt(double clock) {
        g.ShowStreet();
        g.game->world.GameTime = clock - 1;
        for (int tick = 0; tick < 200; ++tick) {
            loop.tmrGameLoop_Timer(0);
            const SpriteEngine& spr = g.game->sprites;
            if ((spr[kTrainSprite].Shown && spr[kTrainSprite].VX == 0) ||
                (spr[kMarkedTrainSprite].Shown && spr[kMarkedTrainSprite].VX == 0)) {
                return;
            }
        }
        FAIL() << "no train stopped at the platform";
    }
    QImage Shot(const char* name) {
        g.window->show();
        const QImage image = g.window->grab().toImage();
        image.save(QString(RAILQUEST_UI_SHOTS) + "/" + name);
        return image;
    }
    // The colour of the sky band in the window's game view, just above the skyline's top.
    QRgb SkyPixel(const QImage& shot) const {
        const QPoint view = test::Find<QWidget>(*g.window, "picGameView")->mapTo(g.window.get(), QPoint(4, 4));
        return shot.pixel(view);
    }

    QLabel* Label(const char* name) { return test::Find<QLabel>(*g.window, name); }

    test::UiGame g{21};  // Denver: downtown and mountains
    GameLoop loop{*g.game, *g.window};
};

TEST_F(GameScreensTest, TheStationAtNoonWithATrainStanding) {
    ASSERT_TRUE(g.Loaded);
    TrainStandingAt(kNoon);
    const QImage shot = Shot("station-noon.png");
    const QColor sky(SkyPixel(shot));
    EXPECT_EQ(sky.red(), 0);
    EXPECT_GT(sky.green(), 240) << "a bright cyan sky at noon";
    EXPECT_EQ(sky.green(), sky.blue());
    EXPECT_TRUE(g.game->scene.DepartureBannerOn);
    EXPECT_TRUE(Label("lblTime")->text().startsWith("12:00:")) << Label("lblTime")->text().toStdString();
}

TEST_F(GameScreensTest, TheStationAtNightWithATrainStanding) {
    TrainStandingAt(kHalfPastTen);
    const QImage shot = Shot("station-night.png");
    const QColor sky(SkyPixel(shot));
    EXPECT_LT(sky.green(), 80) << "a dark sky late in the evening";
    EXPECT_EQ(sky.red(), 0);
}

TEST_F(GameScreensTest, AJourneyShowsTheRouteTheTimeAndTheDayOnBlack) {
    World& w = g.game->world;
    g.game->scene.TransitRoute = w.city(21).Name + " -> " + w.city(w.city(21).TrainDest[1]).Name;
    w.TransitDest = w.city(21).TrainDest[1];
    w.CurCity = 0;
    w.GameTime = 15 * 3600 * 3.0 + 1000;
    g.game->shell.InTransit = true;
    for (std::int64_t ms = 0; ms < 3000; ms += 10) {
        loop.tmrGameLoop_Timer(ms);
    }
    const QImage shot = Shot("journey.png");
    EXPECT_TRUE(Label("lblInTransit")->isVisible());
    EXPECT_EQ(Label("lblInTransit")->text().toStdString(), g.game->scene.TransitRoute);
    EXPECT_TRUE(Label("lblTransitTime")->text().endsWith(" PM"));
    EXPECT_EQ(Label("lblDayNum")->text(), "Day 1");
    const QColor corner(shot.pixel(test::Find<QWidget>(*g.window, "picGameView")->mapTo(g.window.get(), QPoint(4, 4))));
    EXPECT_EQ(corner, QColor(Qt::black));
}

}  // namespace
}  // namespace rq
