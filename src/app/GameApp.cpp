// Start-up in the game's order, with the failure exit, then the timers that run the game.
#include "app/GameApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <iostream>
#include <utility>

#include "save/RunningGame.h"
#include "save/SaveFolder.h"
#include "save/SavedGameFile.h"
#include "scene/Joystick.h"
#include "shell/GameShell.h"
#include "shell/NewGame.h"
#include "shell/PlayerInput.h"
#include "shell/Settings.h"
#include "shell/Startup.h"
#include "sprite/SpriteSetup.h"
#include "ui/QtMessagePort.h"
#include "ui/QtPictureLoader.h"

namespace rq {

GameApp::GameApp() : game_(std::make_unique<Game>()) {
    clock_.start();
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    settingsPath_ = QDir(configDir).filePath("railquest.ini").toStdString();
}

GameApp::~GameApp() {
    tmrGameLoop_.stop();
    keyboard_.reset();
    game_->scene.Joystick = nullptr;
    game_->effects.Port = nullptr;
    SprShutdown(game_->sprites);
}

bool GameApp::Main(std::uint64_t seed, const std::string& appPath) {
    const std::string saveTo = SettingsToSave();
    if (!StartGame(*game_, seed, appPath, *this)) {
        if (const std::string whyNot = FailureExit(*game_, saveTo); !whyNot.empty()) {
            std::cerr << "railquest: the control mode is not saved, the settings file is left as it is: " << whyNot
                      << '\n';
        }
        frmSplash_->close();
        return false;
    }

    // Joystick mode is kept only while a joystick answers; without one the game plays by keyboard
    // and the next save writes "N".
    game_->scene.Joystick = &joystick_;
    RestoreControlMode(game_->scene, ReadJoystickSetting(settingsPath_));
    frmMain_->SyncMenus();

    loop_ = std::make_unique<GameLoop>(*game_, *frmMain_);
    // The timer sleeps until the next tick (or journey step) is due, then wakes once.
    tmrGameLoop_.setTimerType(Qt::PreciseTimer);
    tmrGameLoop_.setSingleShot(true);
    QObject::connect(&tmrGameLoop_, &QTimer::timeout, [this] {
        loop_->Wake(Now());
        KeepRecordingFlushed(*game_);
        ArmLoopTimer();
    });
    frmMain_->onQuitConfirmed = [this] { QuitConfirmed(); };
    frmMain_->onOpen = [this](const std::string& path) { OpenGame(path); };
    frmMain_->onSave = [this](const std::string& path) { SaveGame(path); };
    // Every action of the live player goes through the game's one door.
    frmMain_->onAction = [this](const PlayerAction& a) { LiveAction(a); };
    frmSplash_->onStart = [this] { StartPlaying(); };
    keyboard_ = std::make_unique<KeyboardInput>(*frmMain_, game_->scene, [this](std::uint16_t bits) {
        LiveAction({PlayerActionKind::Keys, bits});
    });
    keyboard_->onQuitKey = [this] { QuitKey(); };
    keyboard_->onPress = [this] {
        if (game_->shell.Input == InputFrom::Autoplayer) {
            EndDemo();
        }
    };
    if (recorder_.IsOpen()) {
        game_->shell.Recorder = &recorder_;
        loop_->afterStep = [this] { RecordStep(*game_); };
    }
    if (replay_) {
        StartReplay();
    } else if (demo_) {
        StartDemo();
    }
    tickLog_ = TickLog::FromEnvironment();
    if (tickLog_) {
        loop_->beforeStep = [this, before = std::move(loop_->beforeStep)] {
            tickLog_->Note(Now(), game_->shell.InTransit ? 't' : 'c');
            if (before) {
                before();
            }
        };
    }

    loop_->SetEnabled(true, Now());
    tmrGameLoop_.start();
    frmSplash_->EnableReadyTimer();
    return true;
}

// Start-up's messages open in the middle of the screen over the splash window, the main window's load
// shows the crystal count, and the effects play from the program folder (silent without an audio device).
void GameApp::OpenWindows() {
    QtMessagePort onScreen(nullptr);
    frmSplash_ = std::make_unique<SplashWindow>(game_->shell, onScreen);
    frmSplash_->show();
    frmMain_ = std::make_unique<MainWindow>(*game_);
    frmMain_->SetSettingsPath(SettingsToSave());
    overSplash_ = std::make_unique<QtMessagePort>(frmSplash_.get());
}

// A replay plays by keyboard for the recording's sake, not the player's: it saves no control mode.
std::string GameApp::SettingsToSave() const {
    return replay_ ? std::string() : settingsPath_;
}

MessagePort& GameApp::LoadMessages() {
    return *overSplash_;
}

SoundPort& GameApp::OpenVoice() {
    voice_.Open(game_->shell.AppPath);
    return voice_;
}

void GameApp::LayOutPanels() {
    frmMain_->LayoutTicketWindow();
    frmMain_->LayoutInfoPanel();
}

Frontend& GameApp::Window() {
    return *frmMain_;
}

void GameApp::ArmLoopTimer() {
    // Rounded up: a wake before the tick is due would only find nothing to do.
    constexpr std::int64_t kNsPerMs = 1'000'000;
    const std::int64_t ns = loop_->NanosecondsUntilNextWake(Now());
    tmrGameLoop_.start(static_cast<int>((ns + kNsPerMs - 1) / kNsPerMs));
}

// Q stops the loop and closes the window, which asks whether to quit; "No" lets the game go on as
// it was, with every key released.
void GameApp::QuitKey() {
    const bool running = loop_->Enabled();
    loop_->SetEnabled(false, Now());
    tmrGameLoop_.stop();
    if (frmMain_->close() || !running) {
        return;
    }
    loop_->SetEnabled(true, Now());
    ArmLoopTimer();
}

bool GameApp::RecordTo(const std::string& path, std::uint64_t seed) {
    return recorder_.Open(path, seed);
}

void GameApp::Replay(Recording recording, const std::string& name) {
    replay_ = std::move(recording);
    replayName_ = name;
}

void GameApp::LiveAction(const PlayerAction& action) {
    HandleLiveAction(*game_, *frmMain_, *loop_, action);
    if (action.Kind == PlayerActionKind::MenuNew) {
        ArmLoopTimer();  // a new game's loop runs from now
    }
}

// The recording holds the input: the live player's keys, stick, menus (but Exit) and clicks are set
// aside. At the recording's end the game pauses and the live player takes over.
void GameApp::StartReplay() {
    replayInput_ = std::make_unique<RecordingInput>(*replay_);
    game_->shell.Input = InputFrom::Recording;
    game_->scene.JoystickMode = false;
    frmMain_->SyncMenus();
    frmMain_->ShowReplay(replayName_);
    loop_->beforeStep = [this] {
        ApplyStepInput(*game_, *frmMain_, *loop_, replayInput_->InputFor(game_->shell.Steps, *game_));
        if (const std::optional<ReplayDrift>& drift = replayInput_->Drift()) {
            EndReplay();
            frmMain_->ShowMessage(DriftMessage(replayName_, *drift));
        }
    };
    loop_->afterStep = [this] {
        if (game_->shell.Input == InputFrom::Recording && replayInput_->EndsBy(game_->shell.Steps + 1) &&
            !replayInput_->Drift()) {
            EndReplay();
        }
    };
}

void GameApp::EndReplay() {
    loop_->beforeStep = nullptr;
    game_->shell.Input = InputFrom::Live;
    // The recording's held keys are not the player's.
    HandlePlayerAction(*game_, *frmMain_, *loop_, {PlayerActionKind::Keys, 0});
    if (!game_->shell.Paused) {
        HandlePlayerAction(*game_, *frmMain_, *loop_, {PlayerActionKind::MenuPause});
    }
    frmMain_->ShowReplay({});
}

void GameApp::Demo(std::uint64_t seed, std::int32_t days) {
    demo_ = std::make_unique<Autoplayer>(seed, days);
}

// The autoplayer holds the input, step by step through the one door (a recording made meanwhile
// records its keys and clicks); the live player's keys and clicks wait for the hand-over.
void GameApp::StartDemo() {
    game_->shell.Input = InputFrom::Autoplayer;
    game_->scene.JoystickMode = false;
    frmMain_->SyncMenus();
    frmMain_->ShowDemo(true);
    loop_->beforeStep = [this] {
        const StepInput input = demo_->Next(game_->shell.Steps + 1, *game_);
        if (input.End) {
            EndDemo();  // won, or out of days: the player plays on
            return;
        }
        ApplyStepInput(*game_, *frmMain_, *loop_, input);
    };
}

// The player takes the game exactly where it stands, with no key held.
void GameApp::EndDemo() {
    loop_->beforeStep = nullptr;
    game_->shell.Input = InputFrom::Live;
    HandlePlayerAction(*game_, *frmMain_, *loop_, {PlayerActionKind::Keys, 0});
    frmMain_->ShowDemo(false);
}

void GameApp::StartPlaying() {
    frmMain_->show();
    frmMain_->activateWindow();
    loop_->SplashClicked(Now());
    if (!openAtStart_.empty()) {
        OpenGame(std::exchange(openAtStart_, {}));
    }
    ArmLoopTimer();
    frmSplash_->close();
}

// A confirmed quit keeps the player's game, unless a replay plays, whose game is the recording's;
// a game that cannot be kept is said in a message box.
void GameApp::QuitConfirmed() {
    tmrGameLoop_.stop();
    if (!replay_) {
        std::string message;
        const std::string path = AutosavePath();
        if (!MakeSaveFolder(UserSaveFolder(), message) || !SaveRunningGame(path, *game_, *loop_, message)) {
            // Said where the player looks, before the window goes: the game they quit is not kept.
            std::cerr << "railquest: the game is not kept: " << message << '\n';
            frmMain_->ShowMessage("The game could not be kept: " + message);
        }
    }
    FinishRecording(*game_);
    game_->world.StopTransit = true;  // a journey ends with the game
    SprShutdown(game_->sprites);
    QCoreApplication::quit();
}

void GameApp::OpenGame(const std::string& path) {
    if (game_->shell.Input != InputFrom::Live) {
        return;
    }
    // Read into a copy of the running game, which is left as it was when the file is refused.
    auto opened = std::make_unique<Game>(*game_);
    SaveExtras extras;
    std::string message;
    if (!OpenGameFile(path, *opened, extras, message)) {
        frmMain_->ShowMessage(message);
        return;
    }
    EndRecordingForOpen();
    opened->shell.Recorder = game_->shell.Recorder;
    *game_ = std::move(*opened);
    // A stick saved in the game plays on only while one answers; the held keys are the player's.
    RestoreControlMode(game_->scene, game_->scene.JoystickMode);
    HandlePlayerAction(*game_, *frmMain_, *loop_, {PlayerActionKind::Keys, 0});
    PlayOnFrom(*game_, *frmMain_, *loop_, extras);
    ArmLoopTimer();
}

// A recording starts with a new game: an opened one ends it, complete up to here.
void GameApp::EndRecordingForOpen() {
    if (game_->shell.Recorder == nullptr) {
        return;
    }
    FinishRecording(*game_);
    game_->shell.Recorder = nullptr;
    loop_->afterStep = nullptr;
    frmMain_->ShowNote("The recording " + QFileInfo(QString::fromStdString(recorder_.Path())).fileName().toStdString() +
                       " ends here: an opened game is not recorded");
}

void GameApp::SaveGame(const std::string& path) {
    if (game_->shell.Input != InputFrom::Live) {
        return;
    }
    std::string message;
    if (!SaveRunningGame(path, *game_, *loop_, message)) {
        frmMain_->ShowMessage(message);
        return;
    }
    frmMain_->ShowNote("Saved to " + QFileInfo(QString::fromStdString(path)).fileName().toStdString());
}

}  // namespace rq
