// Start-up in the game's order, with the failure exit, then the timers that run the game.
#include "app/GameApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "main/Settings.h"
#include "main/Startup.h"
#include "scene/EnterCity.h"
#include "sprite/SpriteSetup.h"
#include "ui/QtMessagePort.h"
#include "ui/QtPictureLoader.h"

namespace rq {

// The status bar's crystal count, refreshed by the world when the player is fuzzed.
class GameApp::CrystalDisplay : public CrystalDisplayPort {
public:
    explicit CrystalDisplay(MainWindow& window) : window_(window) {}
    void UpdateCrystalDisplay() override { window_.UpdateCrystalDisplay(); }

private:
    MainWindow& window_;
};

namespace {

// The wake-up period of the loop's timer. Ticks are paced from measured time (64 a second), so
// this only bounds how late a tick or a journey step can be.
constexpr int kWakeMilliseconds = 2;

}  // namespace

GameApp::GameApp() : game_(std::make_unique<Game>()) {
    clock_.start();
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    settingsPath_ = QDir(configDir).filePath("railquest.ini").toStdString();
}

GameApp::~GameApp() {
    tmrGameLoop_.stop();
    game_->effects.Port = nullptr;
    SprShutdown(game_->sprites);
}

bool GameApp::Main(std::uint64_t seed, const std::string& appPath) {
    Shell& shell = game_->shell;
    shell.AppPath = appPath;

    frmMain_ = std::make_unique<MainWindow>(*game_);
    frmMain_->SetSettingsPath(settingsPath_);
    // Start-up's messages open in the middle of the screen, over the splash window.
    QtMessagePort onScreen(nullptr);
    frmSplash_ = std::make_unique<SplashWindow>(shell, onScreen);
    frmSplash_->show();
    shell.SplashUp = true;

    QtPictureLoader pictures;
    QtMessagePort overSplash(frmSplash_.get());
    if (!LoadGameFiles(*game_, pictures, overSplash) || !BuildGame(*game_, seed)) {
        FailureExit(*game_, settingsPath_);
        frmSplash_->close();
        return false;
    }
    crystalDisplay_ = std::make_unique<CrystalDisplay>(*frmMain_);
    game_->world.CrystalDisplay = crystalDisplay_.get();
    // The effects play from the program folder; without an audio device the game is silent.
    voice_.Open(shell.AppPath);
    game_->effects.Port = &voice_;

    frmMain_->BuildTrackStrip();
    frmMain_->LayoutTicketWindow();
    frmMain_->LayoutInfoPanel();
    SceneContext ctx{game_->world, game_->sprites, game_->effects, *frmMain_};
    EnterCity(ctx, game_->world.CurCity);

    // Joystick mode is kept only while a joystick answers; without one the game plays by keyboard
    // and the next save writes "N".
    shell.JoystickMode = false;
    frmMain_->SyncMenus();

    loop_ = std::make_unique<GameLoop>(*game_, *frmMain_);
    tmrGameLoop_.setTimerType(Qt::PreciseTimer);
    tmrGameLoop_.setInterval(kWakeMilliseconds);
    QObject::connect(&tmrGameLoop_, &QTimer::timeout, [this] { loop_->Wake(Now()); });
    frmMain_->onQuitConfirmed = [this] {
        tmrGameLoop_.stop();
        SprShutdown(game_->sprites);
        QCoreApplication::quit();
    };
    frmSplash_->onStart = [this] { StartPlaying(); };

    loop_->SetEnabled(true, Now());
    tmrGameLoop_.start();
    frmSplash_->EnableReadyTimer();
    ++shell.StartupStage;
    return true;
}

void GameApp::StartPlaying() {
    game_->shell.SplashUp = false;
    frmMain_->show();
    frmMain_->activateWindow();
    game_->world.GameTime = -1;
    loop_->SetEnabled(true, Now());
    frmSplash_->close();
}

}  // namespace rq
