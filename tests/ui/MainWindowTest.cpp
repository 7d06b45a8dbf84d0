// The main window offscreen: its layout in pixels, its menus and shortcuts, and the wiring of the map,
// the history, the ticket window and the status bar to the panels' rules (which PanelsTest checks;
// the tests here check only that the window shows and forwards what the rules decide).
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
#include "panels/Panels.h"
#include "shell/Settings.h"
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
    template <class T>
    T* Find(const QString& name) {
        return test::Find<T>(w(), name);
    }
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
        QTest::mouseClick(Find<QWidget>("picUSA"), Qt::LeftButton, {}, QPoint(c.MapX, c.MapY));
    }
    test::UiGame ui{21};
};

// ---- Layout ----

TEST_F(MainWindowTest, AFixedSizeAroundTheStatusBarAndTheViewWithThePanelsLaidOutAndHidden) {
    EXPECT_EQ(w().minimumSize(), w().maximumSize());
    EXPECT_EQ(Find<QWidget>("client")->size(), QSize(640, 15 + 377));
    EXPECT_EQ(Find<QWidget>("picStatusBar")->geometry(), QRect(0, 0, 640, 15));
    EXPECT_EQ(Find<GameView>("picGameView")->geometry(), QRect(0, 15, 640, 377));
    EXPECT_EQ(w().objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Railquest"));
    // The offscreen screen is wider than 640 pixels: the window stands at (120, 120) twips.
    EXPECT_EQ(w().pos(), QPoint(8, 8));
    // The panels stand where the layout puts them.
    const Surface& map = g().sprites.Map;
    const QRect panel = Find<QWidget>("picInfo")->geometry();
    EXPECT_EQ(panel.right(), Find<GameView>("picGameView")->geometry().right());
    EXPECT_EQ(panel.width(), PxRect(l().Info).width());
    EXPECT_EQ(Find<QWidget>("picUSA")->geometry(), QRect(32, 5, map.Width, map.Height));
    EXPECT_EQ(Find<QWidget>("picUSAZoom")->size(), QSize(2 * map.Width, 2 * map.Height));
    EXPECT_EQ(Find<QLabel>("lblTrainTime1")->x(), Px(0.75 * l().Tickets.Width));
    // The title's line fits its design box, and so stays clear of the first row's text.
    const QLabel* title = Find<QLabel>("lblTrainTitle");
    EXPECT_EQ(title->geometry().topLeft(), QPoint(8, 8));
    EXPECT_EQ(title->height(), 33);
    EXPECT_LE(title->fontMetrics().height(), title->height());
    const QRect ok = Find<QPushButton>("cmdExitTix")->geometry();
    EXPECT_EQ(Px(l().Tickets.Width) - (ok.x() + ok.width()), 16);
    EXPECT_EQ(Find<QWidget>("picTickets")->height() - (ok.y() + ok.height()), 16) << "the whole window shows";
    EXPECT_EQ(Find<QWidget>("picTickets")->geometry().bottom(), Find<GameView>("picGameView")->geometry().bottom());
    // The panels and the banner start hidden.
    EXPECT_FALSE(w().IsInfoPanelVisible());
    EXPECT_FALSE(w().IsTicketWindowVisible());
    EXPECT_TRUE(Find<QWidget>("picTrainDest")->isHidden());
    EXPECT_TRUE(Find<QLabel>("lblInTransit")->isHidden());
    EXPECT_TRUE(Find<QWidget>("picUSAZoomContain")->isHidden());
    EXPECT_TRUE(Find<QScrollBar>("hscUSA")->isHidden());
    EXPECT_EQ(Find<QWidget>("picTrainDest")->geometry().top(), Px(2000));
    EXPECT_EQ(Find<QPushButton>("cmdZoom")->text(), QStringLiteral("Zoom In"));
}

// ---- Menus ----

struct MenuItem {
    const char* Name;
    const char* Caption;
    QKeySequence Shortcut;
    bool Visible;
};

TEST_F(MainWindowTest, EveryMenuEntryWithItsCaptionShortcutAndVisibility) {
    EXPECT_EQ(Find<QMenu>("mnuGame")->title(), QStringLiteral("&Game"));
    EXPECT_EQ(Find<QMenu>("mnuHelp")->title(), QStringLiteral("&Help"));
    const std::vector<MenuItem> game = {
        {"mnuNew", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), true},
        {"mnuOpen", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), true},
        {"mnuRecent", "Open &Recent", {}, true},
        {"mnuSave", "&Save", {}, true},  // Ctrl+S is the sound's
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
        {"mnuWatchDemo", "&Watch the Autoplayer", {}, true},
        {"mnuRecords", "&Records...", {}, true},
        {"mnuBreak3", "", {}, true},
        {"mnuAbout", "&About...", {}, true},
    };
    for (const auto& [menu, items] :
         {std::pair{Find<QMenu>("mnuGame"), game}, std::pair{Find<QMenu>("mnuHelp"), help}}) {
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
    EXPECT_TRUE(Find<QAction>("mnuSound")->isCheckable());
    EXPECT_TRUE(Find<QAction>("mnuSound")->isChecked());
}

