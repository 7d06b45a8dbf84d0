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
// `picture`. Its failure message names iSprLoadBMP.
bool iSprLoadBMP(Surface& picture, const std::string& appPath, const std::string& fileName, PictureLoader& loader,
                 MessagePort& messages);

// Reads the frame file into gFrames (N records and one all-zero entry after them). Every frame
// must have a positive size and lie inside the sprite sheet, so load the sheets first.
bool iSprLoadGfx(SpriteEngine& e, const std::string& appPath, const std::string& fileName, MessagePort& messages);

// Reads the numbers of a frame file with the rules of sequential input: a number ends at a comma,
// a line break or a blank; an empty field between two commas is 0. On success `frames` holds the
// N records followed by the all-zero entry. Only the text is checked here, not the sheet.
bool ReadFrameFile(const std::string& text, std::vector<SpriteFrame>& frames, std::string& error);

// appPath joined with fileName.
std::string ProgramFile(const std::string& appPath, const std::string& fileName);

}  // namespace rq
