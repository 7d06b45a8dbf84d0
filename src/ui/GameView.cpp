// picGameView: shows the view the game loop hands over, in whole-pixel steps.
#include "ui/GameView.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
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

void GameView::ShowView(const Surface& view, std::span<const PixelRect> changed) {
    if (!view.Exists()) {
        return;
    }
    repaint_.clear();
    if (whole_ || picture_.size() != QSize(view.Width, view.Height)) {
        if (picture_.size() != QSize(view.Width, view.Height)) {
            picture_ = QImage(view.Width, view.Height, QImage::Format_RGB32);
            update();  // the black border around the picture moves
        }
        whole_ = false;
        TakeBlock(view, PixelRect{0, 0, view.Width, view.Height});
    } else {
        for (const PixelRect& block : changed) {
            TakeBlock(view, block);
        }
    }
    // A walker's old and new places overlap: one repaint of both is cheaper for Qt than two.
    for (std::size_t i = 0; i < repaint_.size(); ++i) {
        for (std::size_t j = i + 1; j < repaint_.size();) {
            if (repaint_[i].adjusted(0, 0, 1, 1).intersects(repaint_[j])) {
                repaint_[i] |= repaint_[j];
                repaint_.erase(repaint_.begin() + static_cast<std::ptrdiff_t>(j));
                j = i + 1;  // the grown block may now reach blocks it passed
            } else {
                ++j;
            }
        }
    }
    for (const QRect& r : repaint_) {
        update(r);
    }
}

// The block's pixels made opaque in place; its part of the widget is noted for repainting.
void GameView::TakeBlock(const Surface& view, const PixelRect& block) {
    const int left = std::max(block.Left, 0);
    const int top = std::max(block.Top, 0);
    const int right = std::min(block.Right, view.Width);
    const int bottom = std::min(block.Bottom, view.Height);
    if (right <= left || bottom <= top) {
        return;
    }
    for (int y = top; y < bottom; ++y) {
        const std::uint32_t* from = view.Pixels.data() +
                                    static_cast<std::size_t>(y) * static_cast<std::size_t>(view.Width) +
                                    static_cast<std::size_t>(left);
        auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(y)) + left;
        for (int x = 0; x < right - left; ++x) {
            line[x] = from[x] | 0xFF000000u;
        }
    }
    const int k = WholeScale(devicePixelRatioF());
    repaint_.push_back(QRect(left * k, top * k, (right - left) * k, (bottom - top) * k));
}

void GameView::Clear() {
    picture_.fill(Qt::black);
    whole_ = true;
    update();
}

int GameView::WholeScale(double devicePixelRatio) {
    return std::max(1, static_cast<int>(std::floor(devicePixelRatio + 1e-9)));
}

void GameView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // Every game pixel becomes k × k device pixels: on a screen of ratio 1.5 the view is drawn at
    // k = 1 in device pixels (a little smaller) rather than smeared over half pixels.
    const double ratio = devicePixelRatioF();
    const int k = WholeScale(ratio);
    const QRect pictureRect(QPoint(0, 0), picture_.size() * k / ratio);
    if (!pictureRect.contains(event->rect())) {
        p.setClipRegion(event->region());
        for (const QRect& border : QRegion(rect()).subtracted(pictureRect)) {
            p.fillRect(border, Qt::black);
        }
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (k == 1 && ratio == 1.0) {
        // Each exposed rectangle is copied on its own: under a clip of many rectangles Qt would blend
        // the picture span by span (handing the spans to its thread pool) instead of copying rows.
        for (const QRect& r : event->region()) {
            const QRect exposed = r & pictureRect;
            if (!exposed.isEmpty()) {
                p.setClipRect(exposed);
                p.drawImage(exposed.topLeft(), picture_, exposed);
            }
        }
        return;
    }
    p.setClipRegion(event->region());
    QImage shown =
        k == 1 ? picture_ : picture_.scaled(picture_.size() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    shown.setDevicePixelRatio(ratio);
    p.drawImage(QPointF(0, 0), shown);
}

}  // namespace rq
