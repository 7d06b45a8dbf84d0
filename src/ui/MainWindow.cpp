// frmMain: builds the menus, the status bar and the game view, lays them out once, wires the panels
// to the game and answers the game's questions as its frontend.
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <iostream>

#include "panels/Panels.h"
#include "panels/WindowLayout.h"
#include "shell/Settings.h"
#include "ui/AboutDialog.h"
#include "ui/CentredFrame.h"
#include "ui/Controls.h"
#include "ui/GameView.h"
#include "ui/HelpWindow.h"
#include "ui/InfoPanel.h"
#include "ui/JourneyDisplay.h"
#include "ui/MapViews.h"
#include "ui/StatusBar.h"
#include "ui/TicketWindow.h"
#include "ui/Twips.h"
#include "ui/WindowScale.h"

namespace rq {

void PrepareHighDpi() {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

MainWindow::MainWindow(Game& game, QWidget* parent)
    : QMainWindow(parent), PanelFrontend(game), game_(game), dialogs_(this), messages_(&dialogs_) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Railquest"));
    setWindowIcon(QIcon(QPixmap::fromImage(CrystalIcon(32))));

    // The window is made and laid out at 1×; ShowAtKeptScale enlarges it.
    SetWindowScale(1);
    BuildMenus();
    BuildRecentMenu();
    BuildHelpExtras();
    BuildViewMenu();
    frame_ = new CentredFrame(this);
    setCentralWidget(frame_);
    client = new QWidget(frame_);
    client->setObjectName(QStringLiteral("client"));
    frame_->SetContent(client);
    picStatusBar = new StatusBar(client);
    picGameView = new GameView(client);
    picGameView->setFocusPolicy(Qt::StrongFocus);
    journey_ = std::make_unique<JourneyDisplay>(picGameView);

    picTrainDest = new PictureBox(QStringLiteral("picTrainDest"), Qt::black, client);
    lblTrainDestBanner = MakeLabel(QStringLiteral("lblTrainDestBanner"), QString(), MonoBoldFont(9.75), picTrainDest);
    lblTrainDestBanner->setAlignment(Qt::AlignCenter);
    SetTextColour(lblTrainDestBanner, Qt::white);
    picTrainDest->hide();

    picInfo = new InfoPanel(game_, client);
    connect(picInfo, &InfoPanel::exitClicked, this, [this] { cmdExitInfo_Click(); });
    picInfo->onAction = [this](const PlayerAction& a) { Act(a); };
    picTickets = new TicketWindow(game_, client);
    connect(picTickets, &TicketWindow::exitClicked, this, [this] { cmdExitTix_Click(); });
    picTickets->onAction = [this](const PlayerAction& a) { Act(a); };
    picTrainDest->raise();

    frmHelp = new HelpWindow(this);
    BuildKeys();
    Form_Load();
}

MainWindow::~MainWindow() = default;

// ---- Keys ----

// Escape presses the cancel button of the panel that is open. The keys that steer the player are
// read in the same place.
void MainWindow::BuildKeys() {
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    auto* escape = escape_;
    connect(escape, &QShortcut::activated, this, [this] { CancelPressed(); });
}

// A panel laid over the game view, under the banner, with its OK button as the cancel button.
void MainWindow::OpenPanel(QWidget* panel, QPushButton* exit) {
    panel->show();
    panel->raise();
    picTrainDest->raise();
    cancelButton_ = exit;
}

void MainWindow::ClosePanel(QWidget* panel, QPushButton* exit) {
    panel->hide();
    if (cancelButton_ == exit) {
        cancelButton_ = nullptr;
    }
}

void MainWindow::ShowPanel(QWidget* panel, QPushButton* exit, bool open) {
    if (open == panel->isHidden()) {
        open ? OpenPanel(panel, exit) : ClosePanel(panel, exit);
    }
}

void MainWindow::CancelPressed() {
    if (cancelButton_ != nullptr && cancelButton_->parentWidget() != nullptr &&
        !cancelButton_->parentWidget()->isHidden()) {
        cancelButton_->click();
    }
}

// ---- The layout ----

void MainWindow::Form_Load() {
    WindowLayout& l = game_.panels.Layout;
    lblTrainDestBanner->adjustSize();
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const double screenTwips = s != nullptr ? Twips(s->geometry().width()) : Twips(1024);
    // The sizes of the controls that the layout reads, from the fonts the controls have here.
    ControlSizes sizes;
    sizes.BannerHeight = Twips(lblTrainDestBanner->sizeHint().height());
    sizes.CrystalsWidth = picStatusBar->CrystalsWidthTwips();
    ComputeWindowLayout(l, sizes, screenTwips);
    SyncMenus();
    PlaceControls();
    move(Px(l.Window.Left), Px(l.Window.Top));
    picGameView->setFocus();
}

// The window's own controls where the layout puts them, at the window's scale.
void MainWindow::PlaceControls() {
    const WindowLayout& l = game_.panels.Layout;
    picStatusBar->Layout(l);
    // The game view is the 640 × 377 picture; the twips of its border are not drawn.
    picGameView->setGeometry(PxRect(l.View));
    picGameView->Rescale();
    client->setFixedSize(Px(l.StatusBar.Width), Px(l.View.Bottom()));
    FitWindow();

    picTrainDest->setGeometry(PxRect(l.TrainDest));
    lblTrainDestBanner->move(0, 0);
    lblTrainDestBanner->resize(Px(l.Banner.Width), Px(l.Banner.Height));
    lblTrainDestBanner->adjustSize();
    lblTrainDestBanner->move(0, 0);
    UpdateCrystalDisplay();
}

void MainWindow::LayoutTicketWindow() {
    picTickets->Layout(picGameView->geometry());
}

void MainWindow::LayoutInfoPanel() {
    picInfo->Layout(picGameView->geometry());
}

// ---- Frontend ----

void MainWindow::ShowTime(const std::string& text) {
    picStatusBar->ShowTime(QString::fromStdString(text));
}

void MainWindow::ShowCityName(const std::string& text) {
    picStatusBar->ShowCityName(QString::fromStdString(text));
}

void MainWindow::UpdateCrystalDisplay() {
    picStatusBar->ShowCrystals(QString::fromStdString(CrystalDisplayText(game_.world)));
}

void MainWindow::SetStatusBarBlack(bool black) {
    picStatusBar->SetBlack(black);
}

void MainWindow::ShowNote(const std::string& text) {
    picStatusBar->ShowNote(QString::fromStdString(text));
}

void MainWindow::SetBannerText(const std::string& text) {
    lblTrainDestBanner->setText(QString::fromStdString(text));
    // The label sizes itself to its text; its left edge stays at 0.
    lblTrainDestBanner->adjustSize();
    lblTrainDestBanner->move(0, 0);
}

void MainWindow::SetBannerVisible(bool visible) {
    picTrainDest->setHidden(!visible);
}

// The panels open and close as the game holds them, and show its state.
void MainWindow::PanelsChanged() {
    ShowPanel(picTickets, picTickets->ExitButton(), game_.panels.TicketsOpen);
    ShowPanel(picInfo, picInfo->ExitButton(), game_.panels.InfoOpen);
    picTickets->Refresh();
    picInfo->Refresh();
}

void MainWindow::ShowTransit(const std::string& route, const std::string& time, const std::string& day) {
    SetStatusBarBlack(true);
    ClearGameView();
    journey_->Show(route, time, day);
}

void MainWindow::UpdateTransit(const std::string& time, const std::string& day) {
    journey_->Update(time, day);
}

void MainWindow::HideTransit() {
    journey_->Hide();
}

void MainWindow::PresentView(const Surface& view, std::span<const PixelRect> changed) {
    picGameView->ShowView(view, changed);
}

void MainWindow::ClearGameView() {
    picGameView->Clear();
}

bool MainWindow::AskYesNo(const std::string& question) {
    if (answer_) {
        const bool yes = *answer_;
        answer_.reset();
        return yes;
    }
    return messages_->AskYesNo(question);
}

void MainWindow::SetBusyPointer(bool busy) {
    busy ? QApplication::setOverrideCursor(Qt::WaitCursor) : QApplication::restoreOverrideCursor();
}

WindowState MainWindow::CurrentWindowState() const {
    WindowState state;
    state.Active = isActiveWindow() && dialogs_.OpenDialogs() == 0 && QApplication::activeModalWidget() == nullptr;
    state.Minimized = isMinimized();
    return state;
}

// ---- Events ----

void MainWindow::Act(const PlayerAction& action) {
    if (onAction) {
        onAction(action);
    }
    // A click the game did not take (a replay plays) leaves the menus and panels showing what the game
    // holds.
    SyncMenus();
    PanelsChanged();
}

void MainWindow::cmdExitInfo_Click() {
    Act({PlayerActionKind::OkInfo});
}

void MainWindow::cmdExitTix_Click() {
    Act({PlayerActionKind::OkTickets});
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(Form_Unload());
}

bool MainWindow::Form_Unload() {
    if (quitConfirmed_) {
        return true;
    }
    if (!messages_->AskYesNo("Are you sure you want to quit?")) {
        // The game goes on as it was, with every key released.
        if (onAction) {
            onAction({PlayerActionKind::Keys, 0});
        }
        return false;
    }
    quitConfirmed_ = true;
    std::string whyNot;
    if (!settingsPath_.empty() && !SaveSettings(game_.scene.JoystickMode, settingsPath_, &whyNot)) {
        std::cerr << "railquest: the control mode is not saved, the settings file is left as it is: " << whyNot << '\n';
    }
    frmHelp->close();
    if (onQuitConfirmed) {
        onQuitConfirmed();
    } else {
        QCoreApplication::quit();
    }
    return true;
}

}  // namespace rq
