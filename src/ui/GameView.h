// picGameView: the 640 × 377 view of the street (or the black journey display) that the game loop
// hands over each tick, scaled by a whole factor on high-density screens.
#pragma once

#include <QImage>
#include <QWidget>
#include <span>
#include <vector>

#include "sprite/SpriteEngine.h"
#include "sprite/Surface.h"

class QPainter;

namespace rq {

// A Surface's 0x00RRGGBB pixels as an opaque picture.
QImage SurfaceToImage(const Surface& surface);

class GameView : public QWidget {
    Q_OBJECT
public:
    explicit GameView(QWidget* parent);
    // Takes the blocks of the view that changed (view coordinates) into the picture and repaints
    // only them; the whole view after a clear or a change of size.
    void ShowView(const Surface& view, std::span<const PixelRect> changed);
    void Clear();  // black
    // The widget's size and the enlarged picture at the window's scale.
    void Rescale();
    const QImage& Picture() const { return picture_; }
    // The whole factor the picture is drawn at on a screen of this device-pixel ratio.
    static int WholeScale(double devicePixelRatio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // f: device pixels a game pixel takes; toWidget: widget pixels a game pixel takes.
    void TakeBlock(const Surface& view, const PixelRect& block, int f, double toWidget);
    // Copies the exposed part of the picture straight into the window's pixels when they are a plain
    // picture the painter draws into; false when it cannot, and the picture is to be drawn.
    static bool CopyExposed(QPainter& p, const QRegion& region, const QImage& shown, const QRect& pictureRect);
    int Factor() const;  // device pixels a game pixel takes, each way

    QImage picture_;              // opaque RGB32, the format the window's backing store takes as it is
    QImage shown_;                // the picture enlarged by Factor() when that is over 1
    bool whole_ = true;           // the next view is taken whole
    std::vector<QRect> repaint_;  // the parts of the widget to repaint for the view just taken
};

}  // namespace rq
