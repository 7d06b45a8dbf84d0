// picGameView: the 640 × 377 view of the street (or the black journey display) that the game loop
// hands over each tick, scaled by a whole factor on high-density screens.
#pragma once

#include <QImage>
#include <QWidget>

#include "sprite/Surface.h"

namespace rq {

// A Surface's 0x00RRGGBB pixels as an opaque picture.
QImage SurfaceToImage(const Surface& surface);

class GameView : public QWidget {
    Q_OBJECT
public:
    explicit GameView(QWidget* parent);
    void ShowView(const Surface& view);
    void Clear();  // black
    const QImage& Picture() const { return picture_; }
    // The whole factor the picture is drawn at on a screen of this device-pixel ratio.
    static int WholeScale(double devicePixelRatio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    Surface shown_;  // the view the picture was last made from
};

}  // namespace rq
