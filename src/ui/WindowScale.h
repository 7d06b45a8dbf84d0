// The whole-number scale (1× to 4×) the main window is shown at: its value, what fits a screen, and
// where it is kept between runs. Every twip-to-pixel conversion and font of the window reads it.
#pragma once

#include <QSize>
#include <string>

class QWidget;

namespace rq {

constexpr int kMinWindowScale = 1;
constexpr int kMaxWindowScale = 4;

// The scale the window's controls are laid out at. One main window is shown at a time, so its
// controls, the status bar's and the panels' alike, read one value.
int WindowScale();
// Sets the scale (clamped to 1..4); the caller lays the window out again.
void SetWindowScale(int scale);

// The largest whole scale at which `oneTimes` fits into `area` (1 when none does).
int LargestFittingScale(QSize oneTimes, QSize area);

// Every font set on `root` and the widgets inside it, from the size it has at scale `from` to the one
// it has at scale `to`.
void RescaleFonts(QWidget& root, int from, int to);

// The scale kept in the settings file (section "Window", key "Scale"); 0 when none is kept yet.
int ReadKeptScale(const std::string& settingsPath);
bool KeepScale(const std::string& settingsPath, int scale, std::string* whyNot = nullptr);

}  // namespace rq
