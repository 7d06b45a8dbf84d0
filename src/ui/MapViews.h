// The map's picture boxes: the map with its city markers (picUSA, and twice enlarged picUSAZoom) and
// the arrow that marks the shown city (imgPointer).
#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "game/PanelState.h"
#include "world/World.h"

namespace rq {

// A map picture and the markers last drawn on it; the markers are drawn at the cities' map
// positions times `scale`, with a radius of 25 twips on either map.
class MapPicture : public QWidget {
    Q_OBJECT
public:
    MapPicture(const QString& name, int scale, QWidget* parent);
    void SetPicture(const QImage& picture);
    // The markers to show (index = city) and the cities' positions they belong to.
    void SetMarkers(const std::vector<MarkerPaint>& markers, const World& world);
    const QImage& Picture() const { return picture_; }
    // Draws the map and its markers again, at the window's scale.
    void Draw();

signals:
    // A press of any mouse button, at a point in pixels of this picture.
    void pressed(QPointF where);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Drawn {
        QPointF At;
        MarkerPaint Paint;
        bool operator==(const Drawn&) const = default;
    };
    int scale_;
    QImage picture_;
    QImage drawn_;  // the picture with its markers, at the window's scale
    std::vector<Drawn> markers_;
};

// imgPointer: a 32 × 32 magenta arrow pointing to its top-left corner.
class PointerImage : public QWidget {
    Q_OBJECT
public:
    explicit PointerImage(QWidget* parent);
    static QImage ArrowPicture();
    // The arrow's size and picture at the window's scale.
    void Rescale();

signals:
    void pressed(QPointF where);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage arrow_;
    QImage shown_;
};

}  // namespace rq
