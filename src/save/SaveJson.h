// Reading a saved game's JSON: each value taken with its range, a fault naming where it lies.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

namespace rq {

// Members keep the order they are written in, so the file reads from its format and version down.
using Json = nlohmann::ordered_json;

// What is wrong with a saved game, in words for the player ("world.curCity is 201, not 0..200").
class SaveFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value of the file and where it lies in it ("world.cities[3].citizens"), for the fault's words.
// The place is put into words only for a fault: a save holds tens of thousands of values. A member or
// entry refers to the Field it was taken from, which must outlive it (a local, or a parameter).
class Field {
public:
    Field(const Json& value, std::string where) : v_(value), root_(std::move(where)) {}

    const Json& json() const { return v_; }
    std::string where() const;

    // The member `name` of this object; a fault when this is no object or the member is missing.
    Field operator[](std::string_view name) const;
    // Entry i of this array (checked by Array first).
    Field operator[](std::size_t i) const;

    // This value as an array of `min`..`max` entries; returns how many.
    std::size_t Array(std::size_t min, std::size_t max) const;
    // Whole numbers within low..high.
    std::int64_t Int(std::int64_t low, std::int64_t high) const;
    std::int16_t Short(int low, int high) const { return static_cast<std::int16_t>(Int(low, high)); }
    std::uint64_t Unsigned() const;
    double Number(double low, double high) const;
    bool Bool() const;
    std::string Text(std::size_t maxLength) const;

    [[noreturn]] void Fail(const std::string& what) const;

private:
    Field(const Json& value, const Field& parent, std::string_view name, std::size_t index, bool entry)
        : v_(value), parent_(&parent), name_(name), index_(index), entry_(entry) {}

    const Json& v_;
    const Field* parent_ = nullptr;
    std::string_view name_;  // a member's name, kept by the document
    std::size_t index_ = 0;  // an entry's place
    bool entry_ = false;
    std::string root_;  // the top's name
};

}  // namespace rq
