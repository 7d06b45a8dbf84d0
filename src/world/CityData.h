// The fixed data of the 200 cities: names, size class, scenery, capital flag, map position and links.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

#include "world/City.h"

namespace rq {

struct CityRow {
    std::string_view Name;
    std::int16_t Size;
    std::int16_t Scenery;
    bool IsCapital;
    std::int16_t MapX;
    std::int16_t MapY;
    std::array<std::int16_t, kSlots> Dest;  // the destinations of slots 1..5
};

// Rows for cities 1..200, in city-number order (index 0 is city 1).
extern const std::array<CityRow, kNumCities> kCityRows;

// The 13 marked links between the hub cities; both ends carry TrainType 1.
inline constexpr std::array<std::pair<std::int16_t, std::int16_t>, 13> kMarkedLinks{{
    {7, 169},   // Phoenix – Dallas
    {13, 17},   // Los Angeles – San Francisco
    {17, 21},   // San Francisco – Denver
    {17, 187},  // San Francisco – Seattle
    {21, 187},  // Denver – Seattle
    {21, 46},   // Denver – Chicago
    {31, 121},  // Washington, D.C. – New York
    {31, 46},   // Washington, D.C. – Chicago
    {31, 38},   // Washington, D.C. – Atlanta
    {35, 38},   // Miami – Atlanta
    {38, 169},  // Atlanta – Dallas
    {46, 169},  // Chicago – Dallas
    {78, 121},  // Boston – New York
}};

}  // namespace rq
