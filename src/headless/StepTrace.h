// The trace of a run without a window: one JSON object a line (JSON Lines) for each step, after it ran.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/Game.h"

namespace rq {

// The trace line of the step that ran last, without its line end:
// {"step":…,"phase":"city"|"transit","time":GameTime,"day":…,"city":CurCity,"input":InputBits,
//  "view":[col,row],"crystals":the player's,"selected":SelectedTrain,"panels":{"tickets":…,"info":…},
//  "sprites":[[slot,x,y,vx,vy,frame,blocked,citizen],…] (shown sprites, by slot),
//  "meetings":[[person,fuzzy],…] (slots; a journey step has none),"sounds":[effect numbers played],
//  "messages":[texts of the message boxes and questions]}
// "input" is the held InputBits the step ran with; sounds and messages include those of the input's
// actions before the step.
// What the game alone does not keep of the step that ran last.
struct StepNotes {
    bool City = true;                          // it was a city tick (else a journey step)
    std::uint16_t Input = 0;                   // the held InputBits it ran with
    const std::vector<std::int16_t>& Sounds;   // the effects played
    const std::vector<std::string>& Messages;  // the message boxes and questions
};

std::string StepTraceLine(const Game& game, const StepNotes& notes);

// A game time as the trace and the summary write it: the shortest text that reads back the same.
std::string GameTimeText(double gameTime);

}  // namespace rq
