// The range-checked reading of a saved game's values.
#include "save/SaveJson.h"

#include <cmath>
#include <cstdint>

namespace rq {

namespace {

constexpr std::size_t kShownLength = 40;

// The value as JSON text, written only as far as a message shows it: a list of millions of numbers is
// not written whole to show its first forty characters.
void WriteBrief(const Json& v, std::string& out) {
    if (!v.is_structured()) {
        out += v.dump();
        return;
    }
    out += v.is_array() ? '[' : '{';
    bool first = true;
    for (auto it = v.begin(); it != v.end() && out.size() <= kShownLength; ++it) {
        out += first ? "" : ",";
        first = false;
        if (v.is_object()) {
            out += Json(it.key()).dump() + ":";
        }
        WriteBrief(*it, out);
    }
    out += v.is_array() ? ']' : '}';
}

std::string Shown(const Json& v) {
    std::string text;
    WriteBrief(v, text);
    return text.size() > kShownLength ? text.substr(0, kShownLength) + "..." : text;
}

}  // namespace

std::string Field::where() const {
    if (parent_ == nullptr) {
        return root_;
    }
    std::string up = parent_->where();
    if (entry_) {
        return up + "[" + std::to_string(index_) + "]";
    }
    return up.empty() ? std::string(name_) : up + "." + std::string(name_);
}

void Field::Fail(const std::string& what) const {
    throw SaveFault(where() + " " + what);
}

Field Field::operator[](std::string_view name) const {
    if (!v_.is_object()) {
        Fail("is " + Shown(v_) + ", not an object");
    }
    const auto it = v_.find(name);
    if (it == v_.end()) {
        const std::string up = where();
        throw SaveFault((up.empty() ? "" : up + ".") + std::string(name) + " is missing");
    }
    return {*it, *this, it.key(), 0, false};
}

Field Field::operator[](std::size_t i) const {
    return {v_.at(i), *this, {}, i, true};
}

std::size_t Field::Array(std::size_t min, std::size_t max) const {
    if (!v_.is_array()) {
        Fail("is " + Shown(v_) + ", not a list");
    }
    if (v_.size() < min || v_.size() > max) {
        Fail("has " + std::to_string(v_.size()) + " entries, not " + std::to_string(min) +
             (min == max ? "" : ".." + std::to_string(max)));
    }
    return v_.size();
}

std::int64_t Field::Int(std::int64_t low, std::int64_t high) const {
    const std::string range = ", not " + std::to_string(low) + ".." + std::to_string(high);
    // A number of 0 or more is held unsigned, and may lie beyond any int64.
    if (v_.is_number_unsigned() && v_.get<std::uint64_t>() > static_cast<std::uint64_t>(INT64_MAX)) {
        Fail("is " + Shown(v_) + range);
    }
    if (!v_.is_number_integer()) {
        Fail("is " + Shown(v_) + ", not a whole number");
    }
    const auto i = v_.get<std::int64_t>();
    if (i < low || i > high) {
        Fail("is " + Shown(v_) + range);
    }
    return i;
}

std::uint64_t Field::Unsigned() const {
    if (!v_.is_number_unsigned()) {
        Fail("is " + Shown(v_) + ", not a whole number of 0 or more");
    }
    return v_.get<std::uint64_t>();
}

double Field::Number(double low, double high) const {
    if (!v_.is_number()) {
        Fail("is " + Shown(v_) + ", not a number");
    }
    const auto d = v_.get<double>();
    if (!std::isfinite(d) || d < low || d > high) {
        Fail("is " + Shown(v_) + ", not within " + Json(low).dump() + ".." + Json(high).dump());
    }
    return d;
}

bool Field::Bool() const {
    if (!v_.is_boolean()) {
        Fail("is " + Shown(v_) + ", not true or false");
    }
    return v_.get<bool>();
}

std::string Field::Text(std::size_t maxLength) const {
    if (!v_.is_string()) {
        Fail("is " + Shown(v_) + ", not a text");
    }
    const auto& s = v_.get_ref<const std::string&>();
    if (s.size() > maxLength) {
        Fail("is longer than " + std::to_string(maxLength) + " characters");
    }
    return s;
}

}  // namespace rq
