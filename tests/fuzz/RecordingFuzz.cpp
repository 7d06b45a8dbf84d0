// Fuzz target: the recording reader. A recording it accepts writes back entry by entry to a text it
// reads again as the same recording; one it refuses is refused with a short one-line message.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzCheck.h"
#include "replay/Recording.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using rq::fuzz::Require;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const rq::RecordingParse read = rq::ParseRecording(in);
    if (!read.Result) {
        Require(!read.Error.empty() && read.Error.size() < 300 && read.Error.find('\n') == std::string::npos);
        Require(read.Error.find('\x1b') == std::string::npos);
        return 0;
    }
    std::string text = "railquest-replay 1\nseed " + std::to_string(read.Result->Seed) + "\n";
    for (const rq::RecordEntry& e : read.Result->Entries) {
        text += rq::FormatEntry(e) + "\n";
    }
    std::istringstream again(text);
    const rq::RecordingParse reread = rq::ParseRecording(again);
    Require(reread.Result.has_value() && reread.Result->Seed == read.Result->Seed &&
            reread.Result->Entries.size() == read.Result->Entries.size());
    for (std::size_t i = 0; i < read.Result->Entries.size(); ++i) {
        Require(rq::FormatEntry(reread.Result->Entries[i]) == rq::FormatEntry(read.Result->Entries[i]));
    }
    return 0;
}
