// The range-checked reading of a saved game's values.
#include "save/SaveJson.h"

#include <cmath>

namespace rq {

namespace {

std::string Shown(const Json& v) {
    std::string text = v.dump();
    return text.size() > 40 ? text.substr(0, 40) + "..." : text;
}

}  // namespace

void Field::Fail(const std::string& what) const {
    throw SaveFault(where_ + " " + what);
}

Field Field::operator[](std::string_view name) const {
    if (!v_.is_object()) {
        Fail("is " + Shown(v_) + ", not an object");
    }
    const auto it = v_.find(name);
    const std::string where = where_.empty() ? std::string(name) : where_ + "." + std::string(name);
    if (it == v_.end()) {
        throw SaveFault(where + " is missing");
    }
    return {*it, where};
}

Field Field::operator[](std::size_t i) const {
    return {v_.at(i), where_ + "[" + std::to_string(i) + "]"};
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
    if (v_.is_number_unsigned()) {
        const auto u = v_.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(high < 0 ? 0 : high)) {
            Fail("is " + Shown(v_) + range);
        }
        return static_cast<std::int64_t>(u);
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
