// The main window's View menu: the whole window at a whole-number scale of 1× to 4× (Ctrl++,
// Ctrl+-, Ctrl+0) and full screen (F11), the scale kept in the settings file.
#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <iostream>

#include "ui/CentredFrame.h"
#include "ui/GameView.h"
#include "ui/InfoPanel.h"
#include "ui/JourneyDisplay.h"
#include "ui/MainWindow.h"
#include "ui/TicketWindow.h"
#include "ui/WindowScale.h"

namespace rq {

// None of these keys is a key of the game (its keys are the arrows, Home, End, the page keys, the
// keypad's digits, Space and Q, and Ctrl with a letter), so none is taken from it.
void MainWindow::BuildViewMenu() {
    mnuView = new QMenu(QStringLiteral("&View"), menuBar());
    mnuView->setObjectName(QStringLiteral("mnuView"));
    menuBar()->insertMenu(mnuHelp->menuAction(), mnuView);
    auto add = [this](const QString& name, const QString& caption, const QList<QKeySequence>& keys) {
        QAction* a = mnuView->addAction(caption);
        a->setObjectName(name);
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        return a;
    };
    // Ctrl++ is typed with Shift on most keyboards; Ctrl+= is the same key without it.
    mnuZoomIn = add(QStringLiteral("mnuZoomIn"), QStringLiteral("Zoom &In"),
                    {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mnuZoomOut =
        add(QStringLiteral("mnuZoomOut"), QStringLiteral("Zoom &Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    mnuActualSize =
        add(QStringLiteral("mnuActualSize"), QStringLiteral("&Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)});
    mnuView->addSeparator();
    mnuFullScreen = add(QStringLiteral("mnuFullScreen"), QStringLiteral("&Full Screen"), {QKeySequence(Qt::Key_F11)});
    mnuFullScreen->setCheckable(true);
    connect(mnuZoomIn, &QAction::triggered, this, [this] { ChangeScale(WindowScale() + 1); });
    connect(mnuZoomOut, &QAction::triggered, this, [this] { ChangeScale(WindowScale() - 1); });
    connect(mnuActualSize, &QAction::triggered, this, [this] { ChangeScale(1); });
    connect(mnuFullScreen, &QAction::triggered, this, [this] { ToggleFullScreen(); });
    // The menus' fonts are the window's to scale with the rest.
    for (QWidget* bar : QList<QWidget*>{menuBar()} + menuBar()->findChildren<QWidget*>()) {
        QFont f = bar->font();
        f.setPointSizeF(f.pointSizeF());  // a size of its own, which the scale then changes
        bar->setFont(f);
    }
}

void MainWindow::ShowAtKeptScale(const std::string& settingsPath, bool keep) {
    scalePath_ = keep ? settingsPath : std::string();
    int scale = ReadKeptScale(settingsPath);
    if (scale == 0) {
        const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
        // Room for the window's title bar and frame, which the window system adds.
        constexpr int kDecoration = 40;
        scale = s != nullptr ? FittingScale(s->availableGeometry().size(), kDecoration) : 1;
    }
    SetScale(scale);
    if (scale > 1) {
        // The bigger window keeps its top-left corner on the screen.
        if (const QScreen* s = screen()) {
            const QRect free = s->availableGeometry();
            move(std::max(free.left(), std::min(x(), free.right() - frameGeometry().width())),
                 std::max(free.top(), std::min(y(), free.bottom() - frameGeometry().height())));
        }
    }
}

// The largest scale at which the client and the menu bar fit `area` with `decoration` pixels to spare.
int MainWindow::FittingScale(QSize area, int decoration) const {
    const int k = WindowScale();
    const QSize oneTimes(client->width() / k, client->height() / k + menuBar()->sizeHint().height() / k);
    return LargestFittingScale(oneTimes, area - QSize(0, decoration));
}

void MainWindow::ChangeScale(int scale) {
    if (fullScreen_) {
        return;  // full screen has the scale that fills it
    }
    SetScale(scale);
    windowedScale_ = WindowScale();
    std::string whyNot;
    if (!scalePath_.empty() && !KeepScale(scalePath_, WindowScale(), &whyNot)) {
        std::cerr << "railquest: the window's scale is not kept, the settings file is left as it is: " << whyNot
                  << '\n';
    }
}

void MainWindow::SetScale(int scale) {
    const int from = WindowScale();
    SetWindowScale(scale);
    const int to = WindowScale();
    if (from != to) {
        RescaleFonts(*this, from, to);
    }
    PlaceControls();
    picTickets->Place(picGameView->geometry());
    picInfo->Place(picGameView->geometry());
    journey_->Place();
    PanelsChanged();
    SyncViewMenu();
}

// The window takes its content's size exactly; full screen, the content sits centred on black.
void MainWindow::FitWindow() {
    if (fullScreen_) {
        frame_->FitContent(false);
        return;
    }
    frame_->FitContent(true);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    adjustSize();
    setFixedSize(size());
}

void MainWindow::ToggleFullScreen() {
    if (fullScreen_) {
        fullScreen_ = false;
        showNormal();
        SetScale(windowedScale_);
        return;
    }
    windowedScale_ = WindowScale();
    fullScreen_ = true;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    frame_->FitContent(false);
    showFullScreen();
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (s != nullptr) {
        // The window takes the screen itself too: without a window manager to honour the request the
        // window system reports the window as a normal one, at its old size.
        setGeometry(s->geometry());
    }
    SetScale(s != nullptr ? FittingScale(s->geometry().size(), 0) : WindowScale());
}

void MainWindow::SyncViewMenu() {
    const bool full = fullScreen_;
    mnuZoomIn->setEnabled(!full && WindowScale() < kMaxWindowScale);
    mnuZoomOut->setEnabled(!full && WindowScale() > kMinWindowScale);
    mnuActualSize->setEnabled(!full);
    mnuFullScreen->setChecked(full);
}

}  // namespace rq
