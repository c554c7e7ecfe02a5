#pragma once

// Helpers shared by the three motor steps: finding a motor in the motor table
// Dados_Motor.xml and reading a list element.

#include "pelgo/DataFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pelgo {

// Which motor to look up: the levels of Dados_Motor.xml from the top.
struct MotorKey {
    std::int16_t frequency = 0;
    std::string category;
    std::int16_t product = 0;
    std::int16_t poles = 0;
    double powerKw = 0;
};

// The result of a lookup: the motor's "node" element, or the first level that
// is missing (and the element name that was looked for).
struct MotorLookup {
    enum class Missing { None, Frequency, Category, Product, Poles, Power, Node };

    pugi::xml_node node;
    Missing missing = Missing::None;
    std::string element;

    bool found() const { return missing == Missing::None; }
};

// Walks frequency ("vl" & Hz), category, "cd" & product, "vl" & poles,
// "vlPotencia" & kW and the first "node", each the first match among the
// descendants of the level above. Never throws: the caller decides which
// missing level is a fault of the file.
MotorLookup findMotor(const DataFile& motorTable, const MotorKey& key);

// The entries of a list element; a list without entries is a DataError
// (a screen cannot offer an empty choice).
std::vector<pugi::xml_node> requireEntries(const DataFile& file, pugi::xml_node list);

} // namespace pelgo
