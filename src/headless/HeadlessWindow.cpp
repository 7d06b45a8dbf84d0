// The window's part of a game without one: the sounds played and the questions answered.
#include "headless/HeadlessWindow.h"

namespace rq {

void HeadlessWindow::Play(std::string_view file, bool) {
    for (std::int16_t effect = kWinGame; effect <= kTick; ++effect) {
        if (EffectFor(effect).file == file) {
            sounds_.push_back(effect);
            return;
        }
    }
}

bool HeadlessWindow::AskYesNo(const std::string& question) {
    messages_.push_back(question);
    const bool yes = answer_.value_or(true);
    answer_.reset();
    return yes;
}

}  // namespace rq
