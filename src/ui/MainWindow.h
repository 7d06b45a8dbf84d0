// frmMain: the game's main window. Menu bar, status bar, the game view and, laid over it, the
// information panel with its map, the ticket window and the departure banner. It shows what the game
// state holds and passes the player's clicks to the panels' rules; it is the game's frontend.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "main/Frontend.h"
#include "main/Game.h"
#include "ui/QtMessagePort.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace rq {

class AboutDialog;
class ClickLabel;
class GameView;
class HelpWindow;
class MapPicture;
class PictureBox;
class PointerImage;
class ShapeWidget;

// Call before the QApplication is made: a screen of ratio 1.25 or 1.5 is then treated as 1 or 2, so
// the game's pictures are scaled by whole factors.
void PrepareHighDpi();

class MainWindow : public QMainWindow, public Frontend {
    Q_OBJECT
public:
    explicit MainWindow(Game& game, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The layout, computed once. Form_Load runs when the window is made; start-up calls the other
    // two in this order after the pictures are loaded, the sprite slots exist and the track strip is built.
    void Form_Load();
    void LayoutTicketWindow();
    void LayoutInfoPanel();

    // Message boxes go through this port (the window's own dialogs unless a test puts its own in).
    void SetMessagePort(MessagePort* port);
    // Where SaveSettings writes when the player quits; empty writes nothing.
    void SetSettingsPath(const std::string& path) { settingsPath_ = path; }
    // Runs after "Yes" to the quit question, once the settings are saved and a journey told to
    // stop: the app releases the sprite engine and ends. Without it the application quits.
    std::function<void()> onQuitConfirmed;

    // ---- Frontend ----
    void ShowMessage(const std::string& text) override;
    void ShowExclamation(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    void ShowTime(const std::string& text) override;
    void ShowCityName(const std::string& text) override;
    void UpdateCrystalDisplay() override;
    void SetStatusBarBlack(bool black) override;
    void SetBannerText(const std::string& text) override;
    void SetBannerVisible(bool visible) override;
    void FillTrainSchedule(std::int16_t city) override;
    void ShowTicketWindow() override;
    void HideTicketWindow() override;
    bool IsTicketWindowVisible() const override;
    void ShowCapitalInfo(std::int16_t city) override;
    void OpenMapFromCapitol() override;
    bool IsInfoPanelVisible() const override;
    void HideInfoPanel() override;
    void RefreshMapAndInfo() override;
    void RefreshInfoForCurrentCity() override;
    void ClearPanels() override;
    void ShowTransit(const std::string& route, const std::string& time, const std::string& day) override;
    void UpdateTransit(const std::string& time, const std::string& day) override;
    void HideTransit() override;
    void PresentView(const Surface& view) override;
    void ClearGameView() override;
    void SyncMenus() override;
    WindowState CurrentWindowState() const override;

    // Redraw the panels from the game state (after the rules changed it).
    void RefreshInfoPanel();
    void RefreshTicketWindow();

    // The panel's event handlers.
    void cmdZoom_Click();
    void cmdBack_Click();
    void cmdForward_Click();
    void cmdExitInfo_Click();
    void cmdExitTix_Click();
    void lblInfoTrainDest_Click(int index);
    void lblLegend_Click(int index);
    void optTrain_Click(int index);
    void mnuContents_Click();
    void mnuAbout_Click();
    void mnuExit_Click();
    void mnuOpen_Click() {}  // the game has no saved games
    void mnuSave_Click() {}

    // ---- Controls, by their design names ----
    QMenu* mnuGame = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuBreak1 = nullptr;
    QAction* mnuSkipToTrain = nullptr;
    QAction* mnuBreak4 = nullptr;
    QAction* mnuJoystick = nullptr;
    QAction* mnuKeyboard = nullptr;
    QAction* mnuSound = nullptr;
    QAction* mnuPause = nullptr;
    QAction* mnuBreak2 = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuBreak3 = nullptr;
    QAction* mnuAbout = nullptr;

    QWidget* client = nullptr;  // the window's inner area below the menu bar
    PictureBox* picStatusBar = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* lblCityName = nullptr;
    QLabel* lblSymbol = nullptr;
    QLabel* lblCrystals = nullptr;

    GameView* picGameView = nullptr;
    QLabel* lblDayNum = nullptr;
    QLabel* lblInTransit = nullptr;
    QLabel* lblTransitTime = nullptr;

    PictureBox* picTrainDest = nullptr;
    QLabel* lblTrainDestBanner = nullptr;

    PictureBox* picInfo = nullptr;
    MapPicture* picUSA = nullptr;
    PictureBox* picUSAZoomContain = nullptr;
    MapPicture* picUSAZoom = nullptr;
    QScrollBar* hscUSA = nullptr;
    QScrollBar* vscUSA = nullptr;
    PointerImage* imgPointer = nullptr;
    PictureBox* picInfoLegend = nullptr;
    std::array<ShapeWidget*, 5> shpLegend{};
    std::array<ClickLabel*, 5> lblLegend{};
    PictureBox* picInfoInfo = nullptr;
    QLabel* lblInfoInfo = nullptr;
    PictureBox* picInfoTrainDests = nullptr;
    QLabel* lblInfoTrainDestTip = nullptr;
    std::array<ClickLabel*, 6> lblInfoTrainDest{};  // 1..5
    QPushButton* cmdZoom = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdForward = nullptr;
    QPushButton* cmdExitInfo = nullptr;
    ShapeWidget* shpInfoBorder = nullptr;

    PictureBox* picTickets = nullptr;
    QLabel* lblTrainTitle = nullptr;
    std::array<QRadioButton*, 6> optTrain{};    // 1..5
    std::array<ClickLabel*, 6> lblTrainType{};  // 1..5
    std::array<ClickLabel*, 6> lblTrainDest{};  // 1..5
    std::array<ClickLabel*, 6> lblTrainTime{};  // 1..5
    QPushButton* cmdExitTix = nullptr;
    ShapeWidget* shpTixBorder = nullptr;

    HelpWindow* frmHelp = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildStatusBar();
    void BuildGameView();
    void BuildInfoPanel();
    void BuildTicketWindow();
    void PlaceCrystalSymbol();
    void SetCancelButton(QPushButton* button);
    void CancelPressed();
    bool Form_Unload();

    Game& game_;
    QtMessagePort dialogs_;
    MessagePort* messages_;
    std::string settingsPath_;
    QPushButton* cancelButton_ = nullptr;
    int crystalsRight_ = 0;  // the right edge of lblCrystals, pixels
    bool quitConfirmed_ = false;
};

}  // namespace rq
