// Reading and writing recorded games.
#include "replay/Recording.h"

#include <array>
#include <charconv>
#include <istream>
#include <sstream>
#include <utility>

namespace rq {

namespace {

constexpr std::string_view kHeader = "railquest-replay 1";
constexpr std::int64_t kFlushMilliseconds = 1000;

// How each action is written: its name, the word after it, and the numbers it takes with their range.
struct ActionWords {
    PlayerActionKind Kind;
    std::string_view Name;
    std::string_view Word;
    int Numbers;
    int Low, High;
};

constexpr std::array<ActionWords, 17> kActions{{
    {PlayerActionKind::MenuNew, "menu", "new", 0, 0, 0},
    {PlayerActionKind::MenuSkip, "menu", "skip", 0, 0, 0},
    {PlayerActionKind::MenuPause, "menu", "pause", 0, 0, 0},
    {PlayerActionKind::MenuSound, "menu", "sound", 0, 0, 0},
    {PlayerActionKind::MenuJoystick, "menu", "joystick", 0, 0, 0},
    {PlayerActionKind::MenuKeyboard, "menu", "keyboard", 0, 0, 0},
    {PlayerActionKind::AnswerYes, "answer", "yes", 0, 0, 0},
    {PlayerActionKind::AnswerNo, "answer", "no", 0, 0, 0},
    {PlayerActionKind::Ticket, "ticket", "", 1, 1, 5},
    {PlayerActionKind::OkTickets, "ok", "tickets", 0, 0, 0},
    {PlayerActionKind::OkInfo, "ok", "info", 0, 0, 0},
    {PlayerActionKind::Map, "map", "", 2, -32768, 32767},
    {PlayerActionKind::Zoom, "zoom", "", 0, 0, 0},
    {PlayerActionKind::Back, "back", "", 0, 0, 0},
    {PlayerActionKind::Forward, "forward", "", 0, 0, 0},
    {PlayerActionKind::Dest, "dest", "", 1, 1, 5},
    {PlayerActionKind::Legend, "legend", "", 1, 0, 4},
}};

const ActionWords& WordsOf(PlayerActionKind kind) {
    for (const ActionWords& a : kActions) {
        if (a.Kind == kind) {
            return a;
        }
    }
    return kActions.front();
}

template <typename T>
bool ParseNumber(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && ptr == end;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string w; in >> w;) {
        words.push_back(w);
    }
    return words;
}

// The entry after its step number; an empty string when it is good, else what is wrong.
std::string ReadEntry(const std::vector<std::string>& w, RecordEntry& e) {
    const std::string& name = w[1];
    if (name == "end" || name == "keys") {
        const bool keys = name == "keys";
        int bits = 0;
        if (w.size() != (keys ? 3u : 2u)) {
            return "wrong number of values for \"" + name + "\"";
        }
        if (keys && (!ParseNumber(w[2], bits) || bits < 0 || bits > 0x1FF)) {
            return "keys value out of range: " + w[2];
        }
        e.Kind = keys ? RecordEntry::Type::Keys : RecordEntry::Type::End;
        e.Keys = static_cast<std::uint16_t>(bits);
        return {};
    }
    bool named = false;
    for (const ActionWords& a : kActions) {
        if (a.Name != name) {
            continue;
        }
        named = true;
        const std::size_t words = a.Word.empty() ? 2 : 3;
        if (words == 3 && (w.size() < 3 || w[2] != a.Word)) {
            continue;
        }
        if (w.size() != words + static_cast<std::size_t>(a.Numbers)) {
            return "wrong number of values for \"" + name + "\"";
        }
        int* numbers[] = {&e.Action.A, &e.Action.B};
        for (int i = 0; i < a.Numbers; ++i) {
            const std::string& text = w[words + static_cast<std::size_t>(i)];
            if (!ParseNumber(text, *numbers[i]) || *numbers[i] < a.Low || *numbers[i] > a.High) {
                return name + " value out of range: " + text;
            }
        }
        e.Kind = RecordEntry::Type::Action;
        e.Action.Kind = a.Kind;
        return {};
    }
    if (named) {
        return "unknown " + name + " \"" + (w.size() > 2 ? w[2] : std::string()) + "\"";
    }
    return "unknown entry \"" + name + "\"";
}

}  // namespace

