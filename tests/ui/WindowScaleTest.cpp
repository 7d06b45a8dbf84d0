// The main window at 2× and 3×: every picture is the 1× picture enlarged square pixel by square
// pixel, and a click at the enlarged place of a city or a ticket row picks what it picks at 1×.
#include <gtest/gtest.h>

#include <QAction>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "UiTestSupport.h"
#include "panels/Panels.h"
#include "shell/Settings.h"
#include "ui/GameView.h"
#include "ui/WindowScale.h"

namespace rq {
namespace {

QImage Enlarged(const QImage& picture, int k) {
    return picture.scaled(picture.size() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QImage Grabbed(QWidget* w) {
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A click where a player at scale k clicks: the middle of the enlarged pixel under the 1× point
// `at` of the client, handed to whichever control lies there.
void ClickClient(QWidget* client, QPoint at, int k) {
    const QPoint scaled = at * k + QPoint(k / 2, k / 2);
    QWidget* target = client->childAt(scaled);
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(client, scaled));
}

TEST(WindowScaleTest, TwoAndThreeTimesEnlargeThePicturesAndClicksPickTheSameCityAndRow) {
    test::UiGame ui{21};
    ASSERT_TRUE(ui.Loaded);
    MainWindow& w = *ui.window;
    Game& g = *ui.game;
    auto* client = test::Find<QWidget>(w, "client");
    ui.ShowStreet();
    w.OpenMapFromCapitol();
    const QSize client1 = client->size();
    const City& chicago = g.world.city(46);
    const QPoint chicagoAt = test::Find<QWidget>(w, "picUSA")->mapTo(client, QPoint(chicago.MapX, chicago.MapY));

    for (int k : {2, 3}) {
        SCOPED_TRACE(k);
        w.SetScale(1);
        const QImage view1 = Grabbed(test::Find<GameView>(w, "picGameView"));
        const QImage map1 = Grabbed(test::Find<QWidget>(w, "picUSA"));  // with its markers and arrow
        w.SetScale(k);
        EXPECT_EQ(client->size(), client1 * k);
        EXPECT_EQ(Grabbed(test::Find<GameView>(w, "picGameView")), Enlarged(view1, k));
        EXPECT_EQ(Grabbed(test::Find<QWidget>(w, "picUSA")), Enlarged(map1, k));
        QTest::mouseClick(test::Find<QWidget>(w, "lblLegend0"), Qt::LeftButton);  // "You Are Here"
        ASSERT_EQ(CurrentHistoryCity(g.panels.Hist), 21);
        ClickClient(client, chicagoAt, k);
        EXPECT_EQ(CurrentHistoryCity(g.panels.Hist), 46);
    }
    w.SetScale(1);

    // The ticket rows: the row under a 1× point is the row picked at every scale.
    w.ClearPanels();
    w.ShowTicketWindow();
    auto* row3 = test::Find<QWidget>(w, "lblTrainDest3");
    const QPoint rowAt = row3->mapTo(client, QPoint(2, row3->height() / 2));
    for (int k : {1, 2, 3}) {
        SCOPED_TRACE(k);
        w.SetScale(k);
        g.scene.SelectedTrain = 0;
        ClickClient(client, rowAt, k);
        EXPECT_EQ(g.scene.SelectedTrain, 3);
        EXPECT_TRUE(test::Find<QRadioButton>(w, "optTrain3")->isChecked());
    }
    w.SetScale(1);
}

TEST(WindowScaleTest, TheKeysStepTheScaleWhichIsKeptAndTheFirstStartTakesTheLargestThatFits) {
    EXPECT_EQ(LargestFittingScale({646, 414}, {1920, 1040}), 2);
    EXPECT_EQ(LargestFittingScale({646, 414}, {2600, 1700}), 4);
    EXPECT_EQ(LargestFittingScale({646, 414}, {600, 400}), 1);

    test::UiGame ui{21};
    MainWindow& w = *ui.window;
    const QTemporaryDir dir;
    const std::string ini = dir.filePath("railquest.ini").toStdString();
    ASSERT_TRUE(SaveSettings(true, ini));
    WriteProfileString(ini, "Window", "Scale", "3");
    w.ShowAtKeptScale(ini, true);
    EXPECT_EQ(WindowScale(), 3);
    test::Find<QAction>(w, "mnuZoomOut")->trigger();
    EXPECT_EQ(WindowScale(), 2);
    EXPECT_EQ(ReadKeptScale(ini), 2);
    EXPECT_TRUE(ReadJoystickSetting(ini)) << "the other keys are kept";
    for (int i = 0; i < 5; ++i) {
        test::Find<QAction>(w, "mnuZoomIn")->trigger();
    }
    EXPECT_EQ(WindowScale(), kMaxWindowScale);
    EXPECT_FALSE(test::Find<QAction>(w, "mnuZoomIn")->isEnabled());
    test::Find<QAction>(w, "mnuActualSize")->trigger();
    EXPECT_EQ(ReadKeptScale(ini), 1);
    EXPECT_EQ(test::Find<QAction>(w, "mnuZoomIn")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Plus));
    EXPECT_EQ(test::Find<QAction>(w, "mnuFullScreen")->shortcut(), QKeySequence(Qt::Key_F11));
}

}  // namespace
}  // namespace rq
