// Fuzz target: the settings file read, and written back with the control mode set.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "shell/Settings.h"

namespace {

std::size_t LineCount(const std::string& text) {
    const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return breaks + (text.empty() || text.back() == '\n' ? 0 : 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using rq::fuzz::Require;
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)rq::ProfileStringIn(text, "Railquest", "JoyStick", "");  // the file as start-up reads it
    for (const char* mode : {"Y", "N"}) {
        // Saving a mode reads back as that mode, changes at most the key and its section's header,
        // and saving it again changes nothing.
        const std::string saved = rq::WithProfileString(text, "Railquest", "JoyStick", mode);
        Require(rq::ProfileStringIn(saved, "Railquest", "JoyStick", "") == mode);
        Require(LineCount(saved) >= LineCount(text) && LineCount(saved) <= LineCount(text) + 2);
        Require(rq::WithProfileString(saved, "Railquest", "JoyStick", mode) == saved);
    }
    return 0;
}
