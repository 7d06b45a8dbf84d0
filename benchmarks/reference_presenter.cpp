// The yardstick of scripts/cpu: the least a Qt window can do to show a 640 × 377 picture that changes
// 64 times a second. A block moves across the picture each tick and the whole widget is redrawn.
// `--scale K` makes it a plain picture K times as large each way, the block with it.
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <memory>

#include "app/TickLog.h"

namespace {

constexpr qint64 kTickNanoseconds = 15'625'000;  // 64 Hz, the game's tick

class Picture : public QWidget {
public:
    explicit Picture(int scale)
        : image_(640 * scale, 377 * scale, QImage::Format_RGB32), log_(rq::TickLog::FromEnvironment()), k_(scale) {
        setWindowTitle(QStringLiteral("reference presenter"));
        setFixedSize(image_.size());
        setAttribute(Qt::WA_OpaquePaintEvent);
        image_.fill(QColor(255, 224, 192));
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
        clock_.start();
        Arm();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, image_);
    }

private:
    void Tick() {
        if (log_) {
            log_->Note(clock_.nsecsElapsed(), 'c');
        }
        const int x = static_cast<int>(ticks_ % 608);
        QPainter p(&image_);
        p.fillRect((x == 0 ? 607 : x - 1) * k_, 170 * k_, k_, 32 * k_, QColor(255, 224, 192));
        p.fillRect((x + 31) * k_, 170 * k_, k_, 32 * k_, QColor(0, 0, 0));
        p.end();
        ++ticks_;
        update();
        Arm();
    }

    // Sleeps until the next tick is due, rounded up to the whole millisecond, as the game's loop does.
    void Arm() {
        const qint64 next = (ticks_ + 1) * kTickNanoseconds - clock_.nsecsElapsed();
        timer_.start(static_cast<int>(std::max<qint64>(0, (next + 999'999) / 1'000'000)));
    }

    QImage image_;
    std::unique_ptr<rq::TickLog> log_;
    QTimer timer_;
    QElapsedTimer clock_;
    int k_;
    qint64 ticks_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    int scale = 1;
    const QStringList args = QApplication::arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--scale")); i > 0 && i + 1 < args.size()) {
        scale = std::clamp(args[i + 1].toInt(), 1, 4);
    }
    Picture picture(scale);
    picture.show();
    return QApplication::exec();
}
