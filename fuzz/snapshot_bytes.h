#pragma once
// Bytes to a snapshot and back, shared by the computation's fuzz target and its seed corpus.
// Layout: kHeaderSize bytes choose the category, the seniority option and percentage, the zone,
// the tick boxes and the decimal separator; the rest are the texts of kTextFields in order, each
// ended by '\n'. Fields the bytes do not reach keep the data-entry window's start values.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "snapshot.h"

namespace recibo::fuzz {

struct TextField {
    std::string_view name;  // the control's objectName, as a Failure names it
    std::string Snapshot::*member;
};

// Every text the user can type or a selection writes: the one list of input fields here.
inline constexpr std::array<TextField, 19> kTextFields{{
    {"codigocargo", &Snapshot::codigocargo},
    {"puntosbasicos", &Snapshot::puntosbasicos},
    {"cargox", &Snapshot::cargox},
    {"punbas", &Snapshot::punbas},
    {"compbas", &Snapshot::compbas},
    {"jorcom", &Snapshot::jorcom},
    {"proljor", &Snapshot::proljor},
    {"tardif", &Snapshot::tardif},
    {"numerohorasmed", &Snapshot::numerohorasmed},
    {"numerohorassup", &Snapshot::numerohorassup},
    {"numhorascod06", &Snapshot::numhorascod06},
    {"numhorasincen", &Snapshot::numhorasincen},
    {"numhorascod113", &Snapshot::numhorascod113},
    {"porcantig", &Snapshot::porcantig},
    {"cantkm", &Snapshot::cantkm},
    {"dinasist", &Snapshot::dinasist},
    {"cantidadhijos", &Snapshot::cantidadhijos},
    {"cantidadhijosdisc", &Snapshot::cantidadhijosdisc},
    {"docente", &Snapshot::docente},
}};

inline constexpr std::array<bool Snapshot::*, 12> kTicks{
    &Snapshot::opincentivo, &Snapshot::transporte, &Snapshot::hijos,     &Snapshot::hijosdisc,
    &Snapshot::conyuge,     &Snapshot::Iosper,     &Snapshot::Osplad,    &Snapshot::APORTEJUB,
    &Snapshot::Ley4035,     &Snapshot::TOVIL,      &Snapshot::cajacomp,  &Snapshot::Seguro3011,
};

// The ranges the windows can produce: 4 categories, options 0..12, percentages 0..120,
// zones -1 (none) to 5 plus one past the list.
inline constexpr int kCategories = 4;
inline constexpr int kSeniorityOptions = 13;
inline constexpr int kSeniorityPercents = 121;
inline constexpr int kZones = 8;
inline constexpr std::size_t kHeaderSize = 7;

struct FuzzInput {
    Snapshot snapshot;
    char decimalSeparator = '.';
};

inline FuzzInput fromBytes(const std::uint8_t *data, std::size_t size)
{
    std::array<std::uint8_t, kHeaderSize> header{};
    for (std::size_t i = 0; i < kHeaderSize && i < size; ++i)
        header[i] = data[i];
    FuzzInput input;
    Snapshot &s = input.snapshot;
    s.category = static_cast<Category>(header[0] % kCategories);
    s.seniorityOption = header[1] % kSeniorityOptions;
    s.pctantig = static_cast<std::uint8_t>(header[2] % kSeniorityPercents);
    s.zona = header[3] % kZones - 1;
    const unsigned ticks = header[4] | (header[5] << 8u);
    for (std::size_t i = 0; i < kTicks.size(); ++i)
        s.*kTicks[i] = (ticks >> i) & 1u;
    input.decimalSeparator = header[6] % 2 ? ',' : '.';

    std::string_view rest;
    if (size > kHeaderSize)
        rest = std::string_view(reinterpret_cast<const char *>(data) + kHeaderSize, size - kHeaderSize);
    for (const TextField &field : kTextFields) {
        if (rest.empty())
            break;
        const std::size_t end = rest.find('\n');
        s.*field.member = std::string(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return input;
}

inline std::string toBytes(const FuzzInput &input)
{
    const Snapshot &s = input.snapshot;
    unsigned ticks = 0;
    for (std::size_t i = 0; i < kTicks.size(); ++i)
        ticks |= static_cast<unsigned>(s.*kTicks[i]) << i;
    std::string bytes{static_cast<char>(s.category), static_cast<char>(s.seniorityOption),
                      static_cast<char>(s.pctantig), static_cast<char>(s.zona + 1),
                      static_cast<char>(ticks & 0xffu), static_cast<char>(ticks >> 8u),
                      input.decimalSeparator == ',' ? '\1' : '\0'};
    for (const TextField &field : kTextFields) {
        bytes += s.*field.member;
        bytes += '\n';
    }
    return bytes;
}

}  // namespace recibo::fuzz
