// Start-up in the game's order, with the failure exit, then the session's timer and the window's part.
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
#include "save/WinRecords.h"
#include "scene/Joystick.h"
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

    session_ = std::make_unique<Session>(*game_, *frmMain_);
    // The timer sleeps until the next tick (or journey step) is due, then wakes once.
    tmrGameLoop_.setTimerType(Qt::PreciseTimer);
    tmrGameLoop_.setSingleShot(true);
    QObject::connect(&tmrGameLoop_, &QTimer::timeout, [this] {
        session_->Wake(Now());
        KeepRecordingFlushed(*game_);
        ArmLoopTimer();
    });
    frmMain_->onQuitConfirmed = [this] { QuitConfirmed(); };
    frmMain_->onOpen = [this](const std::string& path) { OpenGame(path); };
    frmMain_->onSave = [this](const std::string& path) { SaveGame(path); };
    // Every action of the live player goes through the game's one door.
    frmMain_->onAction = [this](const PlayerAction& a) { LiveAction(a); };
    frmSplash_->onStart = [this] { StartPlaying(); };
    // A kept game is offered on the title picture when no other game was asked for.
    if (const std::string kept = AutosavePath(); openAtStart_.empty() && !replay_ && !demo_ && !recorder_.IsOpen() &&
                                                 QFileInfo(QString::fromStdString(kept)).isFile()) {
        frmSplash_->OfferContinue([this, kept] {
            // A kept game that cannot be read is said, and the new game plays.
            std::string message;
            if (ReadGameFile(kept, openAtStartText_, message)) {
                openAtStart_ = kept;
            }
            StartPlaying();
            if (!message.empty()) {
                frmMain_->ShowMessage(message);
            }
        });
    }
    keyboard_ = std::make_unique<KeyboardInput>(*frmMain_, game_->scene, [this](std::uint16_t bits) {
        LiveAction({PlayerActionKind::Keys, bits});
    });
    keyboard_->onQuitKey = [this] { QuitKey(); };
    // Any key or click hands a demo to the player, exactly where it stands.
    keyboard_->onPress = [this] {
        if (session_->From() == InputFrom::Autoplayer) {
            session_->HandToPlayer();
        }
    };
    if (recorder_.IsOpen()) {
        session_->RecordTo(&recorder_);
    }
    // A replay's input is the recording's: the live player's keys, stick, menus (but Exit) and clicks
    // are set aside until its end, where the game pauses and the player takes over. A demo's is the
    // autoplayer's, whose keys and clicks a recording made meanwhile records.
    if (replay_) {
        Recording recording = std::move(*replay_);
        replay_.reset();
        session_->PlayRecording(std::move(recording), replayName_);
        frmMain_->ShowReplay(replayName_);
    } else if (demo_) {
        session_->HandTo(std::move(demo_));
    }
    tickLog_ = TickLog::FromEnvironment();
    if (!replayed_) {
        // The record of games: every step tallied, a win added (a replayed game keeps none).
        records_ = std::make_unique<RecordKeeper>(RecordsPath());
        frmMain_->records = [this] { return &records_->Records(); };
        frmMain_->onWatchDemo = [this] { HandToAutoplayer(game_->world.DayNum + kAutoplayDays); };
    }
    if (tickLog_ || records_) {
        session_->WatchSteps(this);
    }

    session_->Loop().SetEnabled(true, Now());
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

// A replayed game is the recording's, not the player's: it saves no control mode.
std::string GameApp::SettingsToSave() const {
    return replayed_ ? std::string() : settingsPath_;
}

void GameApp::StepBegins(bool inTransit) {
    if (tickLog_) {
        tickLog_->Note(Now(), inTransit ? 't' : 'c');
    }
}

void GameApp::StepEnded() {
    if (records_) {
        if (const std::string note = records_->AfterStep(*game_); !note.empty()) {
            frmMain_->ShowNote(note);
        }
    }
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
    frmMain_->ShowAtKeptScale(settingsPath_, !replayed_);
}

Frontend& GameApp::Window() {
    return *frmMain_;
}

void GameApp::ArmLoopTimer() {
    // Rounded up: a wake before the tick is due would only find nothing to do.
    constexpr std::int64_t kNsPerMs = 1'000'000;
    const std::int64_t ns = session_->Loop().NanosecondsUntilNextWake(Now());
    tmrGameLoop_.start(static_cast<int>((ns + kNsPerMs - 1) / kNsPerMs));
}

