#pragma once
// The seniority brackets and the school zones, with the percentage each one pays on the category
// base (items 010 and 078). The data-entry window shows them; the computation pays them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace recibo {

struct SeniorityBracket {
    std::string_view caption;  // the option button Option1 .. Option12
    std::uint8_t percent;      // what the option writes into pctantig
};

// Option1 first; there is no 90 % step.
inline constexpr std::array<SeniorityBracket, 12> kSeniorityBrackets{{
    {"Menos de 1 año", 0},
    {"Entre 1 y 2 años", 10},
    {"Entre 2 y 5 años", 15},
    {"Entre 5 y 7 años", 30},
    {"Entre 7 y 10 años", 40},
    {"Entre 10 y 12 años", 50},
    {"Entre 12 y 15 años", 60},
    {"Entre 15 y 17 años", 70},
    {"Entre 17 y 20 años", 80},
    {"Entre 20 y 22 años", 100},
    {"Entre 22 y 24 años", 110},
    {"Más de 24 años", 120},
}};

struct Zone {
    std::string_view name;  // the entry of the zone list
    std::uint8_t percent;
};

// In the order of the zone list; its position chooses the percentage.
inline constexpr std::array<Zone, 5> kZones{{
    {"Común", 0},
    {"Alejada radio urbano", 20},
    {"Desfavorable", 40},
    {"Muy desfavorable", 80},
    {"Zona Inhóspita", 120},
}};

// "30 %": how a percentage is written in porcantig, in a middle cell and in a tool tip.
std::string percentText(std::uint8_t percent);

// The zone percentage for a zone list position; no entry chosen (-1) pays nothing.
std::uint8_t zonePercent(int zoneIndex);

}  // namespace recibo
