#pragma once

// The one place for the number conventions of the system:
// - typed and shown numbers follow the user's regional settings (the C++
//   global locale): its decimal and grouping separators;
// - numbers in data-file attributes always use "." and are read with the
//   leading-number rule;
// - conversions to whole numbers round halves to even; displayed results
//   round halves away from zero.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pelgo {

// A 16- or 32-bit whole-number conversion whose value does not fit.
class OverflowError : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

struct RegionalFormat {
    char decimal = '.';
    char grouping = ',';
};

// Separators of the current global locale.
RegionalFormat regionalFormat();

// A typed number under the regional settings: surrounding blanks, an optional
// sign, digits with the regional decimal separator and grouping separators in
// the whole part, an optional exponent. nullopt when the text is not a number.
std::optional<double> parseRegional(std::string_view text);

// Same as parseRegional but fails: std::invalid_argument when not a number.
double regionalValue(std::string_view text);

// Leading-number rule of data attributes: blanks skipped, optional sign,
// digits, optional "." and digits, optional exponent, read up to the first
// other character. Text without a leading number gives 0.
double parseLeadingReal(std::string_view text);

// Half-to-even conversions to whole numbers; OverflowError out of range.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

// A whole number typed or stored under regional rules (half to even, 16-bit).
// nullopt when the text is not a number or out of range.
std::optional<std::int16_t> parseRegionalInt16(std::string_view text);

double roundHalfEven(double value, int decimals = 0);
double roundHalfAway(double value, int decimals = 0);

// Shortest general form with at most 15 significant digits, no grouping,
// no trailing zeros, with the regional decimal separator.
std::string formatNumber(double value);

// The same form with "." whatever the regional settings (result lists).
std::string formatNumberDot(double value);

// Fixed number of decimals with the regional separator, rounding halves away
// from zero (displayed results).
std::string formatFixed(double value, int decimals);

// An element name built from a number: prefix + the number's text with every
// "," and "." replaced by "_" (vlPotencia0_75, vlPotencia11).
std::string numberElementName(std::string_view prefix, double value);

// Today's date as dd/mm/yyyy with the regional date separator.
std::string todayText();

} // namespace pelgo
