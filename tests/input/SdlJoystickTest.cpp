// Joystick 0 through SDL, with SDL's virtual joysticks under the dummy video driver: the stick's
// thresholds, the buttons, a pad pulled out during play, no pad at all, and a demo that leaves the
// player's stick alone.
#include <SDL.h>
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <map>

#include "app/GameApp.h"
#include "game/Game.h"
#include "input/SdlJoystick.h"
#include "scene/Joystick.h"
#include "shell/Settings.h"
#include "support/FakeFrontend.h"
#include "ui/UiTestSupport.h"

namespace rq {
namespace {

// SDL's axis value for a position of 0..65535.
Sint16 Axis(int position) {
    return static_cast<Sint16>(position - 32768);
}

// A virtual pad as joystick 0, moved by the test.
class VirtualPad {
public:
    explicit VirtualPad(SDL_JoystickType type, int buttons = 4) {
        index_ = SDL_JoystickAttachVirtual(type, 2, buttons, 0);
        handle_ = SDL_JoystickOpen(index_);
    }
    ~VirtualPad() {
        if (handle_ != nullptr) SDL_JoystickClose(handle_);
        if (attached_) SDL_JoystickDetachVirtual(index_);
    }
    bool Ok() const { return index_ >= 0 && handle_ != nullptr; }
    int Index() const { return index_; }
    void Move(int x, int y) {
        SDL_JoystickSetVirtualAxis(handle_, 0, Axis(x));
        SDL_JoystickSetVirtualAxis(handle_, 1, Axis(y));
    }
    void Press(int button, bool down) {
        SDL_JoystickSetVirtualButton(handle_, button, down ? SDL_PRESSED : SDL_RELEASED);
    }
    void PullOut() {
        SDL_JoystickClose(handle_);
        handle_ = nullptr;
        SDL_JoystickDetachVirtual(index_);
        attached_ = false;
    }

private:
    int index_ = -1;
    SDL_Joystick* handle_ = nullptr;
    bool attached_ = true;
};

// The stick's input for a position (the centre unless told), as the game reads it through the port.
std::uint16_t BitsAt(SdlJoystick& joystick, VirtualPad& pad, int x = 32768, int y = 32768) {
    pad.Move(x, y);
    const std::optional<JoystickPosition> p = joystick.ReadPosition();
    return p ? JoystickInputBits(*p) : 0xFFFF;
}

class SdlJoystickTest : public ::testing::TestWithParam<SDL_JoystickType> {
protected:
    static void SetUpTestSuite() { SDL_setenv("SDL_VIDEODRIVER", "dummy", 1); }
    std::uint16_t BitsAt(VirtualPad& pad, int x, int y) { return rq::BitsAt(joystick, pad, x, y); }
    SdlJoystick joystick;
};

TEST_P(SdlJoystickTest, TheStickCountsOnlyNearItsEnds) {
    VirtualPad pad(GetParam());
    ASSERT_TRUE(pad.Ok()) << SDL_GetError();
    ASSERT_TRUE(joystick.Detect());
    const struct {
        int x, y;
        std::uint16_t bits;
    } table[] = {
        {32768, 32768, 0},  {4096, 32768, 64}, {4097, 32768, 0},       {61439, 32768, 0},
        {61440, 32768, 4},  {32768, 4096, 1},  {32768, 4097, 0},       {32768, 61439, 0},
        {32768, 61440, 16}, {0, 0, 64 + 1},    {65535, 65535, 4 + 16},
    };
    for (const auto& t : table) {
        EXPECT_EQ(BitsAt(pad, t.x, t.y), t.bits) << t.x << ", " << t.y;
    }
}

TEST_P(SdlJoystickTest, AnyButtonIsTheActionButton) {
    VirtualPad pad(GetParam());
    ASSERT_TRUE(pad.Ok()) << SDL_GetError();
    for (int button = 0; button < 4; ++button) {
        pad.Press(button, true);
        EXPECT_EQ(BitsAt(pad, 32768, 32768), kInputAction) << "button " << button;
        pad.Press(button, false);
        EXPECT_EQ(BitsAt(pad, 32768, 32768), 0) << "button " << button;
    }
}

TEST_P(SdlJoystickTest, APadPulledOutDuringPlayFallsBackToTheKeyboard) {
    VirtualPad pad(GetParam());
    ASSERT_TRUE(pad.Ok()) << SDL_GetError();
    auto game = std::make_unique<Game>();
    test::FakeFrontend port{*game};
    game->scene.Joystick = &joystick;
    SwitchToJoystick(game->scene, port);
    ASSERT_TRUE(game->scene.JoystickMode);
    pad.Move(0, 32768);
    EXPECT_EQ(ReadJoystick(game->scene, port), std::optional<std::uint16_t>(kInputLeft));

    pad.PullOut();
    EXPECT_EQ(ReadJoystick(game->scene, port), std::nullopt);
    EXPECT_EQ(port.messages, std::vector<std::string>{"Joystick Error!"});
    EXPECT_FALSE(game->scene.JoystickMode);
}

INSTANTIATE_TEST_SUITE_P(PadsSdlKnowsAndPlainJoysticks, SdlJoystickTest,
                         ::testing::Values(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_JOYSTICK_TYPE_UNKNOWN));

// On a game controller every button drops a crystal, as on a plain joystick, except the direction
// pad's, which steer, and the guide button, which is the system's.
TEST(SdlGameControllerTest, EveryButtonButThePadAndTheGuideIsTheActionButton) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlJoystick joystick;
    VirtualPad pad(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_BUTTON_MAX);
    ASSERT_TRUE(pad.Ok()) << SDL_GetError();
    SDL_GameController* controller = SDL_GameControllerOpen(pad.Index());
    ASSERT_NE(controller, nullptr) << SDL_GetError();
    const std::map<SDL_GameControllerButton, std::uint16_t> steering{{SDL_CONTROLLER_BUTTON_DPAD_UP, kInputUp},
                                                                     {SDL_CONTROLLER_BUTTON_DPAD_DOWN, kInputDown},
                                                                     {SDL_CONTROLLER_BUTTON_DPAD_LEFT, kInputLeft},
                                                                     {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kInputRight},
                                                                     {SDL_CONTROLLER_BUTTON_GUIDE, 0}};
    int tried = 0;
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
        const auto button = static_cast<SDL_GameControllerButton>(b);
        const SDL_GameControllerButtonBind bind = SDL_GameControllerGetBindForButton(controller, button);
        if (bind.bindType != SDL_CONTROLLER_BINDTYPE_BUTTON) continue;  // not on this pad (the touchpad)
        ++tried;
        pad.Press(bind.value.button, true);
        const auto it = steering.find(button);
        const std::uint16_t expected = it == steering.end() ? kInputAction : it->second;
        EXPECT_EQ(BitsAt(joystick, pad), expected) << SDL_GameControllerGetStringForButton(button);
        pad.Press(bind.value.button, false);
        EXPECT_EQ(BitsAt(joystick, pad), 0) << SDL_GameControllerGetStringForButton(button);
    }
    EXPECT_GE(tried, 20) << "the pad has buttons up to the paddles";
    SDL_GameControllerClose(controller);
}

