// The saved game's text checked for its shape as the JSON parser reads it event by event, without
// building the tree: the checks bound the tree before it is built (the parser's own object type finds
// a member by a linear search, so a member count without bound would make a parse quadratic).
#include "save/SaveSyntax.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "base/QuotedText.h"
#include "save/SaveJson.h"

namespace rq {

namespace {

class ShapeCheck : public nlohmann::json_sax<Json> {
public:
    std::string fault;

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }

    bool start_object(std::size_t) override {
        keys_.emplace_back(std::in_place);
        return Deeper();
    }
    bool key(string_t& name) override {
        std::vector<std::string>& keys = keys_.back().value();
        if (keys.size() == kMostMembers) {
            return Refuse("an object has more than " + std::to_string(kMostMembers) + " members");
        }
        if (std::find(keys.begin(), keys.end(), name) != keys.end()) {
            return Refuse("it has the member \"" + QuotedText(name) + "\" twice in one object");
        }
        keys.push_back(name);
        return true;
    }
    bool end_object() override {
        keys_.pop_back();
        return true;
    }
    bool start_array(std::size_t) override {
        keys_.emplace_back(std::nullopt);
        return Deeper();
    }
    bool end_array() override {
        keys_.pop_back();
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return Refuse("");
    }

private:
    bool Deeper() {
        return keys_.size() <= static_cast<std::size_t>(kDeepestSave) ||
               Refuse("it is nested more than " + std::to_string(kDeepestSave) + " levels deep");
    }
    bool Refuse(std::string why) {
        fault = std::move(why);
        return false;
    }

    // The members of each open object so far (none for a list), innermost last.
    std::vector<std::optional<std::vector<std::string>>> keys_;
};

}  // namespace

std::string SaveSyntaxFault(const std::string& text) {
    if (text.empty()) {
        return "it is empty";
    }
    // The parser takes a NUL for the end of the text; no text file holds one.
    if (std::memchr(text.data(), '\0', text.size()) != nullptr) {
        return "it holds a NUL byte, which no text file does";
    }
    ShapeCheck check;
    if (Json::sax_parse(text, &check, Json::input_format_t::json, true)) {
        return {};
    }
    return check.fault.empty() ? "it is not JSON, or it is cut short" : check.fault;
}

}  // namespace rq
