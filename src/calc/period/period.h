#pragma once
// A pay period: every figure of the pay scheme for one month (rates, caps, thresholds, tables and
// the catalogue of positions), read once from its TOML file and never changed. The rules in src/calc
// read their figures from here; what stays in code is the rules themselves and the layout.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "money.h"

namespace recibo {

// The data-entry window has twelve seniority options and seven deduction boxes.
inline constexpr std::size_t kSeniorityBracketCount = 12;
inline constexpr std::size_t kDeductionCount = 7;

struct SeniorityBracket {
    std::string caption;       // the option button Option1 .. Option12
    std::uint8_t percent = 0;  // what the option writes into pctantig
    bool operator==(const SeniorityBracket &) const = default;
};

struct Zone {
    std::string name;  // the entry of the zone list
    std::uint8_t percent = 0;
    bool operator==(const Zone &) const = default;
};

// One row of the catalogue; every value is the text the selection dialog's lists hold.
struct Position {
    std::string code;  // codigocargo: three digits
    std::string name;  // cargox
    std::string basicPoints;
    std::string complementPoints;
    std::string taskPoints;
    std::string fullDayPoints;
    std::string extendedDayPoints;
    bool operator==(const Position &) const = default;
};

// Items 001, 006, 084 and 113 of one hours category.
struct HoursRates {
    double pointsPerHour = 0;
    double rate006 = 0;
    double hoursCap006 = 0;  // from these hours item 006 pays its ceiling
    Money ceiling006;
    double rate084 = 0;
    double rate113 = 0;
    int shownHoursCap = 0;   // the 084 and 113 rows show at most these hours
    bool operator==(const HoursRates &) const = default;
};

// The per-child rate for an allowance income up to `top` (inclusive); the last bracket has none.
struct ChildRateBracket {
    std::optional<Money> top;
    Money perChild;
    bool operator==(const ChildRateBracket &) const = default;
};

struct DeductionRate {
    std::string code;
    double rate = 0;
    std::string middle;  // the text of the row's middle cell
    bool operator==(const DeductionRate &) const = default;
};

struct Period {
    std::string name;       // "Marzo de 2.008"
    std::string startDate;  // the first day it applies, as yyyy-mm-dd

    // Items 001, 002, 052 and 016 of a position.
    double basicPointValue = 0;
    double dayPointValue = 0;
    int minDayPoints = 0;  // a 052 row needs at least these points

    // The hours categories.
    double hourPointValue = 0;
    HoursRates secondary;
    HoursRates higher;
    Money hoursIncentiveCeiling;
    Money hours113Ceiling;

    // Items 010 and 078.
    std::array<SeniorityBracket, kSeniorityBracketCount> seniority;
    std::vector<Zone> zones;

    // Item 006 of a position: one row for no option chosen, then one per bracket; one column per
    // band of basic points (the tops in `basicBandTops`, the last band open), then two full-day ones.
    std::vector<int> basicBandTops;
    int fullDayColumnPoints = 0;
    int fullDayLowBasicTop = 0;
    std::vector<std::vector<Money>> decree006;

    double decree014Rate = 0;
    double decree014Shown = 0;  // the 014 row's middle cell shows the rate as this figure

    // Items 084 and 113 of a position.
    int nationalFullDayPoints = 0;
    Money incentiveFullDay;
    Money incentivePartDay;
    Money national113FullDay;
    Money national113PartDay;

    double productivityRate = 0;
    std::string productivityShown;  // the 188 row's middle cell

    // The share of item 188 withheld for 1, 2, 3... days of absence; more days withhold all of it.
    std::vector<double> absenceShares;

    // Item 172.
    int topUpBasicPointsAbove = 0;
    double topUpZoneFactor = 0;
    double topUpDeductionRate = 0;
    Money minimumPay;

    // Item 029.
    double transportRatePerKm = 0;
    double weeksPerMonth = 0;
    Money transportCeiling;

    // Items 1001 to 1010.
    std::vector<ChildRateBracket> childRates;
    Money disabledChildRate;
    int largeFamilyChildren = 0;
    Money largeFamilyAmount;
    Money spouseAmount;

    // In receipt order: IOSPER, OSPLAD, Aporte Jub., Ley 4035, TOVIL, Caja Comp., Seguro 3011.
    std::array<DeductionRate, kDeductionCount> deductions;

    // The catalogue, in the chooser's order.
    std::vector<Position> positions;

    bool operator==(const Period &) const = default;

    // The row at a 0-based index, or nothing outside the catalogue.
    const Position *positionAt(int index) const;
    // The index of the row whose code equals `code` character for character.
    std::optional<int> findPosition(std::string_view code) const;
    // The zone percentage for a zone list position; no entry chosen (-1) pays nothing.
    std::uint8_t zonePercent(int zoneIndex) const;
    // Item 1002 is a signed 16-bit product: the most disabled children it can count.
    int maxDisabledChildren() const;
};

// Children and disabled children together are an unsigned 8-bit sum.
inline constexpr int kMaxChildrenTogether = 255;

// "30 %": how a percentage is written in porcantig, in a middle cell and in a tool tip.
std::string percentText(std::uint8_t percent);

}  // namespace recibo
