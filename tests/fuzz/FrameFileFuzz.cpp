// Fuzz target: a frame file (railquest.dat) read and checked against sheets of the game's size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "sprite/SpriteEngine.h"
#include "sprite/SpriteLoad.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using rq::fuzz::Require;
    static const rq::SpriteEngine engine = [] {
        rq::SpriteEngine e;
        e.Sheet = rq::Surface(640, 604);
        e.Mask = rq::Surface(640, 604);
        return e;
    }();
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<rq::SpriteFrame> frames;
    std::string error;
    if (!rq::FramesFromText(engine, text, "railquest.dat", frames, error)) {
        Require(!error.empty() && frames.empty());
        return 0;
    }
    // Every frame the game may draw lies on the sheet, and the table ends with one all-zero entry.
    Require(error.empty() && frames.size() > static_cast<std::size_t>(rq::kFramesNeeded));
    const rq::SpriteFrame& end = frames.back();
    Require(end.SrcX == 0 && end.SrcY == 0 && end.Width == 0 && end.Height == 0);
    for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
        const rq::SpriteFrame& f = frames[i];
        Require(f.Width > 0 && f.Height > 0 && f.SrcX >= 0 && f.SrcY >= 0);
        Require(f.SrcX + f.Width <= engine.Sheet.Width && f.SrcY + f.Height <= engine.Sheet.Height);
    }
    return 0;
}
