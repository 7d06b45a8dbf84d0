// Message boxes and questions as real dialogs, titled "Railquest", modal over the main window.
#pragma once

#include <QWidget>

#include "base/MessagePort.h"

namespace rq {

class QtMessagePort : public MessagePort {
public:
    explicit QtMessagePort(QWidget* owner) : owner_(owner) {}
    void ShowMessage(const std::string& text) override;
    void ShowExclamation(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    // Dialogs of this port open at this moment (the game does not tick while one is).
    int OpenDialogs() const { return open_; }

private:
    void Show(const std::string& text, int icon);

    QWidget* owner_;
    int open_ = 0;
};

}  // namespace rq
