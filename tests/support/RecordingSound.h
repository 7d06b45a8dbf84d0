// Test support: a sound port that records which effect files were played.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/SoundPort.h"

namespace rq::test {

class RecordingSound : public SoundPort {
public:
    void Play(std::string_view file, bool) override { played.emplace_back(file); }
    int Count(std::string_view file) const { return static_cast<int>(std::count(played.begin(), played.end(), file)); }
    std::vector<std::string> played;
};

}  // namespace rq::test
