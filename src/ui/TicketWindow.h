// picTickets: the ticket window ("Train Schedule") laid over the game view, with a row of option
// button, "*", destination and departure time for each train slot, and its OK button.
#pragma once

#include <QRect>
#include <array>
#include <functional>

#include "game/Game.h"
#include "game/PlayerAction.h"
#include "ui/Controls.h"

class QPushButton;
class QRadioButton;

namespace rq {

class TicketWindow : public PictureBox {
    Q_OBJECT
public:
    TicketWindow(Game& game, QWidget* parent);

    // LayoutTicketWindow: beside the ticket office's sprite, its bottom on the game view's (view,
    // pixels in the window's container), its rows back at their own places.
    void Layout(const QRect& view);
    // The controls placed again at the window's scale, the game's layout and rows as they stand.
    void Place(const QRect& view);
    // Shows the rows as the ticket state holds them: places, captions, marks and the chosen train.
    void Refresh();
    // "OK", the window's cancel button (Escape presses it while the window is open).
    QPushButton* ExitButton() const { return cmdExitTix; }
    // Where a click on a row goes as the player's action (the game's one door).
    std::function<void(const PlayerAction&)> onAction;

signals:
    // "OK" was clicked; the main window hides the ticket window and brings the player back.
    void exitClicked();

private:
    void optTrain_Click(int index);

    Game& game_;
    QLabel* lblTrainTitle = nullptr;
    std::array<QRadioButton*, 6> optTrain{};    // 1..5
    std::array<ClickLabel*, 6> lblTrainType{};  // 1..5
    std::array<ClickLabel*, 6> lblTrainDest{};  // 1..5
    std::array<ClickLabel*, 6> lblTrainTime{};  // 1..5
    QPushButton* cmdExitTix = nullptr;
    ShapeWidget* shpTixBorder = nullptr;
};

}  // namespace rq
