// sprite_preview [ASSETS [OUT]]: composes sample street scenes from the committed pictures and
// writes them as PNG files, so the art can be looked at in its place: every size class, the station
// by day and night, each skyline layer, and every frame enlarged on the street and on black.
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>

#include "base/Random.h"
#include "scene/SceneRects.h"
#include "sprite/Blit.h"
#include "sprite/BmpPictureLoader.h"
#include "sprite/CreateSprites.h"
#include "sprite/SpriteDraw.h"
#include "sprite/SpriteLoad.h"
#include "sprite/SpriteScene.h"
#include "sprite/SpriteSetup.h"

namespace rq {
namespace {

class PrintMessages : public MessagePort {
public:
    void ShowMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool AskYesNo(const std::string&) override { return true; }
};

QImage ToImage(const Surface& s) {
    QImage image(s.Width, s.Height, QImage::Format_RGB32);
    for (int y = 0; y < s.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < s.Width; ++x) {
            line[x] = 0xFF000000u | s.At(x, y);
        }
    }
    return image;
}

bool Save(const QImage& image, const std::string& out, const std::string& name) {
    const std::string path = out + "/" + name;
    if (!image.save(QString::fromStdString(path))) {
        std::fprintf(stderr, "could not write %s\n", path.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

constexpr double kNoon = 12 * 3600 * 3;
constexpr double kNight = 23 * 3600 * 3;
constexpr double kEvening = 17 * 3600 * 3 + 1800 * 3;

std::int16_t I16(int v) {
    return static_cast<std::int16_t>(v);
}

void HideAll(SpriteEngine& e) {
    for (int slot = 0; slot < kSpriteSlots; ++slot) {
        SprHide(e, slot);
    }
}

// Walks actors to free places in the views a city of this size can reach, roughly as the
// city's set-up does.
void PlaceActors(SpriteEngine& e, Random& rng, int size, int count, int fuzzies) {
    for (int j = 0; j < count; ++j) {
        const int slot = kFirstActorSlot + j;
        Sprite& s = e[slot];
        const bool fuzzy = j < fuzzies;
        s.FirstFrame = I16(fuzzy ? 4 : 8);
        s.LastFrame = I16(fuzzy ? 7 : 11);
        s.Frame = I16(s.FirstFrame + rng.Below(4));
        s.SrcX = FrameAt(e, s.Frame).SrcX;
        s.SrcY = FrameAt(e, s.Frame).SrcY;
        s.Blocked = true;
        for (int attempt = 0; attempt < 500; ++attempt) {
            int col = 1;
            int row = 1;
            if (size == 3) row = rng.Below(2) + 1;
            if (size == 4) {
                do {
                    col = rng.Below(2);
                    row = rng.Below(2) + 1;
                } while (col == 0 && row == 2);
            }
            if (size == 5) {
                col = rng.Below(2);
                row = rng.Below(2) + 1;
            }
            SprShowAt(e, slot, I16(col * 640 + rng.Below(630) + 5), I16(row * 377 + rng.Below(367) + 5));
            bool free = true;
            for (int r = 1; r < static_cast<int>(e.gSceneRects.size()) && free; ++r) {
                free = !iSprHitsRect(e, slot, r);
            }
            for (int other : {kTicketOfficeSlot, kCapitolSlot, kFuzzbombSlot}) {
                free = free && !iSprCollide(e, slot, other);
            }
            if (free && iSprFindCollision(e, slot, kFirstActorSlot, kFirstActorSlot + count - 1) == 0) {
                break;
            }
        }
        s.Blocked = false;
    }
}

void ScatterCrystals(SpriteEngine& e, Random& rng, int count, int size) {
    for (int k = 1; k <= count; ++k) {
        Sprite& s = e[k];
        s.Frame = I16(k % 7 == 0 ? 12 + rng.Below(5) : 17);
        s.SrcX = FrameAt(e, s.Frame).SrcX;
        s.SrcY = FrameAt(e, s.Frame).SrcY;
        for (int attempt = 0; attempt < 200; ++attempt) {
            const int row = size == 2 ? rng.Below(2) : rng.Below(3);
            // The station's street starts below the track.
            const int top = row == 0 ? 200 : row * 377 + 8;
            SprShowAt(e, k, I16(640 + rng.Below(620) + 10), I16(top + rng.Below(row * 377 + 360 - top)));
            bool free = true;
            for (int r = 1; r < static_cast<int>(e.gSceneRects.size()) && free; ++r) {
                free = !iSprHitsRect(e, k, r);
            }
            if (free && iSprFindCollision(e, k, 101, 134) == 0 && iSprFindCollision(e, k, 1, k - 1) == 0) {
                break;
            }
        }
    }
}

void ShowTrainAtPlatform(SpriteEngine& e, int slot) {
    const Sprite& t = e[slot];
    SprShowAt(e, slot, I16(960 - t.Width / 2), I16(e.gSceneRects[1].Top - t.Height));
}

// A whole city of one size class with everything the scene can hold.
void BuildCity(SpriteEngine& e, int size, std::uint64_t seed, bool capital, bool fuzzbomb) {
    HideAll(e);
    e.gSceneRects = SceneRectsForSize(I16(size));
    e.ViewCol = 1;
    e.ViewRow = 0;
    Random rng(seed);
    for (int bit = 0; bit < 3; ++bit) {
        SprShowAt(e, kFirstScenerySlot + bit, I16(960 - e[kFirstScenerySlot].Width / 2), 0);
    }
    const int w = FrameAt(e, 18).Width;
    if (size == 2) SprShowAt(e, kTicketOfficeSlot, I16(1270 - w), 387);
    if (size == 3) SprShowAt(e, kTicketOfficeSlot, I16(1270 - w), 764);
    if (size >= 4) SprShowAt(e, kTicketOfficeSlot, I16(630 - w), 387);
    const int h = FrameAt(e, 19).Height;
    if (capital) {
        if (size == 2) SprShowAt(e, kCapitolSlot, 650, I16(744 - h));
        if (size == 3) SprShowAt(e, kCapitolSlot, 650, I16(1121 - h));
        if (size >= 4) SprShowAt(e, kCapitolSlot, 10, I16(744 - h));
    }
    if (fuzzbomb) {
        SprShowAt(e, kFuzzbombSlot, I16(960 - e[kFuzzbombSlot].Width / 2), I16(566 - e[kFuzzbombSlot].Height / 2));
    }
    ShowTrainAtPlatform(e, kTrainSprite);
    PlaceActors(e, rng, size, 25, 6);
    ScatterCrystals(e, rng, 30, size);
    SprShowAt(e, kPlayerSlot, 900, 240);
}

// Every frame of the sheet, three times its size, on the street colour and on black.
QImage FramesBoard(const SpriteEngine& e) {
    const int scale = 3;
    QImage board(1400, 1060, QImage::Format_RGB32);
    board.fill(QColor(0xFF, 0xE0, 0xC0));
    QPainter p(&board);
    p.fillRect(0, board.height() / 2, board.width(), board.height() / 2, Qt::black);
    const QImage sheet = ToImage(e.Sheet);
    const QImage mask = ToImage(e.Mask);
    for (int half = 0; half < 2; ++half) {
        int x = 10;
        int y = 10 + half * board.height() / 2;
        int shelf = 0;
        for (int f = 0; f <= 25; ++f) {
            const SpriteFrame fr = FrameAt(e, f);
            QImage cut(fr.Width, fr.Height, QImage::Format_ARGB32);
            for (int yy = 0; yy < fr.Height; ++yy) {
                for (int xx = 0; xx < fr.Width; ++xx) {
                    const bool shows = (mask.pixel(fr.SrcX + xx, fr.SrcY + yy) & 0xFFFFFFu) != 0;
                    cut.setPixel(xx, yy, shows ? 0u : sheet.pixel(fr.SrcX + xx, fr.SrcY + yy));
                }
            }
            const int w = fr.Width * (f >= 18 ? 2 : scale);
            const int h = fr.Height * (f >= 18 ? 2 : scale);
            if (x + w > board.width() - 10) {
                x = 10;
                y += shelf + 8;
                shelf = 0;
            }
            p.drawImage(QRect(x, y, w, h), cut);
            x += w + 8;
            shelf = std::max(shelf, h);
        }
    }
    return board;
}

int Run(const std::string& assets, const std::string& out) {
    SpriteEngine e;
    BmpPictureLoader loader;
    PrintMessages messages;
    if (!iSprCreateBackBuffer(e, kBackBufferWidth, kBackBufferHeight) ||
        !iSprLoadSheet(e, assets, "railquest.bmp", loader, messages) ||
        !iSprLoadMask(e, assets, "masks.bmp", loader, messages) ||
        !iSprLoadBMP(e.Track, assets, "tracks.bmp", PictureBounds{1, 1, kViewWidth, kViewHeight}, loader, messages) ||
        !iSprLoadGfx(e, assets, "railquest.dat", messages) || !CreateSprites(e)) {
        return 1;
    }
    SprBuildTrackStrip(e);
    bool ok = true;
    Surface view;
    for (int size = 2; size <= 5; ++size) {
        BuildCity(e, size, static_cast<std::uint64_t>(size) * 7919u, true, size == 3);
        SprComposeScene(e, kNoon);
        ok = Save(ToImage(e.Back), out, "scene_size" + std::to_string(size) + ".png") && ok;
    }
    // The station at noon, in the evening and at night, with each train.
    BuildCity(e, 2, 11, false, false);
    SprComposeScene(e, kNoon);
    SprPresent(e, view, 640, 0);
    ok = Save(ToImage(view), out, "station_noon.png") && ok;
    SprHide(e, kTrainSprite);
    ShowTrainAtPlatform(e, kMarkedTrainSprite);
    SprComposeScene(e, kEvening);
    SprPresent(e, view, 640, 0);
    ok = Save(ToImage(view), out, "station_evening_express.png") && ok;
    SprComposeScene(e, kNight);
    SprPresent(e, view, 640, 0);
    ok = Save(ToImage(view), out, "station_night_express.png") && ok;
    // Each skyline layer alone, at noon and at night.
    const char* names[] = {"mountains", "town", "downtown"};
    for (int layer = 0; layer < 3; ++layer) {
        for (int bit = 0; bit < 3; ++bit) {
            if (bit != layer)
                SprHide(e, kFirstScenerySlot + bit);
            else
                SprShowAt(e, kFirstScenerySlot + bit, 640, 0);
        }
        for (const auto& [time, when] : {std::pair{kNoon, "noon"}, std::pair{kNight, "night"}}) {
            SprComposeScene(e, time);
            SprPresent(e, view, 640, 0);
            ok = Save(ToImage(view), out, std::string("skyline_") + names[layer] + "_" + when + ".png") && ok;
        }
    }
    // The view below the station of a capital with a ticket office, and the fuzzbomb's view.
    BuildCity(e, 2, 5, true, true);
    e.ViewRow = 1;
    SprComposeScene(e, kNoon);
    SprPresent(e, view, 640, 377);
    ok = Save(ToImage(view), out, "street_capitol_fuzzbomb.png") && ok;
    ok = Save(FramesBoard(e), out, "frames.png") && ok;
    SprShutdown(e);
    return ok ? 0 : 1;
}

}  // namespace
}  // namespace rq

int main(int argc, char** argv) {
    const std::string assets = argc > 1 ? argv[1] : RAILQUEST_ASSETS_DIR;
    const std::string out = argc > 2 ? argv[2] : ".";
    return rq::Run(assets, out);
}