// Q stops the loop and closes the window, which asks whether to quit; "No" lets the game go on as
// it was, with every key released.
void GameApp::QuitKey() {
    GameLoop& loop = session_->Loop();
    const bool running = loop.Enabled();
    loop.SetEnabled(false, Now());
    tmrGameLoop_.stop();
    if (frmMain_->close() || !running) {
        return;
    }
    loop.SetEnabled(true, Now());
    ArmLoopTimer();
}

bool GameApp::RecordTo(const std::string& path, std::uint64_t seed) {
    return recorder_.Open(path, seed);
}

void GameApp::Replay(Recording recording, const std::string& name) {
    replay_ = std::move(recording);
    replayed_ = true;
    replayName_ = name;
}

void GameApp::LiveAction(const PlayerAction& action) {
    session_->LiveAction(action);
    if (action.Kind == PlayerActionKind::MenuNew) {
        ArmLoopTimer();  // a new game's loop runs from now
    }
}

void GameApp::Demo(std::uint64_t seed, std::int32_t days) {
    demo_ = std::make_unique<Autoplayer>(seed, days);
}

void GameApp::HandToAutoplayer(std::int32_t days) {
    if (session_->From() == InputFrom::Live) {
        session_->HandTo(std::make_unique<Autoplayer>(game_->world.Rng.SeedGiven(), days));
    }
}

void GameApp::StartPlaying() {
    frmMain_->show();
    frmMain_->activateWindow();
    session_->Loop().SplashClicked(Now());
    if (records_ && openAtStart_.empty()) {
        records_->Started(*game_);
    }
    if (const std::string message = records_ ? records_->TakeMessage() : std::string(); !message.empty()) {
        frmMain_->ShowNote(message);
    }
    if (!openAtStart_.empty()) {
        PlayOpenedGame(std::exchange(openAtStart_, {}), std::exchange(openAtStartText_, {}));
    }
    ArmLoopTimer();
    frmSplash_->close();
}

// A confirmed quit keeps the player's game, unless a replay plays, whose game is the recording's;
// a game that cannot be kept is said in a message box.
void GameApp::QuitConfirmed() {
    tmrGameLoop_.stop();
    if (!replayed_) {
        std::string message;
        const std::string path = AutosavePath();
        if (!MakeSaveFolder(UserSaveFolder(), message) || !SaveRunningGame(path, *game_, KeptExtras(), message)) {
            // Said where the player looks, before the window goes: the game they quit is not kept.
            std::cerr << "railquest: the game is not kept: " << message << '\n';
            frmMain_->ShowMessage("The game could not be kept: " + message);
        }
    }
    session_->FinishRecording();
    SprShutdown(game_->sprites);
    QCoreApplication::quit();
}

// An opened game ends a recording being made (a recording starts with a new game), complete up to here.
void GameApp::OpenGame(const std::string& path) {
    if (session_->From() != InputFrom::Live) {
        return;
    }
    std::string text;
    std::string message;
    if (!ReadGameFile(path, text, message)) {
        frmMain_->ShowMessage(message);
        return;
    }
    PlayOpenedGame(path, text);
}

void GameApp::PlayOpenedGame(const std::string& path, const std::string& text) {
    const bool recording = game_->shell.Recorder != nullptr;
    SaveExtras extras;
    std::string message;
    if (!OpenTextInPlace(path, text, *session_, extras, message)) {
        frmMain_->ShowMessage(message);
        return;
    }
    session_->LiveAction({PlayerActionKind::Keys, 0});  // the keys held in the saved game are not the player's
    if (recording) {
        frmMain_->ShowNote("The recording " +
                           QFileInfo(QString::fromStdString(recorder_.Path())).fileName().toStdString() +
                           " ends here: an opened game is not recorded");
    }
    ArmLoopTimer();
    frmMain_->NoteRecentGame(path);
    if (records_) {
        records_->Opened(*game_, extras.Tally);
    }
}

SaveExtras GameApp::KeptExtras() const {
    SaveExtras extras;
    if (records_) {
        extras.Tally = records_->KeptTally(*game_);
    }
    return extras;
}

void GameApp::SaveGame(const std::string& path) {
    if (session_->From() != InputFrom::Live) {
        return;
    }
    std::string message;
    if (!SaveRunningGame(path, *game_, KeptExtras(), message)) {
        frmMain_->ShowMessage(message);
        return;
    }
    frmMain_->ShowNote("Saved to " + QFileInfo(QString::fromStdString(path)).fileName().toStdString());
    frmMain_->NoteRecentGame(path);
}

}  // namespace rq
