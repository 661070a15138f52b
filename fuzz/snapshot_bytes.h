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

#include "input_fields.h"
#include "snapshot.h"

namespace recibo::fuzz {

struct TextField {
    std::string_view name;  // the control's objectName, as a Failure names it
    std::string Snapshot::*member;
};

// Every text the user can type or a selection writes: the input fields' table, then the selected
// entries of the selection dialog's hidden lists.
inline constexpr auto kTextFields = [] {
    std::array<TextField, recibo::kTextFields.size() + 2> texts{};
    for (std::size_t i = 0; i < recibo::kTextFields.size(); ++i)
        texts[i] = {recibo::kTextFields[i]->control, recibo::kTextFields[i]->value};
    texts[recibo::kTextFields.size()] = {"codigocargo", &Snapshot::codigocargo};
    texts[recibo::kTextFields.size() + 1] = {"puntosbasicos", &Snapshot::puntosbasicos};
    return texts;
}();

inline constexpr auto kTicks = [] {
    std::array<bool Snapshot::*, recibo::kTickFields.size()> ticks{};
    for (std::size_t i = 0; i < ticks.size(); ++i)
        ticks[i] = recibo::kTickFields[i]->value;
    return ticks;
}();

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
