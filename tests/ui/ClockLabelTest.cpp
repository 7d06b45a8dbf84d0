// The clock drawn from its characters' pictures shows, pixel for pixel, what a plain label shows, at
// 1× and 2×, over the grey bar and the black one, and over a note that reaches under it.
#include <gtest/gtest.h>

#include <memory>

#include "UiTestSupport.h"
#include "ui/ClockLabel.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

namespace rq {
namespace {

struct Bar {
    std::unique_ptr<PictureBox> box;
    QLabel* clock = nullptr;
};

// The status bar's clock as it is laid out, as a plain label or as the clock, optionally over a note.
Bar MakeBar(bool plain, const QColor& ground, const QColor& ink, bool note) {
    const int k = WindowScale();
    Bar bar{std::make_unique<PictureBox>(QStringLiteral("bar"), ground, nullptr)};
    bar.box->resize(200 * k, 15 * k);
    if (note) {
        QLabel* under = MakeLabel(QStringLiteral("lblNote"), QStringLiteral("Saved to 0:00:00 PM.rqsave"),
                                  SansFont(8.25), bar.box.get());
        under->setGeometry(10 * k, 0, 190 * k, 15 * k);
    }
    bar.clock = plain ? MakeLabel(QStringLiteral("lblTime"), QString(), SansFont(8.25), bar.box.get())
                      : new ClockLabel(QStringLiteral("lblTime"), SansFont(8.25), bar.box.get());
    bar.clock->setTextFormat(Qt::PlainText);
    SetTextColour(bar.clock, ink);
    bar.clock->setContentsMargins(3 * k, 0, 0, 0);
    bar.clock->setGeometry(0, 0, 80 * k, 15 * k);
    return bar;
}

QImage Shown(const Bar& bar, const QString& text) {
    if (auto* clock = qobject_cast<ClockLabel*>(bar.clock)) {
        clock->ShowText(text);
    } else {
        bar.clock->setText(text);
    }
    return bar.box->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(ClockLabelTest, EachSecondShowsWhatAPlainLabelShows) {
    test::App();
    const QStringList times{QStringLiteral("12:00:00 AM"), QStringLiteral("1:07:59 PM"),  QStringLiteral("10:48:31 AM"),
                            QStringLiteral("9:59:09 PM"),  QStringLiteral("11:11:11 AM"), QStringLiteral("4:36:27 PM")};
    struct Look {
        QColor ground, ink;
        bool note;
    };
    for (const int k : {1, 2}) {
        SetWindowScale(k);
        for (const Look& look : {Look{kPanelGrey, Qt::black, false}, Look{Qt::black, Qt::white, false},
                                 Look{kPanelGrey, Qt::black, true}}) {
            SCOPED_TRACE(testing::Message()
                         << k << "x, ground " << look.ground.name().toStdString() << " note " << look.note);
            const Bar plain = MakeBar(true, look.ground, look.ink, look.note);
            const Bar clock = MakeBar(false, look.ground, look.ink, look.note);
            for (const QString& time : times) {
                SCOPED_TRACE(time.toStdString());
                const QImage expected = Shown(plain, time);
                ASSERT_EQ(Shown(clock, time), expected);
                EXPECT_EQ(clock.clock->text(), time);
                // Over a plain ground the clock draws its own ground; over a note, Qt draws the note.
                EXPECT_EQ(clock.clock->testAttribute(Qt::WA_OpaquePaintEvent), !look.note);
            }
        }
    }
    SetWindowScale(1);
}

}  // namespace
}  // namespace rq
