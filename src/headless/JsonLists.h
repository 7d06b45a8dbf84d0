// The game's packed lists as JSON, shared by the world dump and the saved games.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>

namespace rq {

// A packed list: the entries from index 1 up to the first 0.
template <typename Array>
nlohmann::ordered_json PackedJson(const Array& items) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (std::size_t i = 1; i < items.size() && items[i] != 0; ++i) {
        list.push_back(items[i]);
    }
    return list;
}

}  // namespace rq
