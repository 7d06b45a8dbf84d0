// The journey's display over the black game view: the route (lblInTransit), the time in large
// figures (lblTransitTime) and the day (lblDayNum), white on black.
#pragma once

#include <QLabel>
#include <string>

namespace rq {

class JourneyDisplay {
public:
    // The three labels, hidden, on the game view.
    explicit JourneyDisplay(QWidget* view);

    // The route and the time centred as a pair, the day below them.
    void Show(const std::string& route, const std::string& time, const std::string& day);
    void Update(const std::string& time, const std::string& day);
    void Hide();
    // The labels placed again on the view as it now is (a new scale).
    void Place();

private:
    QWidget* view_;
    QLabel* lblDayNum;
    QLabel* lblInTransit;
    QLabel* lblTransitTime;
};

}  // namespace rq
