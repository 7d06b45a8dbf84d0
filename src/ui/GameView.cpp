// picGameView: shows the view the game loop hands over, in whole-pixel steps.
#include "ui/GameView.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

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
    if (picture_.size() != QSize(view.Width, view.Height) || shown_.Width != view.Width ||
        shown_.Height != view.Height) {
        picture_ = SurfaceToImage(view);
        shown_ = view;
        update();
        return;
    }
    // Only the rows and columns that changed since the last picture are converted and repainted: at
    // a quiet station most ticks change little, and the window system need not be sent the whole view.
    int top = view.Height;
    int bottom = -1;
    int left = view.Width;
    int right = -1;
    const auto width = static_cast<std::size_t>(view.Width);
    for (int y = 0; y < view.Height; ++y) {
        const std::uint32_t* now = view.Pixels.data() + static_cast<std::size_t>(y) * width;
        std::uint32_t* before = shown_.Pixels.data() + static_cast<std::size_t>(y) * width;
        if (std::memcmp(now, before, width * sizeof(std::uint32_t)) == 0) {
            continue;
        }
        auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(y));
        for (int x = 0; x < view.Width; ++x) {
            if (now[x] != before[x]) {
                before[x] = now[x];
                line[x] = now[x] | 0xFF000000u;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        top = std::min(top, y);
        bottom = y;
    }
    if (bottom >= 0) {
        const int k = WholeScale(devicePixelRatioF());
        update(QRect(left * k, top * k, (right - left + 1) * k, (bottom - top + 1) * k));
    }
}

void GameView::Clear() {
    picture_.fill(Qt::black);
    shown_ = Surface{};
    update();
}

int GameView::WholeScale(double devicePixelRatio) {
    return std::max(1, static_cast<int>(std::floor(devicePixelRatio + 1e-9)));
}

void GameView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRegion(event->region());
    // Every game pixel becomes k × k device pixels: on a screen of ratio 1.5 the view is drawn at
    // k = 1 in device pixels (a little smaller) rather than smeared over half pixels.
    const double ratio = devicePixelRatioF();
    const int k = WholeScale(ratio);
    const QRect pictureRect(QPoint(0, 0), picture_.size() * k / ratio);
    for (const QRect& border : QRegion(rect()).subtracted(pictureRect)) {
        p.fillRect(border, Qt::black);
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (k == 1 && ratio == 1.0) {
        // Only the exposed part of the picture is drawn.
        const QRect exposed = event->rect() & pictureRect;
        p.drawImage(exposed.topLeft(), picture_, exposed);
        return;
    }
    QImage shown =
        k == 1 ? picture_ : picture_.scaled(picture_.size() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    shown.setDevicePixelRatio(ratio);
    p.drawImage(QPointF(0, 0), shown);
}

}  // namespace rq