TEST_F(MainWindowTest, TheShortcutsTriggerTheirEntries) {
    ShowActive();
    for (QAction* a : {Find<QAction>("mnuNew"), Find<QAction>("mnuSkipToTrain"), Find<QAction>("mnuJoystick"),
                       Find<QAction>("mnuSound"), Find<QAction>("mnuPause"), Find<QAction>("mnuContents")}) {
        QSignalSpy spy(a, &QAction::triggered);
        const QKeyCombination key = a->shortcut()[0];
        QTest::keyClick(&w(), key.key(), key.keyboardModifiers());
        EXPECT_EQ(spy.count(), 1) << a->objectName().toStdString();
    }
    // A hidden entry's shortcut does nothing.
    QSignalSpy keyboard(Find<QAction>("mnuKeyboard"), &QAction::triggered);
    QTest::keyClick(&w(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(keyboard.count(), 0);
}

TEST_F(MainWindowTest, PauseAndSoundFollowTheShell) {
    Find<QAction>("mnuPause")->trigger();
    EXPECT_TRUE(g().shell.Paused);
    EXPECT_EQ(Find<QAction>("mnuPause")->text(), QStringLiteral("Un&pause"));
    Find<QAction>("mnuPause")->trigger();
    EXPECT_FALSE(g().shell.Paused);
    EXPECT_EQ(Find<QAction>("mnuPause")->text(), QStringLiteral("&Pause"));
    g().effects.SoundOn = true;
    w().SyncMenus();
    EXPECT_TRUE(Find<QAction>("mnuSound")->isChecked());
    Find<QAction>("mnuSound")->trigger();
    EXPECT_FALSE(g().effects.SoundOn);
    EXPECT_FALSE(Find<QAction>("mnuSound")->isChecked());
    g().scene.JoystickMode = true;
    w().SyncMenus();
    EXPECT_FALSE(Find<QAction>("mnuJoystick")->isVisible());
    EXPECT_TRUE(Find<QAction>("mnuKeyboard")->isVisible());
}

// ---- The map and the history ----

TEST_F(MainWindowTest, AClickOnAMarkerShowsTheCityAndMovesTheArrowWhichZoomingTakesAlong) {
    w().OpenMapFromCapitol();
    ClickCity(46);  // Chicago
    EXPECT_TRUE(Find<QLabel>("lblInfoInfo")->text().startsWith(QString::fromStdString(g().world.city(46).Name + ": ")));
    EXPECT_FALSE(Find<QLabel>("lblInfoInfo")->font().bold()) << "the panel's regular face";
    EXPECT_EQ(Find<QWidget>("imgPointer")->pos(), QPoint(g().world.city(46).MapX, g().world.city(46).MapY));
    EXPECT_EQ(CurrentHistoryCity(g().panels.Hist), 46);
    // Zooming moves the arrow between the maps, and the bars follow the scroll rule.
    const City& chicago = g().world.city(46);
    QTest::mouseClick(Find<QPushButton>("cmdZoom"), Qt::LeftButton);
    EXPECT_EQ(Find<QPushButton>("cmdZoom")->text(), QStringLiteral("Zoom Out"));
    EXPECT_TRUE(Find<QWidget>("picUSA")->isHidden());
    EXPECT_FALSE(Find<QWidget>("picUSAZoomContain")->isHidden());
    EXPECT_EQ(Find<QWidget>("imgPointer")->parentWidget(), Find<QWidget>("picUSAZoom"));
    const MapState& map = g().panels.Map;
    EXPECT_EQ(Find<QScrollBar>("hscUSA")->value(), -map.HscValue);
    EXPECT_EQ(Find<QWidget>("picUSAZoom")->pos(), QPoint(Px(map.HscValue), Px(map.VscValue)));
    Find<QScrollBar>("hscUSA")->setValue(0);  // dragging the bar moves the map
    EXPECT_EQ(map.HscValue, 0);
    EXPECT_EQ(Find<QWidget>("picUSAZoom")->x(), 0);

    QTest::mouseClick(Find<QPushButton>("cmdZoom"), Qt::LeftButton);
    EXPECT_EQ(Find<QPushButton>("cmdZoom")->text(), QStringLiteral("Zoom In"));
    EXPECT_EQ(Find<QWidget>("imgPointer")->parentWidget(), Find<QWidget>("picUSA"));
    EXPECT_EQ(Find<QWidget>("imgPointer")->pos(), QPoint(chicago.MapX, chicago.MapY));
    EXPECT_TRUE(Find<QScrollBar>("hscUSA")->isHidden());
}

// The buttons step the history and follow its enabled flags; the labels lead to their cities.
TEST_F(MainWindowTest, TheHistoryButtonsAndTheDestinationAndLegendLabelsAreWired) {
    w().OpenMapFromCapitol();
    const History& h = g().panels.Hist;
    const City& denver = g().world.city(21);
    QTest::mouseClick(Find<ClickLabel>("lblInfoTrainDest1"), Qt::LeftButton);
    EXPECT_EQ(CurrentHistoryCity(h), denver.TrainDest[1]);
    QTest::mouseClick(Find<QLabel>("lblLegend2"), Qt::LeftButton);  // "Fuzzbomb City"
    EXPECT_EQ(CurrentHistoryCity(h), g().world.FuzzbombCity);
    QTest::mouseClick(Find<QPushButton>("cmdBack"), Qt::LeftButton);
    EXPECT_EQ(CurrentHistoryCity(h), denver.TrainDest[1]);
    EXPECT_TRUE(Find<QLabel>("lblInfoInfo")
                    ->text()
                    .startsWith(QString::fromStdString(g().world.city(denver.TrainDest[1]).Name)));
    EXPECT_EQ(Find<QPushButton>("cmdBack")->isEnabled(), h.BackEnabled);
    EXPECT_TRUE(Find<QPushButton>("cmdForward")->isEnabled());
    QTest::mouseClick(Find<QPushButton>("cmdForward"), Qt::LeftButton);
    EXPECT_EQ(CurrentHistoryCity(h), g().world.FuzzbombCity);
    EXPECT_FALSE(Find<QPushButton>("cmdForward")->isEnabled());
}

TEST_F(MainWindowTest, ThePanelsOkAndEscapeCloseIt) {
    ShowActive();
    w().OpenMapFromCapitol();
    EXPECT_TRUE(w().IsInfoPanelVisible());
    QTest::keyClick(&w(), Qt::Key_Escape);
    EXPECT_FALSE(w().IsInfoPanelVisible());
    EXPECT_TRUE(g().sprites[kPlayerSlot].Shown);
    w().OpenMapFromCapitol();
    QTest::mouseClick(Find<QPushButton>("cmdExitInfo"), Qt::LeftButton);
    EXPECT_FALSE(w().IsInfoPanelVisible());

    w().ShowTicketWindow();
    EXPECT_TRUE(w().IsTicketWindowVisible());
    QTest::keyClick(&w(), Qt::Key_Escape);
    EXPECT_FALSE(w().IsTicketWindowVisible());
    w().ShowTicketWindow();
    QTest::mouseClick(Find<QPushButton>("cmdExitTix"), Qt::LeftButton);
    EXPECT_FALSE(w().IsTicketWindowVisible());
}

// ---- Ticket window ----

TEST_F(MainWindowTest, TheScheduleShowsTheRowsTheTicketRuleFillsInTheirOrder) {
    w().FillTrainSchedule(21);
    for (std::size_t s = 1; s <= 5; ++s) {
        const TicketRow& row = g().panels.Tickets.Rows[s];
        EXPECT_EQ(Find<QLabel>(QStringLiteral("lblTrainTime%1").arg(s))->text().toStdString(), row.Time) << s;
        EXPECT_EQ(Find<QLabel>(QStringLiteral("lblTrainDest%1").arg(s))->text().toStdString(), row.Dest) << s;
        EXPECT_EQ(Find<QLabel>(QStringLiteral("lblTrainType%1").arg(s))->isHidden(), !row.Marked) << s;
        for (std::size_t t = 1; t <= 5; ++t) {
            EXPECT_EQ(Find<QRadioButton>(QStringLiteral("optTrain%1").arg(s))->y() <
                          Find<QRadioButton>(QStringLiteral("optTrain%1").arg(t))->y(),
                      row.Position < g().panels.Tickets.Rows[t].Position)
                << s << " above " << t;
        }
    }
}

TEST_F(MainWindowTest, AnyLabelOfARowChoosesItsTrain) {
    w().ShowTicketWindow();
    QTest::mouseClick(Find<QLabel>("lblTrainTime4"), Qt::LeftButton);
    EXPECT_TRUE(Find<QRadioButton>("optTrain4")->isChecked());
    EXPECT_EQ(g().scene.SelectedTrain, 4);
    QTest::mouseClick(Find<QLabel>("lblTrainDest1"), Qt::LeftButton);
    EXPECT_TRUE(Find<QRadioButton>("optTrain1")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("optTrain4")->isChecked());
    QTest::mouseClick(Find<QLabel>("lblTrainType5"), Qt::LeftButton);
    EXPECT_EQ(g().scene.SelectedTrain, 5);
    QTest::mouseClick(Find<QRadioButton>("optTrain2"), Qt::LeftButton);
    EXPECT_EQ(g().scene.SelectedTrain, 2);
    w().ClearPanels();
    EXPECT_EQ(g().scene.SelectedTrain, 0);
    for (std::size_t s = 1; s <= 5; ++s) {
        EXPECT_FALSE(Find<QRadioButton>(QStringLiteral("optTrain%1").arg(s))->isChecked());
    }
    EXPECT_FALSE(w().IsTicketWindowVisible());
    EXPECT_TRUE(g().panels.Hist.Entries.empty());
}

// ---- Status bar ----

TEST_F(MainWindowTest, TheCrystalCountKeepsItsRightEdge) {
    g().world.crystals(kPlayer) = 100;
    w().UpdateCrystalDisplay();
    EXPECT_EQ(Find<QLabel>("lblCrystals")->text(), QStringLiteral("100"));
    EXPECT_EQ(Find<QLabel>("lblSymbol")->text(), QStringLiteral("\u25C6"));
    const int right = Find<QLabel>("lblCrystals")->geometry().right();
    g().world.crystals(kPlayer) = 7;
    w().UpdateCrystalDisplay();
    EXPECT_EQ(Find<QLabel>("lblCrystals")->text(), QStringLiteral("7"));
    EXPECT_EQ(Find<QLabel>("lblCrystals")->geometry().right(), right);
    EXPECT_EQ(Find<QLabel>("lblCrystals")->x() - (Find<QLabel>("lblSymbol")->x() + Find<QLabel>("lblSymbol")->width()),
              4);  // 60 twips
}

TEST_F(MainWindowTest, TheStatusBarJourneyAndBannerTexts) {
    w().ShowTime("3:07:00 PM");
    w().ShowCityName("Denver, Colorado");
    EXPECT_EQ(Find<QLabel>("lblTime")->text(), QStringLiteral("3:07:00 PM"));
    EXPECT_EQ(Find<QLabel>("lblCityName")->text(), QStringLiteral("Denver, Colorado"));
    w().ShowTransit("Denver, Colorado -> Chicago, Illinois", "3:07 PM", "Day 2");
    EXPECT_FALSE(Find<QLabel>("lblInTransit")->isHidden());
    EXPECT_EQ(Find<QLabel>("lblDayNum")->text(), QStringLiteral("Day 2"));
    EXPECT_EQ(Find<QLabel>("lblTransitTime")->y(),
              Find<QLabel>("lblInTransit")->y() + Find<QLabel>("lblInTransit")->height());
    EXPECT_EQ(Find<QLabel>("lblDayNum")->y(),
              Find<QLabel>("lblTransitTime")->y() + Find<QLabel>("lblTransitTime")->height());
    EXPECT_EQ(Find<QWidget>("picStatusBar")->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(Find<GameView>("picGameView")->Picture().pixel(320, 188), qRgb(0, 0, 0));
    w().UpdateTransit("3:08 PM", "Day 3");
    EXPECT_EQ(Find<QLabel>("lblTransitTime")->text(), QStringLiteral("3:08 PM"));
    EXPECT_EQ(Find<QLabel>("lblDayNum")->text(), QStringLiteral("Day 3"));
    w().HideTransit();
    w().SetStatusBarBlack(false);
    EXPECT_TRUE(Find<QLabel>("lblDayNum")->isHidden());
    EXPECT_EQ(Find<QWidget>("picStatusBar")->palette().color(QPalette::Window), QColor(192, 192, 192));
    // The banner sizes itself from the left edge.
    w().SetBannerText("********** DEPARTING FOR: CHICAGO, ILLINOIS **********");
    w().SetBannerVisible(true);
    EXPECT_FALSE(Find<QWidget>("picTrainDest")->isHidden());
    EXPECT_EQ(Find<QLabel>("lblTrainDestBanner")->x(), 0);
    const int wide = Find<QLabel>("lblTrainDestBanner")->width();
    w().SetBannerText("** X **");
    EXPECT_LT(Find<QLabel>("lblTrainDestBanner")->width(), wide);
    EXPECT_EQ(Find<QLabel>("lblTrainDestBanner")->x(), 0);
}

// The labels under the clock leave their text alone when a repaint misses it: any strip of the bar
// repainted on its own shows what the whole bar shows there, the text of a city name or of a note
// long enough to reach under the clock included.
TEST_F(MainWindowTest, AnyStripOfTheStatusBarRepaintedAloneShowsWhatTheWholeShows) {
    auto* bar = Find<QWidget>("picStatusBar");
    w().ShowTime("12:34:56 PM");
    w().ShowCityName("Denver, Colorado");
    for (const bool note : {false, true}) {
        if (note) {
            w().ShowNote(std::string(120, 'W'));
        }
        const QImage whole = bar->grab().toImage();
        for (int x = 0; x < bar->width(); x += 6) {
            const QRect strip(x, 0, 6, bar->height());
            QImage part(bar->size(), whole.format());
            part.fill(Qt::magenta);
            bar->render(&part, strip.topLeft(), QRegion(strip));
            ASSERT_EQ(part.copy(strip), whole.copy(strip)) << "note " << note << ", x " << x;
        }
    }
}

TEST_F(MainWindowTest, TheViewTakesTheBlocksItIsToldChanged) {
    Surface view(640, 377, 0x00123456u);
    view.At(10, 20) = 0x00FF0000u;
    const PixelRect whole{0, 0, 640, 377};
    w().PresentView(view, {&whole, 1});
    const QImage& shown = Find<GameView>("picGameView")->Picture();
    EXPECT_EQ(shown.pixel(0, 0), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(shown.pixel(10, 20), qRgb(255, 0, 0));
    view.At(10, 20) = 0x0000FF00u;
    view.At(600, 300) = 0x000000FFu;
    const PixelRect block{5, 18, 12, 21};
    w().PresentView(view, {&block, 1});
    EXPECT_EQ(shown.pixel(10, 20), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(600, 300), qRgb(0x12, 0x34, 0x56)) << "a block not named is left as it was";
    // Painted into a plain picture, as into the window's, the exposed rows are the picture's and the
    // rest is left alone.
    QImage painted(660, 390, QImage::Format_RGB32);
    painted.fill(Qt::magenta);
    const QPoint at(7, 5);
    Find<GameView>("picGameView")->render(&painted, at, QRegion(0, 0, 20, 15) + QRegion(590, 290, 50, 87));
    EXPECT_EQ(painted.copy(QRect(at, QSize(20, 15))), shown.copy(0, 0, 20, 15));
    EXPECT_EQ(painted.copy(QRect(at + QPoint(590, 290), QSize(50, 87))), shown.copy(590, 290, 50, 87));
    EXPECT_EQ(painted.pixel(at + QPoint(10, 30)), qRgb(255, 0, 255));
    EXPECT_EQ(painted.pixel(at + QPoint(600, 280)), qRgb(255, 0, 255));
    // After the view was cleared black the next picture is taken whole, whatever changed in it.
    w().ClearGameView();
    w().PresentView(view, {&block, 1});
    EXPECT_EQ(shown.pixel(600, 300), qRgb(0, 0, 255));
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
    Find<QAction>("mnuExit")->trigger();
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

TEST_F(MainWindowTest, YesSavesTheSettingsAndEnds) {
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
    EXPECT_FALSE(w().isVisible());
    EXPECT_TRUE(ReadJoystickSetting(path));
}

}  // namespace
}  // namespace rq
