// picInfo: the information panel laid over the game view, with the map and its enlargement, the
// legend, the shown city's caption and destinations, and the Zoom, Back, Forward and OK buttons.
#pragma once

#include <QRect>
#include <array>
#include <functional>

#include "game/Game.h"
#include "game/PlayerAction.h"
#include "ui/Controls.h"

class QPushButton;
class QScrollBar;

namespace rq {

class MapPicture;
class PointerImage;

class InfoPanel : public PictureBox {
    Q_OBJECT
public:
    InfoPanel(Game& game, QWidget* parent);

    // LayoutInfoPanel: the panel around the loaded map picture, right-aligned on the game view (view,
    // pixels in the panel's container), clipped to it.
    void Layout(const QRect& view);
    // The controls placed again at the window's scale, the game's layout as it stands.
    void Place(const QRect& view);
    // Shows what the panels' state holds: the caption, destinations, buttons, map, scroll bars and arrow.
    void Refresh();
    // "OK", the panel's cancel button (Escape presses it while the panel is open).
    QPushButton* ExitButton() const { return cmdExitInfo; }
    // Where the panel's clicks go as the player's actions (the game's one door); the panel shows
    // what the game then holds when told to Refresh.
    std::function<void(const PlayerAction&)> onAction;

signals:
    // "OK" was clicked; the window hides the panel and brings the player back.
    void exitClicked();

private:
    void BuildMap();
    void BuildLegend();
    void BuildCityCaption();
    void BuildButtons();
    void Act(const PlayerAction& action);

    void cmdZoom_Click();
    void cmdBack_Click();
    void cmdForward_Click();
    void lblInfoTrainDest_Click(int index);
    void lblLegend_Click(int index);

    Game& game_;
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
};

}  // namespace rq
