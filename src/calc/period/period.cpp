#include "period.h"

#include <algorithm>
#include <limits>

namespace recibo {

const Position *Period::positionAt(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= positions.size())
        return nullptr;
    return &positions[static_cast<std::size_t>(index)];
}

std::optional<int> Period::findPosition(std::string_view code) const
{
    // A few hundred three-character keys: a plain scan is quick enough and allocates nothing.
    for (std::size_t i = 0; i < positions.size(); ++i)
        if (positions[i].code == code)
            return static_cast<int>(i);
    return std::nullopt;
}

std::uint8_t Period::zonePercent(int zoneIndex) const
{
    if (zoneIndex < 0 || static_cast<std::size_t>(zoneIndex) >= zones.size())
        return 0;
    return zones[static_cast<std::size_t>(zoneIndex)].percent;
}

int Period::maxDisabledChildren() const
{
    if (disabledChildRate <= Money())
        return kMaxChildrenTogether;
    const std::int64_t widest = Money::whole(std::numeric_limits<std::int16_t>::max()).count();
    return static_cast<int>(std::min<std::int64_t>(kMaxChildrenTogether, widest / disabledChildRate.count()));
}

std::string percentText(std::uint8_t percent)
{
    return std::to_string(percent) + " %";
}

}  // namespace recibo
