// Reading and writing recorded games.
#include "main/Recording.h"

#include <array>
#include <charconv>
#include <istream>
#include <sstream>
#include <utility>

namespace rq {

namespace {

constexpr std::string_view kHeader = "railquest-replay 1";
constexpr std::int64_t kFlushMilliseconds = 1000;

struct KindName {
    EntryKind Kind;
    std::string_view Name;
    int Numbers;  // how many numbers follow the name
    int Low, High;
};

// The words of each entry, with the numbers it takes and their range.
constexpr std::array<KindName, 12> kKinds{{
    {EntryKind::Keys, "keys", 1, 0, 0x1FF},
    {EntryKind::Menu, "menu", 0, 0, 0},
    {EntryKind::Answer, "answer", 0, 0, 0},
    {EntryKind::Ticket, "ticket", 1, 1, 5},
    {EntryKind::Ok, "ok", 0, 0, 0},
    {EntryKind::Map, "map", 2, -32768, 32767},
    {EntryKind::Zoom, "zoom", 0, 0, 0},
    {EntryKind::Back, "back", 0, 0, 0},
    {EntryKind::Forward, "forward", 0, 0, 0},
    {EntryKind::Dest, "dest", 1, 1, 5},
    {EntryKind::Legend, "legend", 1, 0, 4},
    {EntryKind::End, "end", 0, 0, 0},
}};

const KindName& NameOf(EntryKind kind) {
    for (const KindName& k : kKinds) {
        if (k.Kind == kind) {
            return k;
        }
    }
    return kKinds.back();
}

// The words an entry may carry after its name.
bool WordAllowed(EntryKind kind, const std::string& word) {
    switch (kind) {
        case EntryKind::Menu:
            return word == "new" || word == "skip" || word == "pause" || word == "sound" || word == "joystick" ||
                   word == "keyboard";
        case EntryKind::Answer:
            return word == "yes" || word == "no";
        case EntryKind::Ok:
            return word == "tickets" || word == "info";
        default:
            return false;
    }
}

bool TakesWord(EntryKind kind) {
    return kind == EntryKind::Menu || kind == EntryKind::Answer || kind == EntryKind::Ok;
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

}  // namespace

RecordingParse ParseRecording(std::istream& in) {
    Recording rec;
    int lineNo = 0;
    int stage = 0;  // 0: the header is next, 1: the seed, 2: entries
    auto fail = [&lineNo](const std::string& what) {
        return RecordingParse{std::nullopt, "line " + std::to_string(lineNo) + ": " + what};
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
        const KindName* kind = nullptr;
        for (const KindName& k : kKinds) {
            if (k.Name == w[1]) {
                kind = &k;
            }
        }
        if (kind == nullptr) {
            return fail("unknown entry \"" + w[1] + "\"");
        }
        e.Kind = kind->Kind;
        const std::size_t expected = 2 + (TakesWord(e.Kind) ? 1 : 0) + static_cast<std::size_t>(kind->Numbers);
        if (w.size() != expected) {
            return fail("wrong number of values for \"" + w[1] + "\"");
        }
        if (TakesWord(e.Kind)) {
            e.Word = w[2];
            if (!WordAllowed(e.Kind, e.Word)) {
                return fail("unknown " + w[1] + " \"" + e.Word + "\"");
            }
        }
        int* numbers[] = {&e.A, &e.B};
        for (int i = 0; i < kind->Numbers; ++i) {
            int& v = *numbers[i];
            if (!ParseNumber(w[static_cast<std::size_t>(2 + i)], v) || v < kind->Low || v > kind->High) {
                return fail(w[1] + " value out of range: " + w[static_cast<std::size_t>(2 + i)]);
            }
        }
        rec.Entries.push_back(std::move(e));
    }
    if (stage < 2) {
        ++lineNo;
        return fail(stage == 0 ? "empty file: not a Railquest recording" : "the seed is missing");
    }
    return {std::move(rec), {}};
}

std::string FormatEntry(const RecordEntry& e) {
    const KindName& kind = NameOf(e.Kind);
    std::string line = std::to_string(e.Step) + " " + std::string(kind.Name);
    if (TakesWord(e.Kind)) {
        line += " " + e.Word;
    }
    if (kind.Numbers >= 1) {
        line += " " + std::to_string(e.A);
    }
    if (kind.Numbers >= 2) {
        line += " " + std::to_string(e.B);
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
    Write({step, EntryKind::Keys, {}, bits, 0}, nowMilliseconds);
}

void RecordingWriter::Finish(std::int64_t step) {
    if (!out_.is_open()) {
        return;
    }
    out_ << FormatEntry({step, EntryKind::End, {}, 0, 0}) << '\n';
    out_.close();
}

}  // namespace rq
