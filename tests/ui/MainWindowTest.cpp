// The main window offscreen: its layout in pixels, its menus and shortcuts, and the wiring of the map,
// the history, the ticket window and the status bar to the panels' rules (which PanelsTest checks).
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <fstream>

#include "UiTestSupport.h"
#include "main/Panels.h"
#include "main/Settings.h"
#include "ui/Controls.h"
#include "ui/GameView.h"
#include "ui/HelpWindow.h"
#include "ui/MapViews.h"
#include "ui/Twips.h"

namespace rq {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ui.Loaded) << "the assets could not be loaded"; }
    MainWindow& w() { return *ui.window; }
    Game& g() { return *ui.game; }
    const WindowLayout& l() { return ui.game->panels.Layout; }
    void ShowActive() {
        w().show();
        w().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    }
    // A click on the normal map at a city's marker.
    void ClickCity(std::int16_t city) {
        const City& c = g().world.city(city);
        QTest::mouseClick(w().picUSA, Qt::LeftButton, {}, QPoint(c.MapX, c.MapY));
    }
    test::UiGame ui{21};
};

// ---- Layout ----

TEST_F(MainWindowTest, TheWindowHasAFixedSizeAroundTheStatusBarAndTheView) {
    EXPECT_EQ(w().minimumSize(), w().maximumSize());
    EXPECT_EQ(w().client->size(), QSize(640, 15 + 377));
    EXPECT_EQ(w().picStatusBar->geometry(), QRect(0, 0, 640, 15));
    EXPECT_EQ(w().picGameView->geometry(), QRect(0, 15, 640, 377));
    EXPECT_EQ(w().objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Railquest"));
    // The offscreen screen is wider than 640 pixels: the window stands at (120, 120) twips.
    EXPECT_EQ(w().pos(), QPoint(8, 8));
}

TEST_F(MainWindowTest, ThePanelsStandWhereTheLayoutPutsThem) {
    const Surface& map = g().sprites.Map;
    const QRect panel = w().picInfo->geometry();
    EXPECT_EQ(panel.right(), w().picGameView->geometry().right());
    EXPECT_EQ(panel.width(), PxRect(l().Info).width());
    EXPECT_EQ(w().picUSA->geometry(), QRect(32, 5, map.Width, map.Height));
    EXPECT_EQ(w().picUSAZoom->size(), QSize(2 * map.Width, 2 * map.Height));
    EXPECT_EQ(w().lblTrainTime[1]->x(), Px(0.75 * l().Tickets.Width));
    const QRect ok = w().cmdExitTix->geometry();
    EXPECT_EQ(Px(l().Tickets.Width) - (ok.x() + ok.width()), 16);
    EXPECT_EQ(w().picTickets->geometry().bottom(), w().picGameView->geometry().bottom());
}

TEST_F(MainWindowTest, PanelsAndTheBannerStartHidden) {
    EXPECT_FALSE(w().IsInfoPanelVisible());
    EXPECT_FALSE(w().IsTicketWindowVisible());
    EXPECT_TRUE(w().picTrainDest->isHidden());
    EXPECT_TRUE(w().lblInTransit->isHidden());
    EXPECT_TRUE(w().picUSAZoomContain->isHidden());
    EXPECT_TRUE(w().hscUSA->isHidden());
    EXPECT_EQ(w().picTrainDest->geometry().top(), Px(2000));
    EXPECT_EQ(w().cmdZoom->text(), QStringLiteral("Zoom In"));
}

// ---- Menus ----

struct MenuItem {
    const char* Name;
    const char* Caption;
    QKeySequence Shortcut;
    bool Visible;
};

TEST_F(MainWindowTest, EveryMenuEntryWithItsCaptionShortcutAndVisibility) {
    EXPECT_EQ(w().mnuGame->title(), QStringLiteral("&Game"));
    EXPECT_EQ(w().mnuHelp->title(), QStringLiteral("&Help"));
    const std::vector<MenuItem> game = {
        {"mnuNew", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), true},
        {"mnuOpen", "&Open...", {}, false},
        {"mnuSave", "&Save", {}, false},
        {"mnuBreak1", "", {}, true},
        {"mnuSkipToTrain", "Skip To Next &Train", QKeySequence(Qt::CTRL | Qt::Key_T), true},
        {"mnuBreak4", "", {}, true},
        {"mnuJoystick", "Switch to &Joystick", QKeySequence(Qt::CTRL | Qt::Key_J), true},
        {"mnuKeyboard", "Switch to &Keyboard", QKeySequence(Qt::CTRL | Qt::Key_K), false},
        {"mnuSound", "Soun&d", QKeySequence(Qt::CTRL | Qt::Key_S), true},
        {"mnuPause", "&Pause", QKeySequence(Qt::CTRL | Qt::Key_P), true},
        {"mnuBreak2", "", {}, true},
        {"mnuExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X), true},
    };
    const std::vector<MenuItem> help = {
        {"mnuContents", "&Contents", QKeySequence(Qt::Key_F1), true},
        {"mnuBreak3", "", {}, true},
        {"mnuAbout", "&About...", {}, true},
    };
    for (const auto& [menu, items] : {std::pair{w().mnuGame, game}, std::pair{w().mnuHelp, help}}) {
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size()));
        for (std::size_t i = 0; i < items.size(); ++i) {
            QAction* a = actions[static_cast<qsizetype>(i)];
            const MenuItem& want = items[i];
            EXPECT_EQ(a->objectName(), QString::fromLatin1(want.Name));
            EXPECT_EQ(a->isSeparator(), std::string(want.Caption).empty()) << want.Name;
            if (!a->isSeparator()) {
                EXPECT_EQ(a->text(), QString::fromLatin1(want.Caption)) << want.Name;
            }
            EXPECT_EQ(a->shortcut(), want.Shortcut) << want.Name;
            EXPECT_EQ(a->isVisible(), want.Visible) << want.Name;
        }
    }
    EXPECT_TRUE(w().mnuSound->isCheckable());
    EXPECT_TRUE(w().mnuSound->isChecked());
}

