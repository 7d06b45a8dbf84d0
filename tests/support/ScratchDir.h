// A scratch folder of the test's own under the system's temporary folder, gone with the test: a name
// no other process uses, so two builds' tests running at once never share one.
#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

namespace rq::test {

class ScratchDir {
public:
    explicit ScratchDir(const std::string& prefix) {
        std::random_device entropy;
        for (int tries = 0; tries < 100; ++tries) {
            path_ = std::filesystem::temp_directory_path() / (prefix + "-" + std::to_string(entropy()));
            if (std::filesystem::create_directory(path_)) {
                return;
            }
        }
        throw std::runtime_error("no scratch folder could be made for " + prefix);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace rq::test
