// The keyboard's part of the player's input: the nine keys set and clear InputBits, whichever widget
// of the main window has the focus, and Q asks to quit.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

#include "scene/Scene.h"

class QKeyEvent;
class QWidget;

namespace rq {

// The input bit of a key (0 for keys the game does not use). The keypad's arrows and diagonals count
// with Num Lock on or off.
std::uint16_t KeyInputBit(int key, Qt::KeyboardModifiers modifiers);

// Watches the application's key events for one window. A held key repeats as release/press pairs;
// those are ignored, so a held key stays held. Leaving the window releases every key.
class KeyboardInput : public QObject {
    Q_OBJECT
public:
    // `scene` gives the held keys as the game holds them; `onKeys` takes the held keys after a change.
    KeyboardInput(QWidget& window, const Scene& scene, std::function<void(std::uint16_t)> onKeys);
    ~KeyboardInput() override;

    // The key Q, pressed in the window.
    std::function<void()> onQuitKey;
    // Any key or mouse button pressed in the window, before the key's bit is taken (the demo hands
    // the game over on it).
    std::function<void()> onPress;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InWindow(QObject* watched) const;
    bool KeyDown(const QKeyEvent& key);  // true: the key is taken
    void KeyUp(const QKeyEvent& key);

    QWidget& window_;
    const Scene& scene_;
    std::function<void(std::uint16_t)> onKeys_;
};

}  // namespace rq
