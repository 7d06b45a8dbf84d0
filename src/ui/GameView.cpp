// picGameView: shows the view the game loop hands over, in whole-pixel steps.
#include "ui/GameView.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "ui/WindowScale.h"

namespace rq {

namespace {

// A row of 0x00RRGGBB pixels as opaque ones. Eight at a time, a loop the compiler turns into a few
// vector instructions; pixel by pixel it would take four instructions each.
void CopyOpaque(QRgb* __restrict to, const std::uint32_t* __restrict from, std::size_t count) {
    constexpr std::size_t kChunk = 8;
    std::size_t x = 0;
    for (; x + kChunk <= count; x += kChunk) {
        for (std::size_t k = 0; k < kChunk; ++k) {
            to[x + k] = from[x + k] | 0xFF000000u;
        }
    }
    for (; x < count; ++x) {
        to[x] = from[x] | 0xFF000000u;
    }
}

// An opaque picture whose pixels lie in the game's pixel memory, on large pages where the system
// has them, like the surfaces it is copied from.
QImage PixelImage(QSize size) {
    struct Block {
        void* pixels;
        std::size_t bytes;
    };
    const auto stride = static_cast<std::size_t>(size.width()) * sizeof(QRgb);
    const std::size_t bytes = stride * static_cast<std::size_t>(size.height());
    if (bytes == 0) {
        return {};
    }
    auto* block = new Block{PixelMemory::Take(bytes), bytes};
    return QImage(
        static_cast<uchar*>(block->pixels), size.width(), size.height(), static_cast<qsizetype>(stride),
        QImage::Format_RGB32,
        [](void* info) {
            auto* b = static_cast<Block*>(info);
            PixelMemory::Give(b->pixels, b->bytes);
            delete b;
        },
        block);
}

}  // namespace

QImage SurfaceToImage(const Surface& surface) {
    if (!surface.Exists()) {
        return {};
    }
    QImage image(surface.Width, surface.Height, QImage::Format_RGB32);
    for (int y = 0; y < surface.Height; ++y) {
        CopyOpaque(reinterpret_cast<QRgb*>(image.scanLine(y)),
                   surface.Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(surface.Width),
                   static_cast<std::size_t>(surface.Width));
    }
    return image;
}

GameView::GameView(QWidget* parent) : QWidget(parent), picture_(PixelImage(QSize(640, 377))) {
    setObjectName(QStringLiteral("picGameView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    picture_.fill(Qt::black);
}

void GameView::ShowView(const Surface& view, std::span<const PixelRect> changed) {
    if (!view.Exists()) {
        return;
    }
    repaint_.clear();
    // Asking the window for its pixel ratio walks up to its screen: once a view, not once a block.
    const int f = Factor();
    const double toWidget = f / devicePixelRatioF();
    const QSize enlarged = f == 1 ? QSize(0, 0) : QSize(view.Width, view.Height) * f;
    if (whole_ || picture_.size() != QSize(view.Width, view.Height) || shown_.size() != enlarged) {
        if (picture_.size() != QSize(view.Width, view.Height)) {
            picture_ = PixelImage(QSize(view.Width, view.Height));
            update();  // the black border around the picture moves
        }
        if (shown_.size() != enlarged) {
            shown_ = f == 1 ? QImage() : PixelImage(enlarged);
        }
        whole_ = false;
        TakeBlock(view, PixelRect{0, 0, view.Width, view.Height}, f, toWidget);
    } else {
        for (const PixelRect& block : changed) {
            TakeBlock(view, block, f, toWidget);
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
    QRegion region;
    for (const QRect& r : repaint_) {
        region += r;
    }
    update(region);
}

// The block's pixels made opaque in place, and enlarged into the shown picture (only the block: the
// rest of the enlargement still holds); its part of the widget is noted for repainting.
void GameView::TakeBlock(const Surface& view, const PixelRect& block, int f, double toWidget) {
    const int left = std::max(block.Left, 0);
    const int top = std::max(block.Top, 0);
    const int right = std::min(block.Right, view.Width);
    const int bottom = std::min(block.Bottom, view.Height);
    if (right <= left || bottom <= top) {
        return;
    }
    const auto width = static_cast<std::size_t>(right - left);
    // The rows are reached from the first one: scanLine() would check the picture is not shared
    // (a call into Qt) once a row, in every block of every tick.
    uchar* const pictureBits = picture_.bits();
    const auto pictureStride = static_cast<std::size_t>(picture_.bytesPerLine());
    uchar* const shownBits = f == 1 ? nullptr : shown_.bits();
    const auto shownStride = f == 1 ? std::size_t{0} : static_cast<std::size_t>(shown_.bytesPerLine());
    for (int y = top; y < bottom; ++y) {
        const std::uint32_t* from = view.Pixels.data() +
                                    static_cast<std::size_t>(y) * static_cast<std::size_t>(view.Width) +
                                    static_cast<std::size_t>(left);
        auto* line = reinterpret_cast<QRgb*>(pictureBits + static_cast<std::size_t>(y) * pictureStride) + left;
        CopyOpaque(line, from, width);
        if (f == 1) {
            continue;
        }
        auto* big = reinterpret_cast<QRgb*>(shownBits + static_cast<std::size_t>(y * f) * shownStride) + left * f;
        for (std::size_t x = 0; x < width; ++x) {
            std::fill_n(big + x * static_cast<std::size_t>(f), f, line[x]);
        }
        for (int copy = 1; copy < f; ++copy) {
            std::copy_n(
                big, width * static_cast<std::size_t>(f),
                reinterpret_cast<QRgb*>(shownBits + static_cast<std::size_t>(y * f + copy) * shownStride) + left * f);
        }
    }
    repaint_.push_back(
        QRectF(left * toWidget, top * toWidget, (right - left) * toWidget, (bottom - top) * toWidget).toAlignedRect());
}

void GameView::Clear() {
    picture_.fill(Qt::black);
    if (!shown_.isNull()) {
        shown_.fill(Qt::black);
    }
    whole_ = true;
    update();
}

void GameView::Rescale() {
    whole_ = true;
    shown_ = QImage();
    const int f = Factor();
    if (f > 1) {
        const QImage enlarged = picture_.scaled(picture_.size() * f, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        shown_ = PixelImage(enlarged.size());
        for (int y = 0; y < enlarged.height(); ++y) {
            std::memcpy(shown_.scanLine(y), enlarged.constScanLine(y),
                        static_cast<std::size_t>(enlarged.bytesPerLine()));
        }
    }
    update();
}

int GameView::WholeScale(double devicePixelRatio) {
    return std::max(1, static_cast<int>(std::floor(devicePixelRatio + 1e-9)));
}

int GameView::Factor() const {
    return WindowScale() * WholeScale(devicePixelRatioF());
}

// The window's pixels are a plain picture while it is painted: the exposed rows of the view are copied
// into it as they are, without a painter's clip set up for each rectangle and a blend through it.
bool GameView::CopyExposed(QPainter& p, const QRegion& region, const QImage& shown, const QRect& pictureRect) {
    QPaintEngine* engine = p.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster || engine->paintDevice() == nullptr ||
        engine->paintDevice()->devType() != QInternal::Image) {
        return false;
    }
    auto* device = static_cast<QImage*>(engine->paintDevice());
    const QTransform& toDevice = p.deviceTransform();
    const QPoint offset(static_cast<int>(toDevice.dx()), static_cast<int>(toDevice.dy()));
    const QImage::Format format = device->format();
    // Only an unshared picture of opaque 32-bit pixels, offset by whole pixels; anything else is painted.
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
         format != QImage::Format_ARGB32_Premultiplied) ||
        device->devicePixelRatio() != 1.0 || !device->isDetached() || p.opacity() != 1.0 ||
        p.compositionMode() != QPainter::CompositionMode_SourceOver || toDevice.type() > QTransform::TxTranslate ||
        QPointF(offset) != QPointF(toDevice.dx(), toDevice.dy()) || shown.format() != QImage::Format_RGB32) {
        return false;
    }
    uchar* const to = device->bits();
    const auto toStride = static_cast<std::size_t>(device->bytesPerLine());
    const uchar* const from = shown.constBits();
    const auto fromStride = static_cast<std::size_t>(shown.bytesPerLine());
    for (const QRect& r : region) {
        const QRect exposed = r & pictureRect & device->rect().translated(-offset) & shown.rect();
        if (exposed.isEmpty()) {
            continue;
        }
        const auto bytes = static_cast<std::size_t>(exposed.width()) * sizeof(QRgb);
        for (int y = exposed.top(); y <= exposed.bottom(); ++y) {
            std::memcpy(to + static_cast<std::size_t>(y + offset.y()) * toStride +
                            static_cast<std::size_t>(exposed.left() + offset.x()) * sizeof(QRgb),
                        from + static_cast<std::size_t>(y) * fromStride +
                            static_cast<std::size_t>(exposed.left()) * sizeof(QRgb),
                        bytes);
        }
    }
    return true;
}

void GameView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // Every game pixel becomes a square of whole device pixels: on a screen of ratio 1.5 the view is
    // drawn at one device pixel a game pixel (a little smaller) rather than smeared over half pixels.
    const double ratio = devicePixelRatioF();
    const int f = Factor();
    const QImage& shown = f == 1 ? picture_ : shown_;
    const QRect pictureRect(QPoint(0, 0), (QSizeF(picture_.size() * f) / ratio).toSize());
    if (!pictureRect.contains(event->rect())) {
        p.setClipRegion(event->region());
        for (const QRect& border : QRegion(rect()).subtracted(pictureRect)) {
            p.fillRect(border, Qt::black);
        }
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (ratio == 1.0 && CopyExposed(p, event->region(), shown, pictureRect)) {
        return;
    }
    if (ratio == 1.0) {
        // Each exposed rectangle is copied on its own: under a clip of many rectangles Qt would blend
        // the picture span by span (handing the spans to its thread pool) instead of copying rows.
        for (const QRect& r : event->region()) {
            const QRect exposed = r & pictureRect;
            if (!exposed.isEmpty()) {
                p.setClipRect(exposed);
                p.drawImage(exposed.topLeft(), shown, exposed);
            }
        }
        return;
    }
    p.setClipRegion(event->region());
    QImage onScreen = shown;
    onScreen.setDevicePixelRatio(ratio);
    p.drawImage(QPointF(0, 0), onScreen);
}

}  // namespace rq
