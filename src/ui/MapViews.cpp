// The map's picture boxes and the arrow.
#include "ui/MapViews.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/Twips.h"

namespace rq {

namespace {
constexpr double kMarkerRadiusPx = 25.0 / kTwipsPerPixel;
}

MapPicture::MapPicture(const QString& name, int scale, QWidget* parent) : QWidget(parent), scale_(scale) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapPicture::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void MapPicture::SetMarkers(const std::vector<MarkerPaint>& markers, const World& world) {
    markers_.clear();
    for (std::size_t k = 1; k < markers.size() && k <= static_cast<std::size_t>(kNumCities); ++k) {
        const City& c = world.city(static_cast<int>(k));
        // A marker is centred on the city's pixel, as a box of whole twips would be on the twip grid.
        const QPointF at(scale_ * c.MapX + 0.5, scale_ * c.MapY + 0.5);
        markers_.push_back({at, markers[k]});
    }
    update();
}

void MapPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.fillRect(rect(), QColor(192, 192, 192));
    p.drawImage(0, 0, picture_);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Drawn& m : markers_) {
        const QRectF box(m.At.x() - kMarkerRadiusPx, m.At.y() - kMarkerRadiusPx, 2 * kMarkerRadiusPx,
                         2 * kMarkerRadiusPx);
        // A thin outline keeps the small marker's colour readable.
        p.setPen(QPen(Qt::black, 0.8));
        p.setBrush(Rgb(m.Paint.Fill));
        if (m.Paint.Square) {
            p.drawRect(box);
        } else {
            p.drawEllipse(box);
        }
    }
}

void MapPicture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(event->position());
}

PointerImage::PointerImage(QWidget* parent) : QWidget(parent), arrow_(ArrowPicture()) {
    setObjectName(QStringLiteral("imgPointer"));
    setFixedSize(32, 32);
    setCursor(Qt::PointingHandCursor);
}

QImage PointerImage::ArrowPicture() {
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // An arrow whose tip is the picture's top-left corner: a head along the diagonal and a shaft.
    QPainterPath arrow;
    arrow.moveTo(0.5, 0.5);
    arrow.lineTo(16, 5);
    arrow.lineTo(11, 9);
    arrow.lineTo(28, 26);
    arrow.lineTo(26, 28);
    arrow.lineTo(9, 11);
    arrow.lineTo(5, 16);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(64, 0, 64), 1.0));
    p.setBrush(QColor(255, 0, 255));
    p.drawPath(arrow);
    return img;
}

void PointerImage::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.drawImage(0, 0, arrow_);
}

void PointerImage::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(event->position());
}

}  // namespace rq
