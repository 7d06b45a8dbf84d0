// frmSplash: the title picture shown while the game starts; it offers "Click to Begin..." when ready.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "base/MessagePort.h"
#include "game/Game.h"

class QLabel;

namespace rq {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // Form_Load: sizes and centres the window and loads splash.bmp from the program folder. A picture
    // that cannot be loaded is reported through `messages`; the window stays up without it.
    SplashWindow(const Shell& shell, MessagePort& messages, QWidget* parent = nullptr);

    // Start-up enables the ready timer as its last step.
    void EnableReadyTimer() { tmrCheckReady->start(); }

    // Runs on the first click or key once the game is ready (Form_Click).
    std::function<void()> onStart;
    // When a kept game exists: the status line "Press C to continue your last game", and C runs
    // this instead of onStart.
    void OfferContinue(std::function<void()> onContinue);

    QWidget* picLblContain = nullptr;
    QLabel* lblWait = nullptr;
    QLabel* lblContinue = nullptr;
    QTimer* tmrCheckReady = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void tmrCheckReady_Timer();
    void Form_Click();

    const Shell& shell_;
    QImage picture_;
    std::function<void()> onContinue_;
};

}  // namespace rq