TEST_F(MainWindowTest, TheShortcutsTriggerTheirEntries) {
    ShowActive();
    for (QAction* a : {w().mnuNew, w().mnuSkipToTrain, w().mnuJoystick, w().mnuSound, w().mnuPause, w().mnuContents}) {
        QSignalSpy spy(a, &QAction::triggered);
        const QKeyCombination key = a->shortcut()[0];
        QTest::keyClick(&w(), key.key(), key.keyboardModifiers());
        EXPECT_EQ(spy.count(), 1) << a->objectName().toStdString();
    }
    // A hidden entry's shortcut does nothing.
    QSignalSpy keyboard(w().mnuKeyboard, &QAction::triggered);
    QTest::keyClick(&w(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(keyboard.count(), 0);
}

TEST_F(MainWindowTest, PauseAndSoundFollowTheShell) {
    w().mnuPause->trigger();
    EXPECT_TRUE(g().shell.Paused);
    EXPECT_EQ(w().mnuPause->text(), QStringLiteral("Un&pause"));
    w().mnuPause->trigger();
    EXPECT_FALSE(g().shell.Paused);
    EXPECT_EQ(w().mnuPause->text(), QStringLiteral("&Pause"));
    g().effects.SoundOn = true;
    w().SyncMenus();
    EXPECT_TRUE(w().mnuSound->isChecked());
    w().mnuSound->trigger();
    EXPECT_FALSE(g().effects.SoundOn);
    EXPECT_FALSE(w().mnuSound->isChecked());
    g().scene.JoystickMode = true;
    w().SyncMenus();
    EXPECT_FALSE(w().mnuJoystick->isVisible());
    EXPECT_TRUE(w().mnuKeyboard->isVisible());
}

// ---- The map and the history ----

TEST_F(MainWindowTest, AClickOnAMarkerShowsTheCityAndMovesTheArrow) {
    w().OpenMapFromCapitol();
    ClickCity(46);  // Chicago
    EXPECT_TRUE(w().lblInfoInfo->text().startsWith(QString::fromStdString(g().world.city(46).Name + ": ")));
    EXPECT_EQ(w().imgPointer->pos(), QPoint(g().world.city(46).MapX, g().world.city(46).MapY));
    EXPECT_EQ(CurrentHistoryCity(g().panels.Hist), 46);
}

TEST_F(MainWindowTest, ZoomingMovesTheArrowBetweenTheMapsAndTheBarsFollowTheRule) {
    w().OpenMapFromCapitol();
    const City& denver = g().world.city(21);
    QTest::mouseClick(w().cmdZoom, Qt::LeftButton);
    EXPECT_EQ(w().cmdZoom->text(), QStringLiteral("Zoom Out"));
    EXPECT_TRUE(w().picUSA->isHidden());
    EXPECT_FALSE(w().picUSAZoomContain->isHidden());
    EXPECT_EQ(w().imgPointer->parentWidget(), w().picUSAZoom);
    const MapState& map = g().panels.Map;
    EXPECT_EQ(w().hscUSA->value(), -map.HscValue);
    EXPECT_EQ(w().picUSAZoom->pos(), QPoint(Px(map.HscValue), Px(map.VscValue)));
    w().hscUSA->setValue(0);  // dragging the bar moves the map
    EXPECT_EQ(map.HscValue, 0);
    EXPECT_EQ(w().picUSAZoom->x(), 0);

    QTest::mouseClick(w().cmdZoom, Qt::LeftButton);
    EXPECT_EQ(w().cmdZoom->text(), QStringLiteral("Zoom In"));
    EXPECT_EQ(w().imgPointer->parentWidget(), w().picUSA);
    EXPECT_EQ(w().imgPointer->pos(), QPoint(denver.MapX, denver.MapY));
    EXPECT_TRUE(w().hscUSA->isHidden());
}

TEST_F(MainWindowTest, TheHistoryButtonsStepAndFollowTheHistory) {
    w().OpenMapFromCapitol();
    ClearHistory(g().panels.Hist);
    ClickCity(46);
    EXPECT_FALSE(w().cmdBack->isEnabled());
    ClickCity(121);
    EXPECT_TRUE(w().cmdBack->isEnabled());
    QTest::mouseClick(w().cmdBack, Qt::LeftButton);
    EXPECT_EQ(CurrentHistoryCity(g().panels.Hist), 46);
    EXPECT_TRUE(w().lblInfoInfo->text().startsWith(QString::fromStdString(g().world.city(46).Name)));
    EXPECT_FALSE(w().cmdBack->isEnabled());
    EXPECT_TRUE(w().cmdForward->isEnabled());
    QTest::mouseClick(w().cmdForward, Qt::LeftButton);
    EXPECT_EQ(CurrentHistoryCity(g().panels.Hist), 121);
}

TEST_F(MainWindowTest, DestinationAndLegendLabelsLeadToTheirCities) {
    w().OpenMapFromCapitol();
    const City& denver = g().world.city(21);
    EXPECT_EQ(w().lblInfoTrainDest[2]->Caption().toStdString(), "* " + g().world.city(denver.TrainDest[2]).Name);
    QTest::mouseClick(w().lblInfoTrainDest[1], Qt::LeftButton);
    EXPECT_EQ(CurrentHistoryCity(g().panels.Hist), denver.TrainDest[1]);
    QTest::mouseClick(w().lblLegend[2], Qt::LeftButton);  // "Fuzzbomb City"
    EXPECT_EQ(CurrentHistoryCity(g().panels.Hist), g().world.FuzzbombCity);
    EXPECT_EQ(w().lblLegend[0]->text(), QStringLiteral("You Are Here"));
}

TEST_F(MainWindowTest, ThePanelsOkAndEscapeCloseIt) {
    ShowActive();
    w().OpenMapFromCapitol();
    EXPECT_TRUE(w().IsInfoPanelVisible());
    QTest::keyClick(&w(), Qt::Key_Escape);
    EXPECT_FALSE(w().IsInfoPanelVisible());
    EXPECT_TRUE(g().sprites[kPlayerSlot].Shown);
    w().OpenMapFromCapitol();
    QTest::mouseClick(w().cmdExitInfo, Qt::LeftButton);
    EXPECT_FALSE(w().IsInfoPanelVisible());

    w().ShowTicketWindow();
    EXPECT_TRUE(w().IsTicketWindowVisible());
    QTest::keyClick(&w(), Qt::Key_Escape);
    EXPECT_FALSE(w().IsTicketWindowVisible());
    w().ShowTicketWindow();
    QTest::mouseClick(w().cmdExitTix, Qt::LeftButton);
    EXPECT_FALSE(w().IsTicketWindowVisible());
}

// ---- Ticket window ----

TEST_F(MainWindowTest, TheScheduleShowsTheRowsTheTicketRuleFills) {
    g().world.GameTime = (10 * 3600 + 3 * 60 + 20) * 3.0;
    w().FillTrainSchedule(21);
    for (std::size_t s = 1; s <= 5; ++s) {
        const TicketRow& row = g().panels.Tickets.Rows[s];
        EXPECT_EQ(w().lblTrainTime[s]->text().toStdString(), row.Time) << s;
        EXPECT_EQ(w().lblTrainDest[s]->text().toStdString(), row.Dest) << s;
        EXPECT_EQ(w().lblTrainType[s]->isHidden(), !row.Marked) << s;
    }
    EXPECT_LT(w().optTrain[3]->y(), w().optTrain[4]->y()) << "slot 3 leaves first at 10:04";
    EXPECT_GT(w().optTrain[2]->y(), w().optTrain[1]->y()) << "slot 2 leaves last at 10:12";
}

TEST_F(MainWindowTest, AnyLabelOfARowChoosesItsTrain) {
    w().ShowTicketWindow();
    QTest::mouseClick(w().lblTrainTime[4], Qt::LeftButton);
    EXPECT_TRUE(w().optTrain[4]->isChecked());
    EXPECT_EQ(g().scene.SelectedTrain, 4);
    QTest::mouseClick(w().lblTrainDest[1], Qt::LeftButton);
    EXPECT_TRUE(w().optTrain[1]->isChecked());
    EXPECT_FALSE(w().optTrain[4]->isChecked());
    QTest::mouseClick(w().lblTrainType[5], Qt::LeftButton);
    EXPECT_EQ(g().scene.SelectedTrain, 5);
    QTest::mouseClick(w().optTrain[2], Qt::LeftButton);
    EXPECT_EQ(g().scene.SelectedTrain, 2);
    w().ClearPanels();
    EXPECT_EQ(g().scene.SelectedTrain, 0);
    for (std::size_t s = 1; s <= 5; ++s) {
        EXPECT_FALSE(w().optTrain[s]->isChecked());
    }
    EXPECT_FALSE(w().IsTicketWindowVisible());
    EXPECT_TRUE(g().panels.Hist.Entries.empty());
}

// ---- Status bar ----

TEST_F(MainWindowTest, TheCrystalCountKeepsItsRightEdge) {
    g().world.crystals(kPlayer) = 100;
    w().UpdateCrystalDisplay();
    EXPECT_EQ(w().lblCrystals->text(), QStringLiteral("100"));
    EXPECT_EQ(w().lblSymbol->text(), QStringLiteral("\u25C6"));
    const int right = w().lblCrystals->geometry().right();
    g().world.crystals(kPlayer) = kFuzzed;
    w().UpdateCrystalDisplay();
    EXPECT_EQ(w().lblCrystals->text(), QStringLiteral("0"));
    EXPECT_EQ(w().lblCrystals->geometry().right(), right);
    EXPECT_EQ(w().lblCrystals->x() - (w().lblSymbol->x() + w().lblSymbol->width()), 4);  // 60 twips
}

TEST_F(MainWindowTest, TheStatusBarAndJourneyTexts) {
    w().ShowTime("3:07:00 PM");
    w().ShowCityName("Denver, Colorado");
    EXPECT_EQ(w().lblTime->text(), QStringLiteral("3:07:00 PM"));
    EXPECT_EQ(w().lblCityName->text(), QStringLiteral("Denver, Colorado"));
    w().ShowTransit("Denver, Colorado -> Chicago, Illinois", "3:07 PM", "Day 2");
    EXPECT_FALSE(w().lblInTransit->isHidden());
    EXPECT_EQ(w().lblDayNum->text(), QStringLiteral("Day 2"));
    EXPECT_EQ(w().lblTransitTime->y(), w().lblInTransit->y() + w().lblInTransit->height());
    EXPECT_EQ(w().lblDayNum->y(), w().lblTransitTime->y() + w().lblTransitTime->height());
    EXPECT_EQ(w().picStatusBar->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(w().picGameView->Picture().pixel(320, 188), qRgb(0, 0, 0));
    w().HideTransit();
    w().SetStatusBarBlack(false);
    EXPECT_TRUE(w().lblDayNum->isHidden());
    EXPECT_EQ(w().picStatusBar->palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST_F(MainWindowTest, TheBannerSizesItselfFromTheLeftEdge) {
    w().SetBannerText("********** DEPARTING FOR: CHICAGO, ILLINOIS **********");
    w().SetBannerVisible(true);
    EXPECT_FALSE(w().picTrainDest->isHidden());
    EXPECT_EQ(w().lblTrainDestBanner->x(), 0);
    const int wide = w().lblTrainDestBanner->width();
    w().SetBannerText("** X **");
    EXPECT_LT(w().lblTrainDestBanner->width(), wide);
    EXPECT_EQ(w().lblTrainDestBanner->x(), 0);
}

TEST_F(MainWindowTest, TheViewShowsTheSurfaceItIsHanded) {
    Surface view(640, 377, 0x00123456u);
    view.At(10, 20) = 0x00FF0000u;
    w().PresentView(view);
    EXPECT_EQ(w().picGameView->Picture().pixel(0, 0), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(w().picGameView->Picture().pixel(10, 20), qRgb(255, 0, 0));
    EXPECT_EQ(GameView::WholeScale(1.5), 1);
    EXPECT_EQ(GameView::WholeScale(2.0), 2);
}

// ---- Quitting ----

TEST_F(MainWindowTest, NoToTheQuitQuestionKeepsTheGameAndReleasesTheKeys) {
    ShowActive();
    g().scene.InputBits = 64 + 256;
    const double time = g().world.GameTime;
    bool quit = false;
    w().onQuitConfirmed = [&] { quit = true; };
    ui.messages.Answers = {false};
    w().mnuExit->trigger();
    ASSERT_EQ(ui.messages.Asked, std::vector<std::string>({"Are you sure you want to quit?"}));
    EXPECT_TRUE(w().isVisible());
    EXPECT_EQ(g().scene.InputBits, 0);
    EXPECT_EQ(g().world.GameTime, time);
    EXPECT_FALSE(g().world.StopTransit);
    EXPECT_FALSE(quit);
    ui.messages.Answers = {false};
    EXPECT_FALSE(w().close());  // closing the window asks too
    EXPECT_EQ(ui.messages.Asked.size(), 2u);
}

TEST_F(MainWindowTest, YesSavesTheSettingsStopsAJourneyAndEnds) {
    ShowActive();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = QDir(dir.path()).filePath(QStringLiteral("railquest.ini")).toStdString();
    w().SetSettingsPath(path);
    g().scene.JoystickMode = true;
    bool quit = false;
    w().onQuitConfirmed = [&] { quit = true; };
    ui.messages.Answers = {true};
    EXPECT_TRUE(w().close());
    EXPECT_TRUE(quit);
    EXPECT_TRUE(g().world.StopTransit);
    EXPECT_FALSE(w().isVisible());
    EXPECT_TRUE(ReadJoystickSetting(path));
}

TEST_F(MainWindowTest, TheGameIsInactiveWhileADialogIsOpenOrTheWindowIsNotActive) {
    EXPECT_FALSE(w().CurrentWindowState().Active);  // never shown
    ShowActive();
    EXPECT_TRUE(w().CurrentWindowState().Active);
    EXPECT_FALSE(w().CurrentWindowState().Minimized);
}

}  // namespace
}  // namespace rq
