#pragma once

// Unit conversions the installation screen makes before it stores altitude
// and temperature, with the whole-number rules of the wizard.

#include <cstdint>
#include <string>

namespace pelgo::wizard {

// Metres for an altitude chosen in `unit`: "ft" is feet (× 0.3048, rounded
// half to even), every other unit is metres already.
std::int16_t altitudeInMetres(std::int16_t altitude, const std::string& unit);

// Degrees Celsius for a temperature chosen in `unit`: "° F" is Fahrenheit,
// (T − 32) × 5 / 9 with T − 32 and its product by 5 formed as 16-bit whole
// numbers (OverflowError beyond them), then rounded half to even; every other
// unit is Celsius already.
std::int16_t temperatureInCelsius(std::int16_t temperature, const std::string& unit);

// A number as a text box shows it: shortest form, regional decimal separator.
std::string shown(double value);

// Joins texts with a separator ("|" for the record's speed-point lists).
std::string joined(const std::string* first, std::size_t count, const std::string& separator);

} // namespace pelgo::wizard
