// frmMain: the game's main window. Menu bar, status bar, the game view and, laid over it, the
// information panel (InfoPanel), the ticket window (TicketWindow) and the departure banner. It wires
// the menus and panels to the game and is the game's frontend; tests find its controls by objectName.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "game/Game.h"
#include "game/PlayerAction.h"
#include "panels/PanelFrontend.h"
#include "save/WinRecords.h"
#include "ui/QtMessagePort.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QShortcut;

namespace rq {

class CentredFrame;
class GameView;
class HelpWindow;
class InfoPanel;
class JourneyDisplay;
class PictureBox;
class StatusBar;
class TicketWindow;

// Call before the QApplication is made: a screen of ratio 1.25 or 1.5 is then treated as 1 or 2, so
// the game's pictures are scaled by whole factors.
void PrepareHighDpi();

// The file dialogs of the Game menu's Open and Save.
enum class SaveDialog : std::uint8_t { Open, Save };

class MainWindow : public QMainWindow, public PanelFrontend {
    Q_OBJECT
public:
    explicit MainWindow(Game& game, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The layout, computed once. Form_Load runs when the window is made; start-up calls the other
    // two in this order after the pictures are loaded and the sprite slots exist.
    void Form_Load();
    void LayoutTicketWindow();
    void LayoutInfoPanel();

    // Message boxes go through this port (the window's own dialogs unless a test puts its own in).
    void SetMessagePort(MessagePort* port) { messages_ = port != nullptr ? port : &dialogs_; }
    // Where SaveSettings writes when the player quits; empty writes nothing.
    void SetSettingsPath(const std::string& path) { settingsPath_ = path; }
    // Runs after "Yes" to the quit question, once the settings are saved: the app keeps the game,
    // tells a journey to stop, releases the sprite engine and ends. Without it the application quits.
    std::function<void()> onQuitConfirmed;
    // Where the menus, the panels and Escape send the player's actions: the game's one door. The
    // window shows what the game then holds; it never changes the game itself.
    std::function<void(const PlayerAction&)> onAction;
    // Open and Save: the file the player chose in the dialog (which starts in `folder`) goes to the
    // app, which opens or saves the game; the window never replaces the game itself. A test puts its
    // own choice in place of the dialog; an empty name is a cancelled dialog.
    std::function<std::string(SaveDialog dialog, const std::string& folder)> chooseFile;
    std::function<void(const std::string& path)> onOpen;
    std::function<void(const std::string& path)> onSave;
    // A note for the player in the status bar for a few seconds.
    void ShowNote(const std::string& text);

    // ---- Frontend ----
    void ShowMessage(const std::string& text) override { messages_->ShowMessage(text); }
    void ShowExclamation(const std::string& text) override { messages_->ShowExclamation(text); }
    bool AskYesNo(const std::string& question) override;
    void AnswerNextQuestion(bool yes) override { answer_ = yes; }
    void ShowTime(const std::string& text) override;
    void ShowCityName(const std::string& text) override;
    void UpdateCrystalDisplay() override;
    void SetStatusBarBlack(bool black) override;
    void SetBannerText(const std::string& text) override;
    void SetBannerVisible(bool visible) override;
    void PanelsChanged() override;
    void ShowTransit(const std::string& route, const std::string& time, const std::string& day) override;
    void UpdateTransit(const std::string& time, const std::string& day) override;
    void HideTransit() override;
    void PresentView(const Surface& view, std::span<const PixelRect> changed) override;
    void ClearGameView() override;
    void SyncMenus() override;
    // While a recording plays, the Game menu's entries but Exit, and Escape, are off and the title
    // names the recording; an empty name ends that.
    void ShowReplay(const std::string& name);
    // While the autoplayer plays the demo the status bar says so; any key or click ends it.
    void ShowDemo(bool on);
    // A hand-over of the input: the demo's note while the autoplayer plays, the replay's title and
    // menus only while a recording does.
    void ShowInputFrom(InputFrom who) override;

    // ---- The window's scale (1× to 4×) and full screen ----
    // After start-up's layout: the scale kept in the settings file at `settingsPath`, or on the first
    // start the largest that fits the screen's free area. A change is kept there when `keep` is set.
    void ShowAtKeptScale(const std::string& settingsPath, bool keep);
    // Lays the whole window out again at `scale` (clamped to 1..4), the game untouched.
    void SetScale(int scale);
    void ToggleFullScreen();
    // Help → Watch the Autoplayer: the app hands the running game to the autoplayer.
    std::function<void()> onWatchDemo;
    // What Help → Records... shows; none shows empty records.
    std::function<const WinRecords*()> records;
    // A saved game just opened or saved goes to the top of "Open Recent".
    void NoteRecentGame(const std::string& path);
    void SetBusyPointer(bool busy) override;
    WindowState CurrentWindowState() const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildKeys();
    void BuildViewMenu();
    void BuildRecentMenu();
    void BuildHelpExtras();
    void SyncHelpExtras();
    void mnuRecords_Click();
    void FillRecentMenu();
    void PlaceControls();
    void FitWindow();
    void ChangeScale(int scale);  // the player's change, kept
    int FittingScale(QSize area, int decoration) const;
    void SyncViewMenu();
    void OpenPanel(QWidget* panel, QPushButton* exit);
    void ClosePanel(QWidget* panel, QPushButton* exit);
    void ShowPanel(QWidget* panel, QPushButton* exit, bool open);
    void Act(const PlayerAction& action);
    void CancelPressed();

    void cmdExitInfo_Click();
    void cmdExitTix_Click();
    void mnuContents_Click();
    void mnuAbout_Click();
    void mnuExit_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    std::string ChooseFile(SaveDialog dialog);
    std::string ChooseInDialog(SaveDialog dialog, const std::string& folder);
    bool Form_Unload();

    Game& game_;
    QtMessagePort dialogs_;
    MessagePort* messages_;
    std::string settingsPath_;
    QPushButton* cancelButton_ = nullptr;
    QShortcut* escape_ = nullptr;
    std::optional<bool> answer_;  // a replayed answer to the next question
    bool quitConfirmed_ = false;

    // ---- Controls, by their design names ----
    QMenu* mnuGame = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSkipToTrain = nullptr;
    QAction* mnuJoystick = nullptr;
    QAction* mnuKeyboard = nullptr;
    QAction* mnuSound = nullptr;
    QAction* mnuPause = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuAbout = nullptr;

    QMenu* mnuRecent = nullptr;
    QAction* mnuWatchDemo = nullptr;
    QAction* mnuRecords = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuZoomIn = nullptr;
    QAction* mnuZoomOut = nullptr;
    QAction* mnuActualSize = nullptr;
    QAction* mnuFullScreen = nullptr;

    CentredFrame* frame_ = nullptr;     // black, the client at its centre
    std::string scalePath_;             // where a change of scale is kept; empty keeps none
    int windowedScale_ = 1;             // the scale to return to from full screen
    bool fullScreen_ = false;           // asked for: a window manager may not say so
    QWidget* client = nullptr;          // the window's inner area below the menu bar
    StatusBar* picStatusBar = nullptr;  // lblTime, lblCityName, lblSymbol, lblCrystals

    GameView* picGameView = nullptr;
    std::unique_ptr<JourneyDisplay> journey_;  // lblInTransit, lblTransitTime, lblDayNum on picGameView

    PictureBox* picTrainDest = nullptr;
    QLabel* lblTrainDestBanner = nullptr;

    InfoPanel* picInfo = nullptr;
    TicketWindow* picTickets = nullptr;
    HelpWindow* frmHelp = nullptr;
};

}  // namespace rq
