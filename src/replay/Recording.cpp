// Reading and writing recorded games.
#include "replay/Recording.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <istream>
#include <string_view>
#include <utility>

#include "base/QuotedText.h"

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

constexpr std::array<ActionWords, 19> kActions{{
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
    {PlayerActionKind::Pointer, "pointer", "", 2, -32768, 32767},
    {PlayerActionKind::Scroll, "scroll", "", 2, -1'000'000, 0},
}};

const ActionWords& WordsOf(PlayerActionKind kind) {
    for (const ActionWords& a : kActions) {
        if (a.Kind == kind) {
            return a;
        }
    }
    return kActions.front();
}

// A line longer than this is not the game's: the longest entry it writes is a few dozen bytes.
constexpr std::size_t kMaxLineBytes = 4096;

template <typename T>
std::errc ParseNumber(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ptr != end ? std::errc::invalid_argument : ec;
}

template <typename T>
bool IsNumber(std::string_view text, T& value) {
    return ParseNumber(text, value) == std::errc{};
}

// Bad text from the file, as a message quotes it.
std::string Quote(std::string_view text) {
    std::string quoted(1, '"');
    quoted += QuotedText(text);
    quoted += '"';
    return quoted;
}

// The words of a line, up to a `#` that starts a comment.
std::vector<std::string_view> Words(std::string_view line) {
    line = line.substr(0, line.find('#'));
    std::vector<std::string_view> words;
    constexpr std::string_view kBlanks = " \t\r\v\f";
    for (std::size_t at = line.find_first_not_of(kBlanks); at != std::string_view::npos;
         at = line.find_first_not_of(kBlanks, at)) {
        const std::size_t end = std::min(line.find_first_of(kBlanks, at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

enum class LineRead : std::uint8_t { Line, End, TooLong, TooLarge };

// The next line without its line end, reading at most kMaxLineBytes of it and kMaxRecordingBytes in
// all, so neither a file with no line end (/dev/zero) nor an endless pipe is read into memory.
LineRead NextLine(std::streambuf& in, std::string& line, std::uint64_t& bytesRead) {
    line.clear();
    for (bool any = false;; any = true) {
        const int ch = in.sbumpc();
        if (ch == std::char_traits<char>::eof()) {
            return any ? LineRead::Line : LineRead::End;
        }
        if (++bytesRead > kMaxRecordingBytes) {
            return LineRead::TooLarge;
        }
        if (ch == '\n') {
            return LineRead::Line;
        }
        if (line.size() == kMaxLineBytes) {
            return LineRead::TooLong;
        }
        line += static_cast<char>(ch);
    }
}

// The entry after its step number; an empty string when it is good, else what is wrong.
std::string ReadEntry(const std::vector<std::string_view>& w, RecordEntry& e) {
    const std::string name(w[1]);
    if (name == "end" || name == "keys") {
        const bool keys = name == "keys";
        int bits = 0;
        if (w.size() != (keys ? 3u : 2u)) {
            return "wrong number of values for \"" + name + "\"";
        }
        if (keys && (!IsNumber(w[2], bits) || bits < 0 || bits > 0x1FF)) {
            return "keys value out of range: " + Quote(w[2]);
        }
        e.Kind = keys ? RecordEntry::Type::Keys : RecordEntry::Type::End;
        e.Keys = static_cast<std::uint16_t>(bits);
        return {};
    }
    if (name == "check") {
        std::uint32_t hash = 0;
        const std::string_view text = w.size() == 3 ? w[2] : std::string_view();
        const char* end = text.data() + text.size();
        const auto [ptr, ec] = std::from_chars(text.data(), end, hash, 16);
        if (w.size() != 3 || text.size() > 8 || ec != std::errc{} || ptr != end) {
            return "expected \"check\" and up to 8 hexadecimal digits";
        }
        e.Kind = RecordEntry::Type::Check;
        e.Check = hash;
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
            const std::string_view text = w[words + static_cast<std::size_t>(i)];
            if (!IsNumber(text, *numbers[i]) || *numbers[i] < a.Low || *numbers[i] > a.High) {
                return name + " value out of range: " + Quote(text);
            }
        }
        e.Kind = RecordEntry::Type::Action;
        e.Action.Kind = a.Kind;
        return {};
    }
    if (named) {
        return "unknown " + name + " " + Quote(w.size() > 2 ? w[2] : std::string_view());
    }
    return "unknown entry " + Quote(name);
}

bool IsAnswer(const RecordEntry& e) {
    return e.Kind == RecordEntry::Type::Action &&
           (e.Action.Kind == PlayerActionKind::AnswerYes || e.Action.Kind == PlayerActionKind::AnswerNo);
}

bool AsksQuestion(const RecordEntry& e) {
    return e.Kind == RecordEntry::Type::Action && e.Action.Kind == PlayerActionKind::MenuNew;
}

// What is wrong with entry `e` after the entries read so far; empty when it may follow them.
std::string CheckOrder(const std::vector<RecordEntry>& before, const RecordEntry& e) {
    if (before.empty()) {
        return IsAnswer(e) ? "an answer with no question before it" : std::string();
    }
    const RecordEntry& last = before.back();
    if (last.Kind == RecordEntry::Type::End) {
        return "an entry after \"end\"";
    }
    if (e.Step < last.Step) {
        return "step " + std::to_string(e.Step) + " goes back before step " + std::to_string(last.Step);
    }
    if (IsAnswer(e) && !AsksQuestion(last)) {
        return "an answer with no question before it";
    }
    return {};
}

// One entry line: its step, the entry, and its place after the entries before it.
std::string ReadEntryLine(const std::vector<std::string_view>& w, const std::vector<RecordEntry>& before,
                          RecordEntry& e) {
    if (w[0] == "seed") {
        return "a second seed";
    }
    const std::errc step = ParseNumber(w[0], e.Step);
    if (step == std::errc::result_out_of_range || (step == std::errc{} && (e.Step < 0 || e.Step > kMaxSteps))) {
        return "step out of range: " + Quote(w[0]) + " (steps go from 0 to " + std::to_string(kMaxSteps) + ")";
    }
    if (step != std::errc{} || w.size() < 2) {
        return "expected a step number and an entry";
    }
    if (std::string error = ReadEntry(w, e); !error.empty()) {
        return error;
    }
    return CheckOrder(before, e);
}

}  // namespace

RecordingParse ParseRecording(std::istream& in) {
    Recording rec;
    std::int64_t lineNo = 0;
    int stage = 0;  // 0: the header is next, 1: the seed, 2: entries
    auto fail = [&lineNo](const std::string& what) {
        return RecordingParse{std::nullopt, "line " + std::to_string(lineNo) + ": " + what};
    };
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr) {
        return {std::nullopt, "cannot be read", true};
    }
    std::uint64_t bytesRead = 0;
    std::string line;
    for (;;) {
        LineRead read = LineRead::End;
        try {
            read = NextLine(*buffer, line, bytesRead);
        } catch (const std::exception&) {
            return {std::nullopt, "cannot be read", true};  // a folder, or a read error of the system's
        }
        if (read == LineRead::End) {
            break;
        }
        ++lineNo;
        if (read == LineRead::TooLong) {
            return fail("line too long (over " + std::to_string(kMaxLineBytes) + " bytes): " + Quote(line));
        }
        if (read == LineRead::TooLarge) {
            return fail("too large to be a recording (over " + std::to_string(kMaxRecordingBytes >> 20) + " MiB)");
        }
        const std::vector<std::string_view> w = Words(line);
        if (w.empty()) {
            continue;
        }
        if (stage == 0) {
            if (w.size() != 2 || w[0] != "railquest-replay" || w[1] != "1") {
                return fail("not a Railquest recording (it must begin with \"" + std::string(kHeader) + "\")");
            }
            stage = 1;
            continue;
        }
        if (stage == 1) {
            if (w.size() != 2 || w[0] != "seed" || !IsNumber(w[1], rec.Seed)) {
                return fail("expected \"seed N\"");
            }
            stage = 2;
            continue;
        }
        RecordEntry e;
        if (const std::string error = ReadEntryLine(w, rec.Entries, e); !error.empty()) {
            return fail(error);
        }
        e.Line = static_cast<int>(lineNo);
        rec.Entries.push_back(e);
    }
    if (stage < 2) {
        ++lineNo;
        return fail(stage == 0 ? "empty file: not a Railquest recording" : "the seed is missing");
    }
    return {std::move(rec), {}};
}

RecordingParse ReadRecordingFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return {std::nullopt, "is a folder, not a recording", true};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {std::nullopt, "cannot be read (no such file, or no permission)", true};
    }
    return ParseRecording(in);
}

