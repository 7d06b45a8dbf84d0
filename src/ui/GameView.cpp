// picGameView: shows the view the game loop hands over, in whole-pixel steps.
#include "ui/GameView.h"

#include <QPainter>
#include <cmath>

namespace rq {

QImage SurfaceToImage(const Surface& surface) {
    if (!surface.Exists()) {
        return {};
    }
    QImage image(surface.Width, surface.Height, QImage::Format_RGB32);
    for (int y = 0; y < surface.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < surface.Width; ++x) {
            line[x] = surface.At(x, y) | 0xFF000000u;
        }
    }
    return image;
}

GameView::GameView(QWidget* parent) : QWidget(parent), picture_(640, 377, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("picGameView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    picture_.fill(Qt::black);
}

void GameView::ShowView(const Surface& view) {
    if (!view.Exists()) {
        return;
    }
    picture_ = SurfaceToImage(view);
    update();
}

void GameView::Clear() {
    picture_.fill(Qt::black);
    update();
}

int GameView::WholeScale(double devicePixelRatio) {
    return std::max(1, static_cast<int>(std::floor(devicePixelRatio + 1e-9)));
}

void GameView::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    // Every game pixel becomes k × k device pixels: on a screen of ratio 1.5 the view is drawn at
    // k = 1 in device pixels (a little smaller) rather than smeared over half pixels.
    const double ratio = devicePixelRatioF();
    const int k = WholeScale(ratio);
    QImage shown =
        k == 1 ? picture_ : picture_.scaled(picture_.size() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    shown.setDevicePixelRatio(ratio);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QPointF(0, 0), shown);
}

}  // namespace rq
