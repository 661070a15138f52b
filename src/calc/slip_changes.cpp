// Which changes of the entries the slip search tries, and making them on a snapshot as the
// data-entry window would: a count's box is ticked with its count, a position brings its points.

#include "slip_changes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "input_fields.h"
#include "number_text.h"

namespace recibo::detail {
namespace {

// Counts of children tried: a family of more is rare, and its allowance is linear in the count.
constexpr int kMostChildrenTried = 8;
// Hours and km solved past these are not an entry anyone types.
constexpr double kMostHoursTried = 200;
constexpr double kMostKmTried = 5000;

// The check boxes that stand alone; transport and the children boxes come with their counts.
constexpr std::array<const TickField *, 9> kLoneTicks{
    &fields::opincentivo, &fields::conyuge,   &fields::Iosper,  &fields::Osplad,     &fields::TOVIL,
    &fields::APORTEJUB,   &fields::cajacomp,  &fields::Ley4035, &fields::Seguro3011,
};

// Each hours box with the line it pays and that line's amount per hour.
struct HoursBox {
    const TextField *field;
    std::string_view line;
    double HoursRates::*rate;  // null: the 001 line, paid by points per hour
};
constexpr std::array<HoursBox, 4> kHoursBoxes{{
    {nullptr, "001", nullptr},  // the category's own box
    {&fields::numhorascod06, "006", &HoursRates::rate006},
    {&fields::numhorasincen, "084", &HoursRates::rate084},
    {&fields::numhorascod113, "113", &HoursRates::rate113},
}};

const TextField &hoursBoxOf(Category category)
{
    return category == Category::HorasSup ? fields::numerohorassup : fields::numerohorasmed;
}

// What the slip says a line should be, where it differs from the receipt.
std::optional<Money> slipTarget(const Receipt &current, std::span<const TypedLine> typed, std::string_view code)
{
    for (const TypedLine &line : typed) {
        if (line.code != code || line.occurrence != 0)
            continue;
        const Money shown = receiptAmount(current, code, 0).value_or(Money());
        const Money gap = line.amount - shown;
        if (gap > kSlipTolerance || Money() - gap > kSlipTolerance)
            return line.amount;
    }
    return std::nullopt;
}

// The quantity that pays `target` at `perUnit`, rounded to the steps people type: wholes and halves.
void addSolved(std::vector<EntryChange> &changes, EntryChange change, Money target, double perUnit, double most,
               bool halves, double current)
{
    if (perUnit <= 0)
        return;
    const double exact = target.toDouble() / perUnit;
    std::array<double, 3> tried{std::round(exact), std::ceil(exact), halves ? std::round(exact * 2) / 2 : std::round(exact)};
    std::sort(tried.begin(), tried.end());
    const auto last = std::unique(tried.begin(), tried.end());
    for (auto value = tried.begin(); value != last; ++value) {
        if (*value <= 0 || *value > most || *value == current)
            continue;
        change.value = *value;
        changes.push_back(change);
    }
}

double readOr(const std::string &text, double otherwise)
{
    return readDouble(text).value_or(otherwise);
}

void addCategories(std::vector<EntryChange> &changes, const Snapshot &s, const Period &period, const Receipt &current,
                   std::span<const TypedLine> typed)
{
    for (std::size_t option = 1; option < kCategoryOptions.size(); ++option) {
        const Category to = kCategoryOptions[option].category;
        if (to == s.category)
            continue;
        if (s.category != Category::Cargo) {
            changes.push_back({Knob::Category, option, readOr(s.*hoursBoxOf(s.category).value, 0)});
            continue;
        }
        const HoursRates &rates = to == Category::HorasMedio ? period.secondary : period.higher;
        if (const auto target = slipTarget(current, typed, "001"))
            addSolved(changes, {Knob::Category, option, 0}, *target, rates.pointsPerHour * period.hourPointValue,
                      kMostHoursTried, true, -1);
    }
}

void addPositions(std::vector<EntryChange> &changes, const Snapshot &s, const Period &period)
{
    for (std::size_t i = 0; i < period.positions.size(); ++i) {
        const Position &p = period.positions[i];
        // A position of the same points pays the same receipt.
        const bool samePoints = s.category == Category::Cargo && p.basicPoints == s.punbas &&
                                p.complementPoints == s.compbas && p.taskPoints == s.tardif &&
                                p.fullDayPoints == s.jorcom && p.extendedDayPoints == s.proljor;
        if (!samePoints)
            changes.push_back({Knob::Position, i, 0});
    }
}

void addHours(std::vector<EntryChange> &changes, const Snapshot &s, const Period &period, const Receipt &current,
              std::span<const TypedLine> typed)
{
    if (s.category != Category::HorasMedio && s.category != Category::HorasSup)
        return;
    const HoursRates &rates = s.category == Category::HorasMedio ? period.secondary : period.higher;
    for (const HoursBox &box : kHoursBoxes) {
        const TextField &field = box.field ? *box.field : hoursBoxOf(s.category);
        const double perHour = box.rate ? rates.*box.rate : rates.pointsPerHour * period.hourPointValue;
        if (const auto target = slipTarget(current, typed, box.line))
            addSolved(changes, {Knob::Hours, indexOf(field), 0}, *target, perHour, kMostHoursTried, true,
                      readOr(s.*field.value, -1));
    }
}

// Transport is paid outside every base: the slip's totals differ from the receipt's by what it differs.
void addKm(std::vector<EntryChange> &changes, const Snapshot &s, const Period &period, const Receipt &current,
           std::span<const TypedLine> typed)
{
    const double km = s.transporte ? readOr(s.cantkm, -1) : 0;
    if (km != 0)
        changes.push_back({Knob::Km, 0, 0});
    const Money paid = receiptAmount(current, "029", 0).value_or(Money());
    std::vector<Money> targets;
    if (const auto line = slipTarget(current, typed, "029"))
        targets.push_back(*line);
    for (std::string_view total : {kSlipTotals[0], kSlipTotals[2]})
        if (const auto slipTotal = slipTarget(current, typed, total))
            targets.push_back(paid + *slipTotal - receiptAmount(current, total, 0).value_or(Money()));
    const double perKm = period.transportRatePerKm * period.weeksPerMonth;
    for (const Money target : targets)
        addSolved(changes, {Knob::Km, 0, 0}, target, perKm, kMostKmTried, false, km);
}

void addCounts(std::vector<EntryChange> &changes, Knob knob, int current, int most)
{
    for (int n = 0; n <= most; ++n)
        if (n != current)
            changes.push_back({knob, 0, static_cast<double>(n)});
}

int countOf(bool ticked, const std::string &count)
{
    return ticked ? static_cast<int>(readCount(count).value_or(0)) : 0;
}

void setCount(bool &ticked, std::string &count, double value)
{
    ticked = value > 0;
    count = std::to_string(static_cast<long>(value));
}

}  // namespace

bool sameEntry(const EntryChange &a, const EntryChange &b)
{
    return a.knob == b.knob && (a.knob != Knob::Tick || a.which == b.which);
}

bool hasFewValues(Knob knob)
{
    switch (knob) {
    case Knob::Bracket:
    case Knob::Zone:
    case Knob::Tick:
    case Knob::Children:
    case Knob::DisabledChildren:
    case Knob::Days: return true;
    default: return false;
    }
}

std::vector<EntryChange> singleChanges(const Snapshot &s, const Period &period, const Receipt &current,
                                       std::span<const TypedLine> typed)
{
    std::vector<EntryChange> changes;
    addCategories(changes, s, period, current, typed);
    addPositions(changes, s, period);
    addHours(changes, s, period, current, typed);
    for (std::size_t option = 1; option <= kSeniorityBracketCount; ++option)
        if (static_cast<int>(option) != s.seniorityOption)
            changes.push_back({Knob::Bracket, 0, static_cast<double>(option)});
    for (std::size_t zone = 0; zone < period.zones.size(); ++zone)
        if (static_cast<int>(zone) != s.zona)
            changes.push_back({Knob::Zone, 0, static_cast<double>(zone)});
    for (const TickField *tick : kLoneTicks)
        changes.push_back({Knob::Tick, indexOf(*tick), 0});
    addCounts(changes, Knob::Children, countOf(s.hijos, s.cantidadhijos), kMostChildrenTried);
    addCounts(changes, Knob::DisabledChildren, countOf(s.hijosdisc, s.cantidadhijosdisc),
              std::min(kMostChildrenTried, period.maxDisabledChildren()));
    const double days = readOr(s.dinasist, -1);
    addCounts(changes, Knob::Days, days == std::floor(days) ? static_cast<int>(days) : -1,
              static_cast<int>(period.absenceShares.size()) + 1);
    addKm(changes, s, period, current, typed);
    return changes;
}

void apply(const EntryChange &change, Snapshot &s, const Period &period, char separator)
{
    switch (change.knob) {
    case Knob::Category: {
        const Category to = kCategoryOptions[change.which].category;
        if (s.category != Category::Cargo)
            s.*hoursBoxOf(s.category).value = "0";
        s.category = to;
        s.*hoursBoxOf(to).value = doubleText(change.value, separator);
        break;
    }
    case Knob::Position: {
        if (s.category != Category::Cargo)
            for (const TextField *hours : {&fields::numerohorasmed, &fields::numerohorassup, &fields::numhorascod06,
                                           &fields::numhorasincen, &fields::numhorascod113})
                s.*hours->value = "0";
        const Position &p = period.positions[change.which];
        s.category = Category::Cargo;
        s.codigocargo = p.code;
        s.cargox = p.name;
        s.puntosbasicos = s.punbas = p.basicPoints;
        s.compbas = p.complementPoints;
        s.tardif = p.taskPoints;
        s.jorcom = p.fullDayPoints;
        s.proljor = p.extendedDayPoints;
        break;
    }
    case Knob::Hours: s.*kTextFields[change.which]->value = doubleText(change.value, separator); break;
    case Knob::Bracket: {
        s.seniorityOption = static_cast<int>(change.value);
        s.pctantig = period.seniority[static_cast<std::size_t>(s.seniorityOption - 1)].percent;
        s.porcantig = percentText(s.pctantig);
        break;
    }
    case Knob::Zone: s.zona = static_cast<int>(change.value); break;
    case Knob::Tick: {
        bool &ticked = s.*kTickFields[change.which]->value;
        ticked = !ticked;
        break;
    }
    case Knob::Children: setCount(s.hijos, s.cantidadhijos, change.value); break;
    case Knob::DisabledChildren: setCount(s.hijosdisc, s.cantidadhijosdisc, change.value); break;
    case Knob::Days: s.dinasist = std::to_string(static_cast<long>(change.value)); break;
    case Knob::Km: setCount(s.transporte, s.cantkm, change.value); break;
    }
}

}  // namespace recibo::detail
