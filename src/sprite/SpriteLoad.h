// Loading the sprite sheet, the mask sheet, plain pictures and the frame file railquest.dat.
#pragma once

#include <string>
#include <vector>

#include "base/MessagePort.h"
#include "sprite/PictureLoader.h"
#include "sprite/SpriteEngine.h"

namespace rq {

// The most frames a frame file may announce; more is taken for a damaged file.
inline constexpr int kMaxFrameRecords = 1024;
// The frames the sprite slots use (0 to 28, see CreateSprites); a frame file with fewer is refused.
inline constexpr int kFramesNeeded = 29;

// The sizes, in pixels, a plain picture may have for its role (both ends included).
struct PictureBounds {
    int MinWidth = 1;
    int MinHeight = 1;
    int MaxWidth = 0;
    int MaxHeight = 0;
};

// Every loader puts appPath (the program folder; a missing trailing separator is added) in front
// of fileName. On failure it shows "The following error occurred in <procedure>():", a line feed and
// the description through `messages`, leaves the engine as it was and returns false.

// railquest.bmp into Sheet. A sheet whose size differs from an already loaded mask is refused.
bool iSprLoadSheet(SpriteEngine& e, const std::string& appPath, const std::string& fileName, PictureLoader& loader,
                   MessagePort& messages);

// masks.bmp into Mask. A mask whose size differs from the loaded sheet is refused.
bool iSprLoadMask(SpriteEngine& e, const std::string& appPath, const std::string& fileName, PictureLoader& loader,
                  MessagePort& messages);

// A plain picture (tracks.bmp into SpriteEngine::Track, usa.bmp into SpriteEngine::Map) into
// `picture`; a picture of a size outside `bounds` is refused. Its failure message names iSprLoadBMP.
bool iSprLoadBMP(Surface& picture, const std::string& appPath, const std::string& fileName, const PictureBounds& bounds,
                 PictureLoader& loader, MessagePort& messages);

// Reads the frame file into gFrames (N records and one all-zero entry after them). It must hold at
// least kFramesNeeded frames, each of a positive size and inside the sprite sheet, so load the
// sheets first.
bool iSprLoadGfx(SpriteEngine& e, const std::string& appPath, const std::string& fileName, MessagePort& messages);

// Reads the numbers of a frame file with the rules of sequential input: a number ends at a comma,
// a line break or a blank; an empty field between two commas is 0. On success `frames` holds the
// N records followed by the all-zero entry. Only the text is checked here, not the sheet.
bool ReadFrameFile(const std::string& text, std::vector<SpriteFrame>& frames, std::string& error);

// The checks of iSprLoadGfx on the text of a frame file: on success `frames` holds what goes into
// gFrames; otherwise `error` says why, naming fileName.
bool FramesFromText(const SpriteEngine& e, const std::string& text, const std::string& fileName,
                    std::vector<SpriteFrame>& frames, std::string& error);

// appPath joined with fileName.
std::string ProgramFile(const std::string& appPath, const std::string& fileName);

}  // namespace rq
