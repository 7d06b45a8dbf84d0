// The window tests' fixtures: an offscreen application, a game loaded from the real assets with its
// first street built, and message boxes answered by the test.
#pragma once

#include <QApplication>
#include <QDir>
#include <QImage>
#include <cstdlib>
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/MessagePort.h"
#include "game/Game.h"
#include "scene/EnterCity.h"
#include "shell/GameLoop.h"
#include "shell/PlayerInput.h"
#include "shell/Startup.h"
#include "sprite/SpriteDraw.h"
#include "sprite/SpriteScene.h"
#include "ui/MainWindow.h"
#include "ui/QtPictureLoader.h"

namespace rq::test {

// One application for the whole test program, on the offscreen platform unless another is chosen.
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The game's data folder (kept games, records) is never the tester's own.
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QDir::temp().filePath(QStringLiteral("railquest-test-data")).toUtf8());
    }
    // Made once and never destroyed: Qt's own globals may already be gone when statics are torn down.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// The folder of the game's assets: the source tree's assets/ (the test runner may name another).
inline std::string AssetsDir() {
    const char* dir = std::getenv("RAILQUEST_ASSETS");
    return std::string(dir != nullptr ? dir : RAILQUEST_SOURCE_ASSETS) + "/";
}

// A control of a window by its design name (its objectName). Asking for one the window lacks fails
// the test.
template <class T>
T* Find(const QObject& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) {
        throw std::runtime_error("no control named " + name.toStdString());
    }
    return found;
}

// A top-level window by its design name; none when it is not open.
inline QWidget* TopLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name) {
            return w;
        }
    }
    return nullptr;
}

// Answers questions from a script (No when the script is empty) and records every box.
class ScriptedMessages : public MessagePort {
public:
    void ShowMessage(const std::string& text) override { Shown.push_back(text); }
    bool AskYesNo(const std::string& question) override {
        Asked.push_back(question);
        if (Answers.empty()) {
            return false;
        }
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    std::deque<bool> Answers;
    std::vector<std::string> Asked;
    std::vector<std::string> Shown;
};

// A game started as the program starts it, with its window laid out and the first street built.
struct UiGame {
    explicit UiGame(std::int16_t city = 21, std::uint64_t seed = 7) {
        App();
        game->shell.AppPath = AssetsDir();
        QtPictureLoader loader;
        BeginGame(*game, seed);
        Loaded = LoadGameFiles(*game, loader, messages) && BuildGame(*game);
        window = std::make_unique<MainWindow>(*game);
        window->SetMessagePort(&messages);
        loop = std::make_unique<GameLoop>(*game, *window);
        window->onAction = [this](const PlayerAction& a) { Act(a); };
        window->LayoutTicketWindow();
        window->LayoutInfoPanel();
        game->world.CurCity = city;
        game->world.GameTime = (10 * 3600 + 3 * 60 + 20) * 3.0;
        SceneContext ctx = SceneOf(*game, *window);
        game->effects.SoundOn = false;
        EnterCity(ctx, city);
    }
    // Composes the street with the player on the platform and hands the view to the window.
    void ShowStreet() {
        Sprite& player = game->sprites[kPlayerSlot];
        SprShowAt(game->sprites, kPlayerSlot, 930, 205);
        player.Frame = 0;
        SprComposeScene(game->sprites, game->world.GameTime);
        Surface view;
        std::vector<PixelRect> changed;
        SprPresent(game->sprites, view, game->sprites.ViewCol * 640, game->sprites.ViewRow * 377, changed);
        window->PresentView(view, changed);
    }

    // The live player's action through the game's one door, as the running game hands it over.
    void Act(const PlayerAction& a) { HandleLiveAction(*game, *window, *loop, a); }

    std::unique_ptr<Game> game = std::make_unique<Game>();
    ScriptedMessages messages;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<GameLoop> loop;
    bool Loaded = false;
};

}  // namespace rq::test
