// picStatusBar: the one-line bar along the top of the main window with the clock (lblTime), the
// city name (lblCityName) and, at the right end, the crystal symbol (lblSymbol) and count (lblCrystals).
// A note for the player (lblNote: a game saved, a recording ended) stands over the city name for a while.
#pragma once

#include <QString>
#include <QTimer>

#include "game/PanelState.h"
#include "ui/ClockLabel.h"
#include "ui/Controls.h"

namespace rq {

class StatusBar : public PictureBox {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);

    // The width lblCrystals is given, twips: wide enough for "100" in its font.
    double CrystalsWidthTwips() const;
    // Form_Load's part: the bar's place, the city name's box and the count's right edge.
    void Layout(const WindowLayout& l);

    // The clock's text; its label keeps the width Layout gave it.
    void ShowTime(const QString& text);
    void ShowCityName(const QString& text);
    // The count sizes itself to its number at its right edge; the symbol sits 60 twips to its left.
    void ShowCrystals(const QString& text);
    // Black for a journey, light grey in a city.
    void SetBlack(bool black);
    // Shows `text` in place of the city name for a few seconds.
    void ShowNote(const QString& text);
    // While the autoplayer plays the demo, its line stands in the city name's place.
    void ShowDemo(bool on);

private:
    static constexpr int kTimeSlack = 4;  // pixels beyond the widest text, for kerning
    void FitTimeLabel();

    SteadyLabel* lblCityName;
    ClockLabel* lblTime;
    QLabel* lblSymbol;
    QLabel* lblCrystals;
    SteadyLabel* lblNote;
    QTimer noteTimer_;
    SteadyLabel* lblDemo;
    int crystalsRight_ = 0;  // the right edge of lblCrystals, pixels
};

}  // namespace rq
