// Writing a step's trace line by hand: a few fields of plain numbers, written the same on every machine.
#include "headless/StepTrace.h"

#include <charconv>
#include <cstdio>
#include <initializer_list>

namespace rq {

namespace {

void AppendJsonText(std::string& out, const std::string& text) {
    out += '"';
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (ch == '\n') {
            out += "\\n";
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += ch;
        }
    }
    out += '"';
}

// A list of items written by `each`, comma-separated, in brackets.
template <typename Range, typename Each>
void AppendList(std::string& out, const Range& range, Each each) {
    out += '[';
    bool first = true;
    for (const auto& item : range) {
        if (!first) out += ',';
        first = false;
        each(item);
    }
    out += ']';
}

// Numbers are appended on their own: GCC 12 at -O3 warns wrongly about '[' + std::to_string(n).
void AppendNumber(std::string& out, long long value) {
    out += std::to_string(value);
}

void AppendField(std::string& out, const char* name, long long value) {
    out += ",\"";
    out += name;
    out += "\":";
    AppendNumber(out, value);
}

// Numbers in brackets, comma-separated.
void AppendNumbers(std::string& out, std::initializer_list<long long> values) {
    AppendList(out, values, [&](long long v) { AppendNumber(out, v); });
}

const char* Bool(bool b) {
    return b ? "true" : "false";
}

}  // namespace

std::string GameTimeText(double gameTime) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, gameTime);
    return std::string(text, result.ptr);
}

std::string StepTraceLine(const Game& g, const StepNotes& notes) {
    const World& w = g.world;
    const SpriteEngine& spr = g.sprites;
    const bool city = notes.City;
    std::string out;
    out.reserve(4096);
    out += "{\"step\":";
    AppendNumber(out, g.shell.Steps);
    out += city ? ",\"phase\":\"city\"" : ",\"phase\":\"transit\"";
    out += ",\"time\":";
    out += GameTimeText(w.GameTime);
    AppendField(out, "day", w.DayNum);
    AppendField(out, "city", w.CurCity);
    AppendField(out, "input", notes.Input);
    out += ",\"view\":";
    AppendNumbers(out, {spr.ViewCol, spr.ViewRow});
    AppendField(out, "crystals", w.crystals(kPlayer));
    AppendField(out, "selected", g.scene.SelectedTrain);
    out += ",\"panels\":{\"tickets\":";
    out += Bool(g.panels.TicketsOpen);
    out += ",\"info\":";
    out += Bool(g.panels.InfoOpen);
    out += "},\"sprites\":[";
    bool first = true;
    for (int slot = 1; slot < kSpriteSlots; ++slot) {
        const Sprite& s = spr[slot];
        if (!s.Shown) continue;
        if (!first) out += ',';
        first = false;
        out += '[';
        AppendNumber(out, slot);
        for (const int v : {int{s.X}, int{s.Y}, int{s.VX}, int{s.VY}, int{s.Frame}}) {
            out += ',';
            AppendNumber(out, v);
        }
        out += ',';
        out += Bool(s.Blocked);
        out += ',';
        AppendNumber(out, s.CitizenNo);
        out += ']';
    }
    out += "],\"meetings\":";
    static const decltype(g.scene.Meetings) kNone;
    AppendList(out, city ? g.scene.Meetings : kNone, [&](const auto& m) { AppendNumbers(out, {m.first, m.second}); });
    out += ",\"sounds\":";
    AppendList(out, notes.Sounds, [&](std::int16_t effect) { AppendNumber(out, effect); });
    out += ",\"messages\":";
    AppendList(out, notes.Messages, [&](const std::string& text) { AppendJsonText(out, text); });
    out += '}';
    return out;
}

}  // namespace rq
