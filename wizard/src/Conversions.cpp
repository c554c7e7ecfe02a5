#include "pelgo/wizard/Conversions.h"

#include "pelgo/Numbers.h"

#include <limits>

namespace pelgo::wizard {

namespace {

const std::string kFeet = "ft";
const std::string kFahrenheit = "\xC2\xB0 F"; // "° F"

// 16-bit whole-number arithmetic: a result out of range is an overflow, as
// the wizard's integer fields cannot hold it.
std::int16_t checked16(int value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw OverflowError("value out of the 16-bit range: " + std::to_string(value));
    return static_cast<std::int16_t>(value);
}

} // namespace

std::int16_t altitudeInMetres(std::int16_t altitude, const std::string& unit)
{
    if (unit == kFeet)
        return toInt16(altitude * 0.3048);
    return altitude;
}

std::int16_t temperatureInCelsius(std::int16_t temperature, const std::string& unit)
{
    if (unit != kFahrenheit)
        return temperature;
    const std::int16_t aboveFreezing = checked16(temperature - 32);
    const std::int16_t scaled = checked16(aboveFreezing * 5);
    return toInt16(scaled / 9.0);
}

std::string shown(double value)
{
    return formatNumber(value);
}

std::string joined(const std::string* first, std::size_t count, const std::string& separator)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            text += separator;
        text += first[i];
    }
    return text;
}

} // namespace pelgo::wizard
