// window_pictures [FOLDER]: writes pictures of the main window with its panels open, the journey, the
// station with a train standing at noon and at night as the game loop runs it, the About box and the
// help page as PNG files (to the current folder by default), to be looked at.
#include <QAction>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <cstdio>
#include <utility>

#include "UiTestSupport.h"
#include "shell/GameLoop.h"
#include "ui/AboutDialog.h"
#include "ui/HelpWindow.h"
#include "world/Platform.h"

namespace {

QDir out;
int failures = 0;

void Save(QWidget& widget, const char* name) {
    widget.show();
    QApplication::processEvents();
    const QString path = out.filePath(QString::fromLatin1(name));
    if (!widget.grab().toImage().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++failures;
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace rq;
    out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    test::UiGame ui(21);  // Denver, a capital
    if (!ui.Loaded) {
        std::fprintf(stderr, "the game's files could not be loaded from %s\n", test::AssetsDir().c_str());
        return 1;
    }
    MainWindow& w = *ui.window;
    ui.ShowStreet();
    w.ShowTime("10:03:20 AM");
    w.UpdateCrystalDisplay();
    Save(w, "window_street.png");

    w.OpenMapFromCapitol();
    Save(w, "window_info.png");
    test::Find<QPushButton>(w, "cmdZoom")->click();
    Save(w, "window_info_zoomed.png");
    test::Find<QPushButton>(w, "cmdZoom")->click();
    w.HideInfoPanel();

    w.FillTrainSchedule(21);
    w.ShowTicketWindow();
    test::Find<QRadioButton>(w, "optTrain3")->click();  // a row answers only while the window is open
    Save(w, "window_tickets.png");
    w.HideTicketWindow();

    w.SetBannerText("********** DEPARTING FOR: SEATTLE, WASHINGTON **********");
    w.SetBannerVisible(true);
    Save(w, "window_banner.png");
    w.SetBannerVisible(false);

    w.ShowCityName("Denver, Colorado -> Chicago, Illinois");
    w.ShowTransit("Denver, Colorado -> Chicago, Illinois", "10:04 AM", "Day 1");
    Save(w, "window_transit.png");

    w.HideTransit();
    w.SetStatusBarBlack(false);
    w.ShowCityName("Denver, Colorado");

    // The game loop at work in the window: a train standing at noon and late in the evening.
    GameLoop loop(*ui.game, w);
    QApplication::setActiveWindow(&w);
    World& world = ui.game->world;
    for (const auto& [clock, name] : {std::pair{12 * 3600 * 3.0, "window_station_noon.png"},
                                      std::pair{(22 * 3600 + 30 * 60) * 3.0, "window_station_night.png"}}) {
        SprHide(ui.game->sprites, kTrainSprite);
        SprHide(ui.game->sprites, kMarkedTrainSprite);
        ui.ShowStreet();
        world.GameTime = clock - 1;
        for (int tick = 0; tick < 200 && !TrainStandsAtPlatform(ui.game->sprites); ++tick) loop.LoopTick(0);
        Save(w, name);
    }

    AboutDialog about(ui.messages, &w);
    Save(about, "about.png");
    test::Find<QAction>(w, "mnuContents")->trigger();
    Save(*test::Find<HelpWindow>(w, "frmHelp"), "help.png");
    std::printf("pictures written to %s\n", qPrintable(out.absolutePath()));
    return failures == 0 ? 0 : 1;
}
