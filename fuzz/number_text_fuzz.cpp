// Arbitrary bytes as one typed number: the four readers must agree with each other.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "number_text.h"

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_number_text: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace recibo;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto asDouble = readDouble(text);
    const auto whole = readWhole16(text);
    const auto count = readCount(text);
    const auto money = readMoney(text);

    if (count)
        require(whole && *whole == *count, "a count that is not the same 16-bit whole number");
    if (whole) {
        require(asDouble.has_value(), "a whole number that is not a double");
        require(std::fabs(*asDouble - *whole) <= 0.5, "a whole number more than a half away");
    }
    if (money) {
        require(asDouble.has_value(), "money that is not a double");
        // Half a ten-thousandth, plus the rounding of two doubles near the money's size.
        const double slack = 0.00005 + 4e-16 * std::fabs(*asDouble);
        require(std::fabs(*asDouble - money->toDouble()) <= slack, "money away from the double");
    }
    return 0;
}
