// Writes the world as one JSON object: the clock, the citizens' crystals and every city with its trains.
#include "headless/WorldJson.h"

#include <string_view>

#include "world/CityDescription.h"

namespace rq {

namespace {

void WriteString(std::ostream& out, std::string_view text) {
    out << '"';
    for (const char ch : text) {
        switch (ch) {
            case '"':
                out << "\\\"";
                break;
            case '\\':
                out << "\\\\";
                break;
            case '\n':
                out << "\\n";
                break;
            case '\t':
                out << "\\t";
                break;
            default:
                if (static_cast<unsigned char>(ch) < 0x20) {
                    constexpr char kHex[] = "0123456789abcdef";
                    out << "\\u00" << kHex[(ch >> 4) & 0xF] << kHex[ch & 0xF];
                } else {
                    out << ch;
                }
        }
    }
    out << '"';
}

// A packed list: the entries from index 1 up to the first 0.
template <typename Array>
void WritePacked(std::ostream& out, const Array& items) {
    out << '[';
    for (std::size_t i = 1; i < items.size() && items[i] != 0; ++i) {
        out << (i > 1 ? "," : "") << items[i];
    }
    out << ']';
}

template <typename Array>
void WriteSlots(std::ostream& out, const Array& items) {
    out << '[';
    for (int s = 1; s <= kSlots; ++s) {
        out << (s > 1 ? "," : "") << items[static_cast<std::size_t>(s)];
    }
    out << ']';
}

void WriteCity(std::ostream& out, const World& w, int no) {
    const City& c = w.city(no);
    out << "{\"no\":" << no << ",\"name\":";
    WriteString(out, c.Name);
    out << ",\"size\":" << c.Size << ",\"scenery\":" << c.Scenery
        << ",\"isCapital\":" << (c.IsCapital ? "true" : "false") << ",\"mapX\":" << c.MapX << ",\"mapY\":" << c.MapY
        << ",\"trainDest\":";
    WriteSlots(out, c.TrainDest);
    out << ",\"trainType\":";
    WriteSlots(out, c.TrainType);
    out << ",\"citizens\":";
    WritePacked(out, c.Citizens);
    out << ",\"description\":";
    WriteString(out, CityDescription(w, static_cast<std::int16_t>(no)));
    out << ",\"waiting\":[";
    for (int s = 1; s <= kSlots; ++s) {
        out << (s > 1 ? "," : "");
        WritePacked(out, c.Waiting[static_cast<std::size_t>(s)]);
    }
    out << "],\"riders\":[";
    for (int s = 1; s <= kSlots; ++s) {
        out << (s > 1 ? "," : "") << '[';
        for (int j = 1; j <= kStages; ++j) {
            out << (j > 1 ? "," : "");
            WritePacked(out, c.Stage(s, j));
        }
        out << ']';
    }
    out << "]}";
}

}  // namespace

void WriteWorldJson(const World& w, std::uint64_t seed, std::ostream& out) {
    out << "{\"seed\":" << seed << ",\"fuzzbombCity\":" << w.FuzzbombCity << ",\"curCity\":" << w.CurCity
        << ",\"gameTime\":" << w.GameTime << ",\"dayNum\":" << w.DayNum << ",\"citizenCrystals\":[";
    for (std::size_t i = 0; i < w.CitizenCrystals.size(); ++i) {
        out << (i > 0 ? "," : "") << w.CitizenCrystals[i];
    }
    out << "],\"cities\":[\n";
    for (int no = 1; no <= kNumCities; ++no) {
        WriteCity(out, w, no);
        out << (no < kNumCities ? ",\n" : "\n");
    }
    out << "]}\n";
}

}  // namespace rq
