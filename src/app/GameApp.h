// The running game in the window: start-up in the game's order, the splash hand-over, the session's
// timer and the window's own part of it (the keyboard and stick, the menus' files, the quit).
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/RecordKeeper.h"
#include "app/TickLog.h"
#include "autoplay/Autoplayer.h"
#include "game/Game.h"
#include "input/KeyboardInput.h"
#include "input/SdlJoystick.h"
#include "replay/Recording.h"
#include "save/SavedGame.h"
#include "shell/Session.h"
#include "shell/Startup.h"
#include "sound/SdlVoice.h"
#include "ui/MainWindow.h"
#include "ui/QtMessagePort.h"
#include "ui/QtPictureLoader.h"
#include "ui/SplashWindow.h"

namespace rq {

class GameApp : private StartupHost, private StepWatcher {
public:
    GameApp();
    ~GameApp() override;

    // Start-up with the game's files in appPath (ending in '/'); false after the failure exit (a loader
    // has shown its message).
    bool Main(std::uint64_t seed, const std::string& appPath);

    std::string SettingsPath() const { return settingsPath_; }
    const Game& game() const { return *game_; }

    // Before Main: write what the player does to `path` (false when it cannot be written), or play a
    // recorded game again, the player's keys and menus (but Exit) ignored, paused at its end.
    bool RecordTo(const std::string& path, std::uint64_t seed);
    // False when --record's file could not be written completely.
    bool RecordingWritten() const { return recorder_.Good(); }
    void Replay(Recording recording, const std::string& name = "the recording");
    // Before Main: the saved game read from `path` (its text, checked to open) replaces the new one at the
    // splash's click.
    void OpenAtStart(const std::string& path, std::string text) {
        openAtStart_ = path;
        openAtStartText_ = std::move(text);
    }

    // The Game menu's Open and Save, and the game kept when the player quits. A refused file is named
    // with its fault in a message box and the running game goes on unchanged. Open ends a recording
    // being made. While a recording plays neither does anything.
    void OpenGame(const std::string& path);
    void SaveGame(const std::string& path);

    // Before Main: the autoplayer plays the game in the window as a demo, for up to `days` game days,
    // until any key or click hands the game to the player where it stands.
    void Demo(std::uint64_t seed, std::int32_t days);
    // During play: the autoplayer takes the game over from where the player stands (a recording being
    // made goes on, and records what it does), until any key or click hands it back.
    void HandToAutoplayer(std::int32_t days = kAutoplayDays);

private:
    // What a saved game of the running one keeps besides the game: the record of games' tally.
    SaveExtras KeptExtras() const;
    void OpenWindows() override;
    PictureLoader& Pictures() override { return pictures_; }
    MessagePort& LoadMessages() override;
    SoundPort& OpenVoice() override;
    void LayOutPanels() override;
    Frontend& Window() override;

    void StepBegins(bool inTransit) override;
    void StepEnded() override;

    std::string SettingsToSave() const;
    void StartPlaying();
    void LiveAction(const PlayerAction& action);
    void ArmLoopTimer();
    void QuitKey();
    void QuitConfirmed();
    void PlayOpenedGame(const std::string& path, const std::string& text);
    std::int64_t Now() const { return clock_.nsecsElapsed(); }

    std::unique_ptr<Game> game_;
    std::unique_ptr<MainWindow> frmMain_;
    std::unique_ptr<SplashWindow> frmSplash_;
    QtPictureLoader pictures_;
    std::unique_ptr<QtMessagePort> overSplash_;  // start-up's messages, over the splash window
    std::unique_ptr<Session> session_;
    SdlVoice voice_;
    SdlJoystick joystick_;
    std::unique_ptr<KeyboardInput> keyboard_;
    QTimer tmrGameLoop_;
    QElapsedTimer clock_;
    std::string settingsPath_;
    RecordingWriter recorder_;
    std::optional<Recording> replay_;        // until the session plays it
    bool replayed_ = false;                  // the game is a recording's: it keeps no settings and no game
    std::unique_ptr<Autoplayer> demo_;       // until the session hands it the game
    std::unique_ptr<TickLog> tickLog_;       // only when the environment asks for one
    std::unique_ptr<RecordKeeper> records_;  // none for a replayed game
    std::string replayName_;
    std::string openAtStart_;
    std::string openAtStartText_;
};

}  // namespace rq
