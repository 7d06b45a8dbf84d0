// Small sprite engines for the tests: a back buffer, a frame table and sprites made by hand.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/MessagePort.h"
#include "sprite/PictureLoader.h"
#include "sprite/SpriteDraw.h"
#include "sprite/SpriteEngine.h"
#include "sprite/SpriteSetup.h"

namespace rq::test {

// An engine with a back buffer of the game's size and a frame table of 29 frames laid out in a row
// of 30-pixel cells on a 900 × 40 sheet: frame f is 20 × 30 at (30 f, 0), except crystals (12..17,
// 10 × 10) and the ticket office (18, 40 × 40 at (540, 0)).
inline std::unique_ptr<SpriteEngine> MakeEngine() {
    auto e = std::make_unique<SpriteEngine>();
    iSprCreateBackBuffer(*e, kBackBufferWidth, kBackBufferHeight);
    for (int f = 0; f < 29; ++f) {
        SpriteFrame fr{static_cast<std::int16_t>(30 * f), 0, 20, 30};
        if (f >= 12 && f <= 17) {
            fr.Width = 10;
            fr.Height = 10;
        }
        if (f == 18) {
            fr.Width = 40;
            fr.Height = 40;
        }
        e->gFrames.push_back(fr);
    }
    e->gFrames.push_back({});
    return e;
}

inline void Make(SpriteEngine& e, int slot, int first, int last, bool animating, int delay) {
    iSprCreateSprite(e, SpriteDef{static_cast<std::int16_t>(slot), static_cast<std::int16_t>(first),
                                  static_cast<std::int16_t>(last), animating, static_cast<std::int16_t>(delay)});
}

// Records the message boxes the engine shows.
class RecordingMessages : public MessagePort {
public:
    void ShowMessage(const std::string& text) override { Shown.push_back(text); }
    bool AskYesNo(const std::string&) override { return true; }
    std::vector<std::string> Shown;
};

// Hands out pictures by path; any other path is "File not found".
class FakePictures : public PictureLoader {
public:
    bool Load(const std::string& path, Surface& out, std::string& error) override {
        Asked.push_back(path);
        const auto it = Pictures.find(path);
        if (it == Pictures.end()) {
            error = "File not found: " + path;
            return false;
        }
        out = it->second;
        return true;
    }
    std::map<std::string, Surface> Pictures;
    std::vector<std::string> Asked;
};

}  // namespace rq::test
