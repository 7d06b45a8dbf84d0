// The keyboard through the real main window offscreen: the key table, held and released keys,
// auto-repeat, the keypad, the focus on any widget of the window, and Q.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "input/KeyboardInput.h"
#include "ui/UiTestSupport.h"

namespace rq {
namespace {

class KeyboardInputTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ui.Loaded); }
    std::uint16_t Bits() const { return ui.game->scene.InputBits; }
    QWidget* View() { return test::Find<QWidget>(*ui.window, "picGameView"); }
    test::UiGame ui;
    KeyboardInput keys{*ui.window, ui.game->scene, [this](std::uint16_t bits) {
                           ui.Act({PlayerActionKind::Keys, bits});
                       }};
};

TEST_F(KeyboardInputTest, EachKeyOfTheTableHoldsItsBitUntilReleased) {
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::uint16_t bit;
    };
    const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
    const Key table[] = {
        {Qt::Key_Up, {}, 1},
        {Qt::Key_PageUp, {}, 2},
        {Qt::Key_Right, {}, 4},
        {Qt::Key_PageDown, {}, 8},
        {Qt::Key_Down, {}, 16},
        {Qt::Key_End, {}, 32},
        {Qt::Key_Left, {}, 64},
        {Qt::Key_Home, {}, 128},
        {Qt::Key_Space, {}, 256},
        // The keypad with Num Lock off gives the keys above; with Num Lock on, its digits.
        {Qt::Key_Home, pad, 128},
        {Qt::Key_PageDown, pad, 8},
        {Qt::Key_8, pad, 1},
        {Qt::Key_9, pad, 2},
        {Qt::Key_6, pad, 4},
        {Qt::Key_3, pad, 8},
        {Qt::Key_2, pad, 16},
        {Qt::Key_1, pad, 32},
        {Qt::Key_4, pad, 64},
        {Qt::Key_7, pad, 128},
        // Keys the game does not use, and digits of the main keyboard.
        {Qt::Key_A, {}, 0},
        {Qt::Key_8, {}, 0},
        {Qt::Key_5, pad, 0},
    };
    for (const Key& k : table) {
        SCOPED_TRACE(k.key);
        ui.game->scene.InputBits = 0;
        QTest::keyPress(View(), k.key, k.modifiers);
        EXPECT_EQ(Bits(), k.bit);
        QTest::keyRelease(View(), k.key, k.modifiers);
        EXPECT_EQ(Bits(), 0);
    }
}

TEST_F(KeyboardInputTest, HeldKeysAddUpAndAKeyUpClearsOnlyItsOwnBit) {
    QTest::keyPress(View(), Qt::Key_Left);
    QTest::keyPress(View(), Qt::Key_Up);
    EXPECT_EQ(Bits(), 65);
    QTest::keyRelease(View(), Qt::Key_Up);
    EXPECT_EQ(Bits(), 64);
    QTest::keyRelease(View(), Qt::Key_Down);  // never pressed
    QTest::keyPress(View(), Qt::Key_Space);
    EXPECT_EQ(Bits(), 64 + 256);
}

TEST_F(KeyboardInputTest, AutoRepeatOfAHeldKeyDoesNotLetItGo) {
    QTest::keyPress(View(), Qt::Key_Right);
    // A held key repeats as release and press pairs marked as auto-repeated.
    for (int i = 0; i < 3; ++i) {
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(View(), &up);
        EXPECT_EQ(Bits(), 4);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(View(), &down);
    }
    QTest::keyRelease(View(), Qt::Key_Right);
    EXPECT_EQ(Bits(), 0);
}

TEST_F(KeyboardInputTest, KeysWorkWhicheverWidgetOfTheWindowHasTheFocusAndNowhereElse) {
    QWidget* targets[] = {ui.window.get(), test::Find<QWidget>(*ui.window, "picStatusBar"),
                          test::Find<QRadioButton>(*ui.window, "optTrain1"),
                          test::Find<QPushButton>(*ui.window, "cmdExitTix")};
    for (QWidget* target : targets) {
        SCOPED_TRACE(target->objectName().toStdString());
        QTest::keyPress(target, Qt::Key_Down);
        EXPECT_EQ(Bits(), 16);
        QTest::keyRelease(target, Qt::Key_Down);
        EXPECT_EQ(Bits(), 0);
    }
    QWidget elsewhere;
    QTest::keyPress(&elsewhere, Qt::Key_Down);
    EXPECT_EQ(Bits(), 0);
}

TEST_F(KeyboardInputTest, LeavingTheWindowReleasesEveryKey) {
    QTest::keyPress(View(), Qt::Key_Left);
    QEvent leave(QEvent::WindowDeactivate);
    QApplication::sendEvent(ui.window.get(), &leave);
    EXPECT_EQ(Bits(), 0);
}

TEST_F(KeyboardInputTest, QAsksToQuitButNotWithControl) {
    int asked = 0;
    keys.onQuitKey = [&asked] { ++asked; };
    QTest::keyClick(View(), Qt::Key_Q);
    EXPECT_EQ(asked, 1);
    QTest::keyClick(View(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Bits(), 0);
}

}  // namespace
}  // namespace rq
