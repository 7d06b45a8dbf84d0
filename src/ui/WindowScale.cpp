// The window's whole-number scale and where it is kept.
#include "ui/WindowScale.h"

#include <QWidget>
#include <algorithm>

#include "shell/Settings.h"

namespace rq {

namespace {
int gWindowScale = 1;
}

int WindowScale() {
    return gWindowScale;
}

void SetWindowScale(int scale) {
    gWindowScale = std::clamp(scale, kMinWindowScale, kMaxWindowScale);
}

int LargestFittingScale(QSize oneTimes, QSize area) {
    int best = kMinWindowScale;
    for (int k = kMinWindowScale + 1; k <= kMaxWindowScale; ++k) {
        if (oneTimes.width() * k <= area.width() && oneTimes.height() * k <= area.height()) {
            best = k;
        }
    }
    return best;
}

void RescaleFonts(QWidget& root, int from, int to) {
    if (from == to || from < 1) {
        return;
    }
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* w : widgets) {
        // Only fonts set on the widget itself: the others follow their parent's.
        if (!w->testAttribute(Qt::WA_SetFont)) {
            continue;
        }
        QFont f = w->font();
        if (f.pixelSize() > 0) {
            f.setPixelSize(f.pixelSize() * to / from);
        } else {
            f.setPointSizeF(f.pointSizeF() * to / from);
        }
        w->setFont(f);
    }
}

int ReadKeptScale(const std::string& settingsPath) {
    const std::string kept = GetProfileString(settingsPath, "Window", "Scale", "");
    if (kept.size() == 1 && kept[0] >= '0' + kMinWindowScale && kept[0] <= '0' + kMaxWindowScale) {
        return kept[0] - '0';
    }
    return 0;
}

bool KeepScale(const std::string& settingsPath, int scale, std::string* whyNot) {
    return WriteProfileString(settingsPath, "Window", "Scale", std::to_string(scale), whyNot);
}

}  // namespace rq
