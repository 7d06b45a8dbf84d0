// Twips to screen pixels for the window's controls, and the fonts the game's controls use.
#pragma once

#include <QFont>
#include <QRect>

#include "game/PanelState.h"
#include "ui/WindowScale.h"

namespace rq {

// A twip position on the pixel grid: whole pixels, rounded down, so that edges the layout makes flush
// in twips stay flush in pixels; at a bigger scale each of those pixels is a square of whole pixels.
inline int Px(double twips) {
    return WindowScale() * static_cast<int>(std::floor(twips / kTwipsPerPixel));
}

// A control's rectangle in pixels, from its edges in twips.
inline QRect PxRect(const TwipRect& r) {
    const int left = Px(r.Left);
    const int top = Px(r.Top);
    return {left, top, Px(r.Right()) - left, Px(r.Bottom()) - top};
}

// Pixels of the window at its scale as twips of the game's layout.
inline double Twips(double pixels) {
    return pixels * kTwipsPerPixel / WindowScale();
}

// A point of a scaled picture as a point of the picture at 1×: the pixel it lies in.
inline QPointF Unscaled(QPointF at) {
    const int k = WindowScale();
    return k == 1 ? at : QPointF(std::floor(at.x() / k), std::floor(at.y() / k));
}

// A point size of the game's design at 96 dots per inch, as a pixel size, so that the layout does not
// change with the screen's reported resolution.
inline int PointsToPixels(double points) {
    return WindowScale() * static_cast<int>(std::lround(points * 96.0 / 72.0));
}

// The desktop's sans-serif in place of MS Sans Serif.
inline QFont SansFont(double points, bool bold = false) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(PointsToPixels(points));
    f.setBold(bold);
    return f;
}

// A bold monospace in place of Courier New bold.
inline QFont MonoBoldFont(double points) {
    QFont f(QStringLiteral("Monospace"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPixelSize(PointsToPixels(points));
    f.setBold(true);
    return f;
}

// 0x00RRGGBB as a colour.
inline QColor Rgb(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb | 0xFF000000u));
}

}  // namespace rq
