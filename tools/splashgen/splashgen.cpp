// Draws the title picture shown while the game starts (assets/splash.bmp, 640 × 480).
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kRailY = 330;  // top of the rails

void DrawSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kRailY);
    sky.setColorAt(0.0, QColor(18, 24, 64));
    sky.setColorAt(0.55, QColor(92, 60, 120));
    sky.setColorAt(1.0, QColor(238, 142, 88));
    p.fillRect(0, 0, kWidth, kRailY, sky);
    // Stars in the upper sky, fixed so the picture is the same every time.
    QRandomGenerator rng(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const int x = rng.bounded(kWidth);
        const int y = rng.bounded(140);
        const int a = 90 + rng.bounded(160);
        p.setBrush(QColor(255, 255, 230, a));
        p.drawEllipse(QPointF(x, y), 0.9, 0.9);
    }
}

void DrawHills(QPainter& p) {
    QPainterPath far;
    far.moveTo(0, 270);
    for (int x = 0; x <= kWidth; x += 20) {
        far.lineTo(x, 250 - 28 * std::sin(x / 70.0) - 14 * std::sin(x / 23.0 + 1));
    }
    far.lineTo(kWidth, kRailY);
    far.lineTo(0, kRailY);
    p.fillPath(far, QColor(70, 52, 96));
    QPainterPath near;
    near.moveTo(0, 300);
    for (int x = 0; x <= kWidth; x += 16) {
        near.lineTo(x, 292 - 12 * std::sin(x / 45.0 + 2) - 6 * std::sin(x / 13.0));
    }
    near.lineTo(kWidth, kRailY);
    near.lineTo(0, kRailY);
    p.fillPath(near, QColor(46, 38, 66));
}

void DrawFuzz(QPainter& p, QPointF centre, double radius, int seed) {
    // A cloud of fuzz: overlapping soft blobs in sickly green and violet, with bristles.
    QRandomGenerator rng(static_cast<quint32>(seed));
    for (int i = 0; i < 14; ++i) {
        const double a = rng.generateDouble() * 6.2832;
        const double r = rng.generateDouble() * radius * 0.6;
        const QPointF c = centre + QPointF(std::cos(a) * r, std::sin(a) * r * 0.7);
        const double br = radius * (0.35 + rng.generateDouble() * 0.3);
        QRadialGradient g(c, br);
        const bool violet = (i % 3) == 0;
        g.setColorAt(0.0, violet ? QColor(170, 90, 200, 200) : QColor(160, 220, 70, 210));
        g.setColorAt(0.7, violet ? QColor(110, 50, 150, 120) : QColor(90, 150, 40, 130));
        g.setColorAt(1.0, QColor(40, 60, 20, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, br, br);
    }
    p.setPen(QPen(QColor(190, 240, 90, 170), 1.2));
    for (int i = 0; i < 60; ++i) {
        const double a = rng.generateDouble() * 6.2832;
        const double r0 = radius * (0.55 + rng.generateDouble() * 0.2);
        const double r1 = r0 + 4 + rng.generateDouble() * 7;
        p.drawLine(centre + QPointF(std::cos(a) * r0, std::sin(a) * r0 * 0.7),
                   centre + QPointF(std::cos(a) * r1, std::sin(a) * r1 * 0.7));
    }
}

void DrawTrack(QPainter& p) {
    QLinearGradient ground(0, kRailY, 0, kHeight);
    ground.setColorAt(0.0, QColor(52, 44, 60));
    ground.setColorAt(1.0, QColor(14, 12, 20));
    p.fillRect(0, kRailY, kWidth, kHeight - kRailY, ground);
    // Glimmering crystals scattered by the track.
    QRandomGenerator rng(11);
    for (int i = 0; i < 18; ++i) {
        const double cx = 20 + rng.bounded(600);
        const double cy = kRailY + 30 + rng.bounded(50);
        QPolygonF gem;
        gem << QPointF(cx, cy - 5) << QPointF(cx + 4, cy) << QPointF(cx, cy + 5) << QPointF(cx - 4, cy);
        p.setPen(QPen(QColor(20, 40, 60), 1));
        p.setBrush(QColor(120 + rng.bounded(80), 220, 255));
        p.drawPolygon(gem);
    }
    p.setPen(Qt::NoPen);
    for (int x = -10; x < kWidth; x += 22) {
        p.setBrush(QColor(92, 64, 44));
        p.drawRect(x, kRailY + 8, 14, 8);
    }
    p.setBrush(QColor(170, 170, 180));
    p.drawRect(0, kRailY + 6, kWidth, 3);
    p.setBrush(QColor(120, 120, 130));
    p.drawRect(0, kRailY + 9, kWidth, 1);
}

void DrawCar(QPainter& p, double x, double w, QColor body, bool engine) {
    const double bottom = kRailY + 4;
    const double top = bottom - 46;
    QPainterPath shell;
    if (engine) {
        // A streamlined nose pointing left.
        shell.moveTo(x + 34, top);
        shell.lineTo(x + w, top);
        shell.lineTo(x + w, bottom - 8);
        shell.lineTo(x + 6, bottom - 8);
        shell.cubicTo(x - 6, bottom - 10, x + 2, top + 8, x + 34, top);
    } else {
        shell.addRoundedRect(QRectF(x, top, w, bottom - 8 - top), 6, 6);
    }
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, body.lighter(140));
    g.setColorAt(0.5, body);
    g.setColorAt(1.0, body.darker(160));
    p.setPen(QPen(QColor(20, 16, 24), 2));
    p.setBrush(g);
    p.drawPath(shell);
    // A stripe and lit windows.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 120));
    p.drawRect(QRectF(x + (engine ? 20 : 4), bottom - 20, w - (engine ? 22 : 8), 4));
    for (double wx = x + (engine ? 44 : 10); wx + 14 < x + w - 4; wx += 22) {
        p.setBrush(QColor(255, 236, 160));
        p.drawRoundedRect(QRectF(wx, top + 9, 14, 12), 2, 2);
    }
    if (engine) {
        p.setBrush(QColor(255, 250, 200));
        p.drawEllipse(QPointF(x + 10, bottom - 16), 3.5, 3.5);
    }
    p.setBrush(QColor(28, 26, 30));
    for (double wx = x + 14; wx < x + w - 8; wx += 30) {
        p.drawEllipse(QPointF(wx, bottom - 4), 6, 6);
    }
}

