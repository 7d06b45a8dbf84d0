// Message boxes and questions as the core asks for them; the app shows real dialogs, tests answer them.
#pragma once

#include <string>

namespace rq {

class MessagePort {
public:
    virtual ~MessagePort() = default;
    // An OK-only box titled "Railquest".
    virtual void ShowMessage(const std::string& text) = 0;
    // The same with the exclamation icon, for news the player should not miss.
    virtual void ShowExclamation(const std::string& text) { ShowMessage(text); }
    // A Yes/No question with the question icon, titled "Railquest"; true for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;
};

}  // namespace rq
