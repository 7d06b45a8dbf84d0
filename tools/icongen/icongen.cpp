// Draws the game's icon, the red steam engine, at every size a desktop asks for (hicolor PNGs).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr double kDesign = 256.0;  // the drawing is made on a 256 × 256 grid and scaled

// The colours of the engine sprite in the street scene.
const QColor kRed(200, 38, 44);
const QColor kRedDark(128, 22, 32);
const QColor kRedLight(236, 92, 84);
const QColor kYellow(246, 196, 49);
const QColor kWindow(150, 208, 240);
const QColor kIron(46, 46, 58);
const QColor kSteel(150, 152, 166);
const QColor kOutline(34, 20, 24);

struct Pen {
    double width;  // in design units, never thinner than one pixel
};

void Wheel(QPainter& p, QPointF centre, double radius, Pen pen, bool spokes) {
    p.setPen(QPen(kOutline, pen.width));
    p.setBrush(kIron);
    p.drawEllipse(centre, radius, radius);
    if (spokes) {
        p.setPen(QPen(kSteel, pen.width * 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, radius * 0.72, radius * 0.72);
        for (int i = 0; i < 4; ++i) {
            const QLineF spoke = QLineF::fromPolar(radius * 0.72, 45.0 * i).translated(centre);
            p.drawLine(QLineF(spoke.p2(), centre + (centre - spoke.p2())));
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kSteel);
    p.drawEllipse(centre, radius * 0.24, radius * 0.24);
}

void Steam(QPainter& p, Pen pen) {
    p.setPen(QPen(QColor(150, 160, 172), pen.width * 0.7));
    p.setBrush(QColor(240, 243, 248));
    p.drawEllipse(QPointF(104, 24), 13, 12);
    p.drawEllipse(QPointF(84, 36), 16, 15);
    p.drawEllipse(QPointF(62, 44), 19, 17);
}

// detailed: the larger sizes get steam, spokes, a dome and a connecting rod; the small ones stay bold.
void DrawEngine(QPainter& p, Pen pen, bool detailed) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(kOutline, pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Rails under the wheels.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 72, 60));
    p.drawRoundedRect(QRectF(6, 226, 244, 12), 4, 4);

    if (detailed) {
        Steam(p, pen);
    }
    // Chimney with its flared top.
    p.setPen(outline);
    p.setBrush(kIron);
    p.drawRect(QRectF(50, 66, 26, 44));
    p.drawRoundedRect(QRectF(42, 56, 42, 16), 4, 4);

    // Cab roof, cab and the boiler in front of it.
    p.setBrush(kRed);
    p.drawRect(QRectF(158, 74, 78, 100));
    p.setBrush(kIron);
    p.drawRoundedRect(QRectF(150, 62, 96, 16), 5, 5);
    QLinearGradient shade(0, 100, 0, 172);
    shade.setColorAt(0.0, kRedLight);
    shade.setColorAt(0.35, kRed);
    shade.setColorAt(1.0, kRedDark);
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(30, 100, 134, 72), 22, 22);
    if (detailed) {
        p.setBrush(kYellow);
        p.drawRoundedRect(QRectF(100, 84, 30, 22), 10, 10);  // the steam dome
    }
    // Smokebox door on the front.
    p.setBrush(kIron);
    p.drawRoundedRect(QRectF(16, 104, 28, 64), 10, 10);

    // The yellow band of the street's engine, and the cab window.
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawRect(QRectF(44, 146, 114 + 76, 12));
    p.setPen(outline);
    p.setBrush(kWindow);
    p.drawRoundedRect(QRectF(176, 90, 42, 36), 5, 5);

    // Frame, cowcatcher and wheels.
    p.setBrush(kIron);
    p.drawRect(QRectF(14, 172, 228, 16));
    QPainterPath catcher;
    catcher.moveTo(22, 180);
    catcher.lineTo(2, 222);
    catcher.lineTo(44, 222);
    catcher.closeSubpath();
    p.drawPath(catcher);
    Wheel(p, QPointF(60, 208), 18, pen, false);
    Wheel(p, QPointF(112, 198), 28, pen, detailed);
    Wheel(p, QPointF(176, 198), 28, pen, detailed);
    Wheel(p, QPointF(224, 208), 18, pen, false);
    if (detailed) {
        p.setPen(QPen(kSteel, pen.width * 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(112, 206), QPointF(176, 206));
    }
}

QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const double scale = size / kDesign;
    p.scale(scale, scale);
    const bool detailed = size >= 48;
    if (!detailed) {
        p.translate(0, -16);  // without the steam the engine sits in the middle
    }
    DrawEngine(p, Pen{std::max(6.0, 1.0 / scale)}, detailed);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen ICONS_FOLDER   (writes hicolor/NxN/apps/railquest.png)\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const int size : kSizes) {
        const QString folder = root.filePath(QString("hicolor/%1x%1/apps").arg(size));
        const QString file = QDir(folder).filePath("railquest.png");
        if (!QDir().mkpath(folder) || !Icon(size).save(file, "PNG")) {
            std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
