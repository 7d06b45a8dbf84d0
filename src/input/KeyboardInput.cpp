// The keyboard's part of the player's input: the key table, the keypad, auto-repeat and Q.
#include "input/KeyboardInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace rq {

std::uint16_t KeyInputBit(int key, Qt::KeyboardModifiers modifiers) {
    switch (key) {
        case Qt::Key_Up:
            return kInputUp;
        case Qt::Key_PageUp:
            return kInputUpRight;
        case Qt::Key_Right:
            return kInputRight;
        case Qt::Key_PageDown:
            return kInputDownRight;
        case Qt::Key_Down:
            return kInputDown;
        case Qt::Key_End:
            return kInputDownLeft;
        case Qt::Key_Left:
            return kInputLeft;
        case Qt::Key_Home:
            return kInputUpLeft;
        case Qt::Key_Space:
            return kInputAction;
        default:
            break;
    }
    if (!modifiers.testFlag(Qt::KeypadModifier)) {
        return 0;
    }
    // The keypad with Num Lock on gives digits; they steer like the keys printed beside them.
    switch (key) {
        case Qt::Key_8:
            return kInputUp;
        case Qt::Key_9:
            return kInputUpRight;
        case Qt::Key_6:
            return kInputRight;
        case Qt::Key_3:
            return kInputDownRight;
        case Qt::Key_2:
            return kInputDown;
        case Qt::Key_1:
            return kInputDownLeft;
        case Qt::Key_4:
            return kInputLeft;
        case Qt::Key_7:
            return kInputUpLeft;
        default:
            return 0;
    }
}

KeyboardInput::KeyboardInput(QWidget& window, const Scene& scene, std::function<void(std::uint16_t)> onKeys)
    : window_(window), scene_(scene), onKeys_(std::move(onKeys)) {
    qApp->installEventFilter(this);
}

KeyboardInput::~KeyboardInput() {
    qApp->removeEventFilter(this);
}

bool KeyboardInput::InWindow(QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && widget->window() == &window_;
}

bool KeyboardInput::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (onPress && InWindow(watched)) onPress();
            break;
        case QEvent::KeyPress:
            // A key no widget takes is offered to each parent in turn: the bits do not mind, but Q
            // is taken here so that it asks once.
            if (InWindow(watched)) return KeyDown(static_cast<const QKeyEvent&>(*event));
            break;
        case QEvent::KeyRelease:
            if (InWindow(watched)) KeyUp(static_cast<const QKeyEvent&>(*event));
            break;
        case QEvent::WindowDeactivate:
            // A key let go in another window is never seen: leaving the window releases them all.
            if (watched == &window_) onKeys_(0);
            break;
        default:
            break;
    }
    return false;  // the focused widget still gets its keys
}

bool KeyboardInput::KeyDown(const QKeyEvent& key) {
    if (key.isAutoRepeat()) {
        return false;
    }
    if (onPress) {
        onPress();
    }
    const Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (key.key() == Qt::Key_Q && (key.modifiers() & commandKeys) == Qt::NoModifier) {
        if (onQuitKey) onQuitKey();
        return true;
    }
    const std::uint16_t bit = KeyInputBit(key.key(), key.modifiers());
    if (bit != 0) {
        onKeys_(static_cast<std::uint16_t>(scene_.InputBits | bit));
    }
    return false;
}

void KeyboardInput::KeyUp(const QKeyEvent& key) {
    if (key.isAutoRepeat()) {
        return;
    }
    const std::uint16_t bit = KeyInputBit(key.key(), key.modifiers());
    if (bit != 0) {
        onKeys_(static_cast<std::uint16_t>(scene_.InputBits & ~bit));
    }
}

}  // namespace rq
