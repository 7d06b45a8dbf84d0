// The journey's display: three labels on the game view, placed when a journey begins.
#include "ui/JourneyDisplay.h"

#include "ui/Controls.h"
#include "ui/Twips.h"

namespace rq {

namespace {

QLabel* MakeJourneyLabel(const char* name, double points, QWidget* view) {
    QLabel* label = MakeLabel(QString::fromLatin1(name), QString(), MonoBoldFont(points), view);
    label->setAlignment(Qt::AlignCenter);
    SetTextColour(label, Qt::white);
    label->hide();
    return label;
}

}  // namespace

JourneyDisplay::JourneyDisplay(QWidget* view)
    : view_(view),
      lblDayNum(MakeJourneyLabel("lblDayNum", 18, view)),
      lblInTransit(MakeJourneyLabel("lblInTransit", 12, view)),
      lblTransitTime(MakeJourneyLabel("lblTransitTime", 48, view)) {}

void JourneyDisplay::Show(const std::string& route, const std::string& time, const std::string& day) {
    lblInTransit->setText(QString::fromStdString(route));
    Update(time, day);
    Place();
    lblInTransit->show();
    lblTransitTime->show();
    lblDayNum->show();
}

void JourneyDisplay::Place() {
    // The route and the time are centred as a pair; the day hangs below them.
    const int width = view_->width();
    const int inHeight = lblInTransit->sizeHint().height();
    const int timeHeight = lblTransitTime->sizeHint().height();
    const int dayHeight = lblDayNum->sizeHint().height();
    const int top = (view_->height() - (inHeight + timeHeight)) / 2;
    lblInTransit->setGeometry(0, top, width, inHeight);
    lblTransitTime->setGeometry(0, top + inHeight, width, timeHeight);
    lblDayNum->setGeometry(0, top + inHeight + timeHeight, width, dayHeight);
}

void JourneyDisplay::Update(const std::string& time, const std::string& day) {
    lblTransitTime->setText(QString::fromStdString(time));
    lblDayNum->setText(QString::fromStdString(day));
}

void JourneyDisplay::Hide() {
    lblInTransit->hide();
    lblTransitTime->hide();
    lblDayNum->hide();
}

}  // namespace rq