std::string FormatEntry(const RecordEntry& e) {
    std::string line = std::to_string(e.Step);
    if (e.Kind == RecordEntry::Type::Check) {
        std::array<char, 9> hex{};
        const auto result = std::to_chars(hex.data(), hex.data() + 8, e.Check, 16);
        const std::string digits(hex.data(), result.ptr);
        return line + " check " + std::string(8 - digits.size(), '0') + digits;
    }
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
    path_ = path;
    out_.open(path, std::ios::out | std::ios::trunc);
    if (!out_) {
        return good_ = false;
    }
    out_ << kHeader << "\nseed " << seed << "\n";
    out_.flush();
    keys_.reset();
    return good_ = static_cast<bool>(out_);
}

void RecordingWriter::Write(const RecordEntry& e, std::int64_t nowMilliseconds) {
    if (!out_.is_open()) {
        return;
    }
    out_ << FormatEntry(e) << '\n';
    lastStep_ = e.Step;
    dirty_ = true;
    Poll(nowMilliseconds);
}

void RecordingWriter::Poll(std::int64_t nowMilliseconds) {
    if (dirty_ && nowMilliseconds - flushedAt_ >= kFlushMilliseconds) {
        out_.flush();
        flushedAt_ = nowMilliseconds;
        dirty_ = false;
    }
    good_ = good_ && static_cast<bool>(out_);
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

void RecordingWriter::Check(std::int64_t step, std::uint32_t hash, std::int64_t nowMilliseconds) {
    RecordEntry e;
    e.Step = step;
    e.Kind = RecordEntry::Type::Check;
    e.Check = hash;
    Write(e, nowMilliseconds);
}

bool RecordingWriter::Finish(std::int64_t step, std::optional<std::uint32_t> check) {
    if (!out_.is_open()) {
        return good_;
    }
    RecordEntry e;
    e.Step = step;
    if (check) {
        RecordEntry c = e;
        c.Kind = RecordEntry::Type::Check;
        c.Check = *check;
        out_ << FormatEntry(c) << '\n';
    }
    out_ << FormatEntry(e) << '\n';
    out_.close();
    return good_ = good_ && static_cast<bool>(out_);
}

}  // namespace rq