void DrawTrain(QPainter& p) {
    DrawCar(p, 120, 130, QColor(200, 60, 50), true);
    DrawCar(p, 256, 110, QColor(60, 110, 190), false);
    DrawCar(p, 372, 110, QColor(60, 110, 190), false);
    DrawCar(p, 488, 110, QColor(60, 110, 190), false);
}

void DrawTitle(QPainter& p) {
    QFont title("DejaVu Serif", 58, QFont::Black);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    QPainterPath path;
    path.addText(0, 0, title, "RAILQUEST");
    const QRectF box = path.boundingRect();
    path.translate((kWidth - box.width()) / 2 - box.left(), 118);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 12, 30), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    QLinearGradient g(0, 60, 0, 120);
    g.setColorAt(0.0, QColor(255, 240, 170));
    g.setColorAt(1.0, QColor(240, 150, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);

    QFont tag("DejaVu Sans", 15, QFont::Bold);
    p.setFont(tag);
    p.setPen(QColor(20, 12, 30));
    const QRect line(0, 136, kWidth, 30);
    p.drawText(line.translated(2, 2), Qt::AlignCenter, "Find the fuzzbomb. Save the country.");
    p.setPen(QColor(255, 244, 220));
    p.drawText(line, Qt::AlignCenter, "Find the fuzzbomb. Save the country.");
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const char* out = argc > 1 ? argv[1] : "splash.bmp";
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawSky(p);
    DrawHills(p);
    DrawFuzz(p, QPointF(560, 250), 70, 3);
    DrawFuzz(p, QPointF(70, 268), 48, 5);
    DrawTrack(p);
    DrawTrain(p);
    DrawFuzz(p, QPointF(590, 300), 40, 9);
    DrawTitle(p);
    p.end();
    if (!image.convertToFormat(QImage::Format_RGB888).save(QString::fromLocal8Bit(out), "BMP")) {
        std::fprintf(stderr, "splashgen: cannot write %s\n", out);
        return 1;
    }
    return 0;
}
