#include "Checks.h"
#include "Reader.h"

#include "pelgo/Numbers.h"

namespace pelgo::datacheck {

namespace {

// Min, Max and DivisaoCorrentesMax may be empty; otherwise they are numbers.
std::optional<std::string> bound(const Reader& reader, pugi::xml_node element, const char* attribute)
{
    const auto value = reader.text(element, attribute);
    if (value && !value->empty() && !isPlainNumber(*value)) {
        reader.problem(element, "\"" + *value + "\" is neither empty nor a number", attribute);
        return std::nullopt;
    }
    return value;
}

} // namespace

void checkThermalClasses(const Installation& installation, Report& report)
{
    const Reader classes(installation, "Classe_Termica.xml", report);
    if (!classes.loaded())
        return;
    std::optional<std::string> previousMax;
    bool first = true;
    for (const pugi::xml_node band : classes.list(classes.root(), "acceleration-time bands")) {
        const auto min = bound(classes, band, "Min");
        const auto max = bound(classes, band, "Max");
        // The bands follow each other: every acceleration time finds one.
        if (min && first && !min->empty())
            classes.problem(band, "the first band must start with an empty Min (times up to its Max)", "Min");
        if (min && previousMax && !first && parseLeadingReal(*min) != parseLeadingReal(*previousMax))
            classes.problem(band, "starts at " + *min + " s, the band before ends at " + *previousMax + " s", "Min");
        if (min && max && !min->empty() && !max->empty() && parseLeadingReal(*min) >= parseLeadingReal(*max))
            classes.problem(band, "Min " + *min + " is not below Max " + *max);
        previousMax = max;
        first = false;
        for (const pugi::xml_node entry : classes.list(band, "thermal classes")) {
            bound(classes, entry, "DivisaoCorrentesMax");
            classes.text(entry, "classe_termica");
        }
    }
    if (previousMax && !previousMax->empty())
        classes.problem("the last band ends at " + *previousMax + " s; longer starts get no thermal class (leave its "
                        "Max empty)");
}

} // namespace pelgo::datacheck
