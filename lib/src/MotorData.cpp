#include "pelgo/MotorData.h"

#include "pelgo/Numbers.h"
#include "pelgo/clsPelgo_Geral.h"

namespace pelgo {

MotorLookup findMotor(const DataFile& motorTable, const MotorKey& key)
{
    using Missing = MotorLookup::Missing;
    struct Level {
        Missing missing;
        std::string name;
    };
    const Level levels[] = {
        {Missing::Frequency, "vl" + std::to_string(key.frequency)},
        {Missing::Category, key.category},
        {Missing::Product, "cd" + std::to_string(key.product)},
        {Missing::Poles, "vl" + std::to_string(key.poles)},
        {Missing::Power, numberElementName("vlPotencia", key.powerKw)},
        {Missing::Node, "node"},
    };

    MotorLookup result;
    pugi::xml_node current = motorTable.root();
    for (const Level& level : levels) {
        // An empty category would match nothing sensible; treat it as missing.
        current = level.name.empty() ? pugi::xml_node() : DataFile::find(current, level.name);
        if (!current) {
            result.missing = level.missing;
            result.element = level.name;
            return result;
        }
    }
    result.node = current;
    return result;
}

std::vector<pugi::xml_node> requireEntries(const DataFile& file, pugi::xml_node list)
{
    std::vector<pugi::xml_node> entries = DataFile::children(list);
    if (entries.empty())
        throw file.error(std::string("element ") + list.name() + " has no entries");
    return entries;
}

} // namespace pelgo