TEST(SdlJoystickNone, NoPadCannotBeDetectedAndKeepsTheKeyboard) {
    SdlJoystick joystick;
    auto game = std::make_unique<Game>();
    test::FakeFrontend port{*game};
    game->scene.Joystick = &joystick;
    SwitchToJoystick(game->scene, port);
    EXPECT_EQ(port.messages, std::vector<std::string>{"Cannot detect the joystick!"});
    EXPECT_FALSE(game->scene.JoystickMode);
    RestoreControlMode(game->scene, true);  // a saved joystick mode, no pad: quietly the keyboard
    EXPECT_FALSE(game->scene.JoystickMode);
    EXPECT_EQ(port.messages.size(), 1u);
}

// The stick is the live player's alone: a demo neither reads it nor switches the control mode, so
// quitting after a demo keeps "JoyStick=Y" as the player left it.
TEST(SdlJoystickDemo, QuittingAfterADemoKeepsTheSavedJoystickMode) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    test::App();
    QStandardPaths::setTestModeEnabled(true);
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "demo-stick";
    std::filesystem::create_directories(dir);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir.string()));  // where the quit keeps the game
    GameApp app;
    VirtualPad pad(SDL_JOYSTICK_TYPE_GAMECONTROLLER);
    ASSERT_TRUE(pad.Ok()) << SDL_GetError();
    std::filesystem::create_directories(std::filesystem::path(app.SettingsPath()).parent_path());
    std::ofstream(app.SettingsPath()) << "[Railquest]\nJoyStick=Y\n";
    app.Demo(7, 30);
    ASSERT_TRUE(app.Main(7, test::AssetsDir()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.game().shell.Stage == StartupStage::Ready; }, 5000));
    QTest::mouseClick(test::TopLevel(QStringLiteral("frmSplash")), Qt::LeftButton);
    auto* frmMain = dynamic_cast<MainWindow*>(test::TopLevel(QStringLiteral("frmMain")));
    ASSERT_NE(frmMain, nullptr);
    frmMain->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.game().shell.Steps > 30; }, 5000));
    EXPECT_EQ(app.game().shell.Input, InputFrom::Autoplayer);
    EXPECT_TRUE(app.game().scene.JoystickMode);
    test::ScriptedMessages messages;
    messages.Answers = {true};
    frmMain->SetMessagePort(&messages);
    QTest::keyClick(frmMain, Qt::Key_Q);  // hands the demo over, then asks whether to quit
    EXPECT_EQ(messages.Asked.size(), 1u) << "the quit was asked and answered";
    EXPECT_TRUE(ReadJoystickSetting(app.SettingsPath()));
    std::filesystem::remove(app.SettingsPath());
}

}  // namespace
}  // namespace rq