RecordingParse ParseRecording(std::istream& in) {
    Recording rec;
    int lineNo = 0;
    int stage = 0;  // 0: the header is next, 1: the seed, 2: entries
    auto fail = [&lineNo](const std::string& what) {
        std::string error = "line ";
        error += std::to_string(lineNo);
        error += ": ";
        error += what;
        return RecordingParse{std::nullopt, error};
    };
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        const std::vector<std::string> w = Words(line);
        if (w.empty()) {
            continue;
        }
        if (stage == 0) {
            if (w.size() != 2 || w[0] + " " + w[1] != kHeader) {
                return fail("not a Railquest recording (it must begin with \"railquest-replay 1\")");
            }
            stage = 1;
            continue;
        }
        if (stage == 1) {
            if (w.size() != 2 || w[0] != "seed" || !ParseNumber(w[1], rec.Seed)) {
                return fail("expected \"seed N\"");
            }
            stage = 2;
            continue;
        }
        RecordEntry e;
        if (w.size() < 2 || !ParseNumber(w[0], e.Step) || e.Step < 0) {
            return fail("expected a step number and an entry");
        }
        if (!rec.Entries.empty() && e.Step < rec.Entries.back().Step) {
            return fail("step " + w[0] + " goes back before step " + std::to_string(rec.Entries.back().Step));
        }
        if (const std::string error = ReadEntry(w, e); !error.empty()) {
            return fail(error);
        }
        rec.Entries.push_back(e);
    }
    if (stage < 2) {
        ++lineNo;
        return fail(stage == 0 ? "empty file: not a Railquest recording" : "the seed is missing");
    }
    return {std::move(rec), {}};
}

std::string FormatEntry(const RecordEntry& e) {
    std::string line = std::to_string(e.Step);
    if (e.Kind != RecordEntry::Type::Action) {
        line += e.Kind == RecordEntry::Type::End ? " end" : " keys ";
        if (e.Kind == RecordEntry::Type::Keys) {
            line += std::to_string(e.Keys);
        }
        return line;
    }
    const ActionWords& a = WordsOf(e.Action.Kind);
    line += ' ';
    line += a.Name;
    if (!a.Word.empty()) {
        line += ' ';
        line += a.Word;
    }
    for (int i = 0; i < a.Numbers; ++i) {
        line += ' ';
        line += std::to_string(i == 0 ? e.Action.A : e.Action.B);
    }
    return line;
}

bool RecordingWriter::Open(const std::string& path, std::uint64_t seed) {
    out_.open(path, std::ios::out | std::ios::trunc);
    if (!out_) {
        return false;
    }
    out_ << kHeader << "\nseed " << seed << "\n";
    out_.flush();
    keys_.reset();
    return static_cast<bool>(out_);
}

void RecordingWriter::Write(const RecordEntry& e, std::int64_t nowMilliseconds) {
    if (!out_.is_open()) {
        return;
    }
    out_ << FormatEntry(e) << '\n';
    dirty_ = true;
    Poll(nowMilliseconds);
}

void RecordingWriter::Poll(std::int64_t nowMilliseconds) {
    if (dirty_ && nowMilliseconds - flushedAt_ >= kFlushMilliseconds) {
        out_.flush();
        flushedAt_ = nowMilliseconds;
        dirty_ = false;
    }
}

void RecordingWriter::Keys(std::int64_t step, std::uint16_t bits, std::int64_t nowMilliseconds) {
    if (keys_ == bits) {
        return;
    }
    keys_ = bits;
    RecordEntry e;
    e.Step = step;
    e.Kind = RecordEntry::Type::Keys;
    e.Keys = bits;
    Write(e, nowMilliseconds);
}

void RecordingWriter::Finish(std::int64_t step) {
    if (!out_.is_open()) {
        return;
    }
    RecordEntry e;
    e.Step = step;
    out_ << FormatEntry(e) << '\n';
    out_.close();
}

}  // namespace rq
