// Writing and reading the panels' part of a saved game.
#include "save/PanelsSave.h"

#include "base/Index.h"
#include "world/City.h"

namespace rq {

namespace {

constexpr std::size_t kLongestText = 2000;
constexpr std::size_t kLongestHistory = 10000;
constexpr double kFarOutTwips = 1e6;

Json MarkersToJson(const std::vector<MarkerPaint>& markers) {
    Json list = Json::array();
    for (const MarkerPaint& m : markers) {
        list.push_back(Json::array({m.Fill, m.Square}));
    }
    return list;
}

std::vector<MarkerPaint> MarkersFromJson(const Field& in) {
    // Cleared back to the plain map, or one marker a city (entry 0 unused).
    const std::size_t n = in.Array(0, kNumCities + 1);
    if (n != 0 && n != kNumCities + 1) {
        in.Fail("has " + std::to_string(n) + " entries, not 0 or " + std::to_string(kNumCities + 1));
    }
    std::vector<MarkerPaint> markers(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Field m = in[i];
        m.Array(2, 2);
        markers[i].Fill = static_cast<std::uint32_t>(m[0u].Int(0, 0xFFFFFF));
        markers[i].Square = m[1u].Bool();
    }
    return markers;
}

}  // namespace

Json PanelsToJson(const Panels& p) {
    const MapState& m = p.Map;
    Json rows = Json::array();
    for (int s = 1; s <= kSlots; ++s) {
        const TicketRow& r = p.Tickets.Rows[At(s)];
        rows.push_back({{"position", r.Position}, {"dest", r.Dest}, {"time", r.Time}, {"marked", r.Marked}});
    }
    return {
        {"history",
         {{"entries", p.Hist.Entries},
          {"listIndex", p.Hist.ListIndex},
          {"backEnabled", p.Hist.BackEnabled},
          {"forwardEnabled", p.Hist.ForwardEnabled}}},
        {"map",
         {{"zoomed", m.Zoomed},
          {"hscValue", m.HscValue},
          {"vscValue", m.VscValue},
          {"pointer", Json::array({m.PointerLeft, m.PointerTop})},
          {"pointerOnZoom", m.PointerOnZoom},
          {"pointerVisible", m.PointerVisible},
          {"usaMarkers", MarkersToJson(m.UsaMarkers)},
          {"zoomMarkers", MarkersToJson(m.ZoomMarkers)}}},
        {"info",
         {{"text", p.Info.InfoText},
          {"destCaptions", Json(std::vector<std::string>(p.Info.DestCaptions.begin() + 1, p.Info.DestCaptions.end()))},
          {"destsVisible", p.Info.DestsVisible}}},
        {"tickets", {{"rows", std::move(rows)}, {"checkedSlot", p.Tickets.CheckedSlot}}}};
}

void PanelsFromJson(const Field& in, Panels& p) {
    const Field hist = in["history"];
    const Field entries = hist["entries"];
    const std::size_t n = entries.Array(0, kLongestHistory);
    p.Hist.Entries.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        p.Hist.Entries[i] = entries[i].Short(1, kNumCities);
    }
    p.Hist.ListIndex = static_cast<int>(hist["listIndex"].Int(-1, static_cast<std::int64_t>(n) - 1));
    p.Hist.BackEnabled = hist["backEnabled"].Bool();
    p.Hist.ForwardEnabled = hist["forwardEnabled"].Bool();

    // The scroll bars run from 0 down to their Max, which the window's layout sets.
    const Field map = in["map"];
    MapState& m = p.Map;
    m.Zoomed = map["zoomed"].Bool();
    m.HscValue = static_cast<int>(map["hscValue"].Int(std::min(p.Layout.HscMax, 0), 0));
    m.VscValue = static_cast<int>(map["vscValue"].Int(std::min(p.Layout.VscMax, 0), 0));
    const Field pointer = map["pointer"];
    pointer.Array(2, 2);
    m.PointerLeft = pointer[0u].Number(-kFarOutTwips, kFarOutTwips);
    m.PointerTop = pointer[1u].Number(-kFarOutTwips, kFarOutTwips);
    m.PointerOnZoom = map["pointerOnZoom"].Bool();
    m.PointerVisible = map["pointerVisible"].Bool();
    m.UsaMarkers = MarkersFromJson(map["usaMarkers"]);
    m.ZoomMarkers = MarkersFromJson(map["zoomMarkers"]);

    const Field info = in["info"];
    p.Info.InfoText = info["text"].Text(kLongestText);
    const Field captions = info["destCaptions"];
    captions.Array(kSlots, kSlots);
    for (int s = 1; s <= kSlots; ++s) {
        p.Info.DestCaptions[At(s)] = captions[At(s) - 1].Text(kLongestText);
    }
    p.Info.DestsVisible = info["destsVisible"].Bool();

    const Field tickets = in["tickets"];
    const Field rows = tickets["rows"];
    rows.Array(kSlots, kSlots);
    for (int s = 1; s <= kSlots; ++s) {
        const Field r = rows[At(s) - 1];
        TicketRow& row = p.Tickets.Rows[At(s)];
        row.Position = static_cast<int>(r["position"].Int(0, kSlots));
        row.Dest = r["dest"].Text(kLongestText);
        row.Time = r["time"].Text(kLongestText);
        row.Marked = r["marked"].Bool();
    }
    p.Tickets.CheckedSlot = tickets["checkedSlot"].Short(0, kSlots);
}

}  // namespace rq
