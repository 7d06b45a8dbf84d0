// The map's picture boxes and the arrow.
#include "ui/MapViews.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

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
    Draw();
}

// The panels are refreshed at every arrival of a train, and the markers seldom change with it: the
// map is drawn again only when one did.
void MapPicture::SetMarkers(const std::vector<MarkerPaint>& markers, const World& world) {
    std::vector<Drawn> now;
    for (std::size_t k = 1; k < markers.size() && k <= static_cast<std::size_t>(kNumCities); ++k) {
        const City& c = world.city(static_cast<int>(k));
        // A marker is centred on the city's pixel, as a box of whole twips would be on the twip grid.
        const QPointF at(scale_ * c.MapX + 0.5, scale_ * c.MapY + 0.5);
        now.push_back({at, markers[k]});
    }
    if (!drawn_.isNull() && now == markers_) {
        return;
    }
    markers_ = std::move(now);
    Draw();
}

// The map and its markers are drawn once, at the map's own size; the window's scale only enlarges
// that picture, square pixel by square pixel.
void MapPicture::Draw() {
    drawn_ = QImage(picture_.size(), QImage::Format_RGB32);
    drawn_.fill(QColor(192, 192, 192));
    QPainter p(&drawn_);
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
    p.end();
    const int k = WindowScale();
    if (k > 1 && !drawn_.isNull()) {
        drawn_ = drawn_.scaled(drawn_.size() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    update();
}

void MapPicture::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect inside = rect() & drawn_.rect();
    for (const QRect& border : QRegion(rect()).subtracted(inside)) {
        p.fillRect(border, QColor(192, 192, 192));
    }
    const QRect exposed = event->rect() & inside;
    if (!exposed.isEmpty()) {
        p.drawImage(exposed.topLeft(), drawn_, exposed);
    }
}

void MapPicture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(event->position());
}

PointerImage::PointerImage(QWidget* parent) : QWidget(parent), arrow_(ArrowPicture()) {
    setObjectName(QStringLiteral("imgPointer"));
    Rescale();
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

void PointerImage::Rescale() {
    const int k = WindowScale();
    setFixedSize(32 * k, 32 * k);
    shown_ = k == 1 ? arrow_ : arrow_.scaled(arrow_.size() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    update();
}

void PointerImage::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.drawImage(0, 0, shown_);
}

void PointerImage::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(event->position());
}

}  // namespace rq
