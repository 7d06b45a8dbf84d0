// The shape a saved game's text must have before it is read into a tree: what no save of ours holds
// (deep nesting, an object of many members, a key twice, a NUL byte) is refused in one linear pass.
#pragma once

#include <string>

namespace rq {

// Nesting deeper than this is no save of ours (the deepest, a city's riders, is 7 levels).
inline constexpr int kDeepestSave = 16;
// An object of more members is no save of ours (a sprite, the largest, has 16).
inline constexpr std::size_t kMostMembers = 64;

// Empty when `text` is one JSON value within those bounds and nothing after it; otherwise the fault
// in words ("it is nested more than 16 levels deep").
std::string SaveSyntaxFault(const std::string& text);

}  // namespace rq
