// The splash window: polls the start-up handshake and hands over to the main window on a click.
#include "ui/SplashWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

#include "ui/QtPictureLoader.h"

namespace rq {

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kPromptTop = 6210 / 15;  // twips from the window's top
}  // namespace

SplashWindow::SplashWindow(const Shell& shell, MessagePort& messages, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), shell_(shell) {
    setObjectName("frmSplash");
    setWindowTitle("Railquest");
    setFixedSize(kWidth, kHeight);

    picLblContain = new QWidget(this);
    picLblContain->setObjectName("picLblContain");
    lblWait = new QLabel("Click to Begin...", picLblContain);
    lblWait->setObjectName("lblWait");
    QFont font = lblWait->font();
    font.setPointSizeF(14);
    font.setBold(true);
    lblWait->setFont(font);
    lblWait->setStyleSheet(
        "color: #fff4dc; background: rgba(20, 12, 30, 170); padding: 6px 18px;"
        "border-radius: 6px;");
    lblContinue = new QLabel("Press C to continue your last game", picLblContain);
    lblContinue->setObjectName("lblContinue");
    font.setPointSizeF(11);
    font.setBold(false);
    lblContinue->setFont(font);
    lblContinue->setAlignment(Qt::AlignCenter);
    lblContinue->setStyleSheet(lblWait->styleSheet());
    lblContinue->hide();
    auto* layout = new QVBoxLayout(picLblContain);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblWait, 0, Qt::AlignHCenter);
    layout->addWidget(lblContinue, 0, Qt::AlignHCenter);
    picLblContain->adjustSize();
    picLblContain->move((kWidth - picLblContain->width()) / 2, kPromptTop);
    picLblContain->hide();

    tmrCheckReady = new QTimer(this);
    tmrCheckReady->setObjectName("tmrCheckReady");
    tmrCheckReady->setInterval(10);
    connect(tmrCheckReady, &QTimer::timeout, this, [this] { tmrCheckReady_Timer(); });

    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kWidth) / 2, area.y() + (area.height() - kHeight) / 2);
    }

    std::string error;
    picture_ = ReadPicture(shell.AppPath + "splash.bmp", error);
    if (picture_.isNull()) {
        messages.ShowMessage("The following error occurred in frmSplsh_load():\n" + error);
    }
}

void SplashWindow::OfferContinue(std::function<void()> onContinue) {
    onContinue_ = std::move(onContinue);
    lblContinue->setVisible(static_cast<bool>(onContinue_));
    picLblContain->adjustSize();
    picLblContain->move((kWidth - picLblContain->width()) / 2, kPromptTop);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_.isNull()) {
        p.fillRect(rect(), QColor(24, 20, 40));
        p.setPen(QColor(255, 240, 170));
        QFont font = p.font();
        font.setPointSize(36);
        font.setBold(true);
        p.setFont(font);
        p.drawText(rect().adjusted(0, 0, 0, -120), Qt::AlignCenter, "RAILQUEST");
    } else {
        p.drawImage(rect(), picture_);
    }
}

void SplashWindow::tmrCheckReady_Timer() {
    if (shell_.Stage == StartupStage::Ready) {
        picLblContain->show();
        tmrCheckReady->stop();
    }
}

void SplashWindow::Form_Click() {
    if (shell_.Stage != StartupStage::Ready) {
        return;  // not ready yet: the click or key does nothing
    }
    if (onStart) {
        onStart();
    }
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    Form_Click();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    const bool plainC = event->key() == Qt::Key_C && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plainC && onContinue_ && shell_.Stage == StartupStage::Ready) {
        onContinue_();
        return;
    }
    Form_Click();
}

}  // namespace rq
