#include "pelgo/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

namespace pelgo {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Parses a normalised "[-]digits[.digits][e[-]digits]" text.
std::optional<double> parseNormalised(const std::string& text)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// True when `scaled` lies on a half (x.5) up to the noise of binary fractions,
// so 2.675 rounds like the decimal number the user sees.
bool isHalf(double scaled, double& lower)
{
    lower = std::floor(scaled);
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(scaled));
    return std::fabs(scaled - lower - 0.5) <= tolerance;
}

double roundScaled(double value, int decimals, bool halfToEven)
{
    if (!std::isfinite(value))
        return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    double lower = 0;
    double rounded = 0;
    if (isHalf(scaled, lower)) {
        if (halfToEven)
            rounded = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
        else
            rounded = scaled < 0 ? lower : lower + 1;
    } else {
        rounded = std::round(scaled);
    }
    return rounded / scale;
}

std::string withDecimal(std::string text, char decimal)
{
    for (char& c : text)
        if (c == '.')
            c = decimal;
    return text;
}

} // namespace

RegionalFormat regionalFormat()
{
    const auto& punct = std::use_facet<std::numpunct<char>>(std::locale());
    return {punct.decimal_point(), punct.thousands_sep()};
}

std::optional<double> parseRegional(std::string_view text)
{
    const RegionalFormat format = regionalFormat();
    text = trimBlanks(text);
    std::string normal;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            normal += '-';
        ++i;
    }
    bool digits = false;
    bool decimalSeen = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            normal += c;
            digits = true;
        } else if (c == format.decimal && !decimalSeen) {
            normal += '.';
            decimalSeen = true;
        } else if (c == format.grouping && !decimalSeen && digits) {
            // grouping separators are accepted (and ignored) in the whole part
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            normal += text[i++];
        bool exponentDigits = false;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            normal += text[i];
            exponentDigits = true;
        }
        if (!exponentDigits)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return parseNormalised(normal);
}

double regionalValue(std::string_view text)
{
    const auto value = parseRegional(text);
    if (!value)
        throw std::invalid_argument("not a number: \"" + std::string(text) + "\"");
    return *value;
}

double parseLeadingReal(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::string normal;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            normal += '-';
        ++i;
    }
    bool digits = false;
    for (; i < text.size() && isDigit(text[i]); ++i, digits = true)
        normal += text[i];
    if (i < text.size() && text[i] == '.') {
        normal += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i, digits = true)
            normal += text[i];
    }
    if (!digits)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        const std::size_t firstDigit = j;
        for (; j < text.size() && isDigit(text[j]); ++j)
            exponent += text[j];
        if (j > firstDigit)
            normal += exponent;
    }
    if (normal == "-" || normal == "." || normal == "-.")
        return 0;
    return parseNormalised(normal).value_or(0);
}

std::int16_t toInt16(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max()))
        throw OverflowError("value out of the 16-bit range: " + formatNumberDot(value));
    return static_cast<std::int16_t>(rounded);
}

std::int32_t toInt32(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        throw OverflowError("value out of the 32-bit range: " + formatNumberDot(value));
    return static_cast<std::int32_t>(rounded);
}

std::optional<std::int16_t> parseRegionalInt16(std::string_view text)
{
    const auto value = parseRegional(text);
    if (!value)
        return std::nullopt;
    try {
        return toInt16(*value);
    } catch (const OverflowError&) {
        return std::nullopt;
    }
}

double roundHalfEven(double value, int decimals)
{
    return roundScaled(value, decimals, true);
}

double roundHalfAway(double value, int decimals)
{
    return roundScaled(value, decimals, false);
}

std::string formatNumberDot(double value)
{
    if (value == 0)
        return "0"; // also for -0
    char buffer[64];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (ec != std::errc())
        return "0";
    return std::string(buffer, ptr);
}

std::string formatNumber(double value)
{
    return withDecimal(formatNumberDot(value), regionalFormat().decimal);
}

std::string formatFixed(double value, int decimals)
{
    double rounded = roundHalfAway(value, decimals);
    if (rounded == 0)
        rounded = 0; // no "-0.00"
    char buffer[64];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return "0";
    return withDecimal(std::string(buffer, ptr), regionalFormat().decimal);
}

std::string numberElementName(std::string_view prefix, double value)
{
    std::string name(prefix);
    for (char c : formatNumber(value))
        name += (c == ',' || c == '.') ? '_' : c;
    return name;
}

std::string todayText()
{
    // The regional date separator: the first non-digit of a known date in the
    // locale's short date form.
    std::tm sample{};
    sample.tm_year = 101;
    sample.tm_mon = 1;
    sample.tm_mday = 3;
    std::ostringstream probe;
    probe.imbue(std::locale());
    probe << std::put_time(&sample, "%x");
    char separator = '/';
    for (char c : probe.str())
        if (!isDigit(c) && !isBlank(c)) {
            separator = c;
            break;
        }

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", local.tm_mday, separator, local.tm_mon + 1, separator,
                  local.tm_year + 1900);
    return buffer;
}

} // namespace pelgo
