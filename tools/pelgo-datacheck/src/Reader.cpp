#include "Reader.h"

#include "pelgo/Numbers.h"

#include <regex>
#include <set>

namespace pelgo::datacheck {

Reader::Reader(const Installation& installation, std::string fileName, Report& report)
    : file_(installation.xml(fileName)), display_(Installation::xmlPath(fileName)), report_(report)
{
}

void Reader::problem(pugi::xml_node at, const std::string& what, std::string_view attribute) const
{
    std::string where = pathOf(at);
    if (!attribute.empty())
        where += " @" + std::string(attribute);
    report_.problem(display_, where, what);
}

void Reader::problem(const std::string& what) const
{
    report_.problem(display_, "", what);
}

void Reader::note(pugi::xml_node at, const std::string& what) const
{
    report_.note(display_, pathOf(at), what);
}

pugi::xml_node Reader::require(pugi::xml_node parent, const std::string& name, const std::string& why) const
{
    const pugi::xml_node found = DataFile::find(parent, name);
    if (!found && parent)
        problem(parent, "missing element " + name + (why.empty() ? "" : " (" + why + ")"));
    return found;
}

std::vector<pugi::xml_node> Reader::list(pugi::xml_node parent, const std::string& what) const
{
    std::vector<pugi::xml_node> entries = DataFile::children(parent);
    if (entries.empty() && parent)
        problem(parent, "the list of " + what + " is empty");
    return entries;
}

std::optional<std::string> Reader::text(pugi::xml_node element, std::string_view attribute) const
{
    const pugi::xml_attribute value = element.attribute(std::string(attribute).c_str());
    if (!value) {
        problem(element, "missing attribute", attribute);
        return std::nullopt;
    }
    return std::string(value.value());
}

std::optional<double> Reader::real(pugi::xml_node element, std::string_view attribute) const
{
    const auto value = text(element, attribute);
    if (!value)
        return std::nullopt;
    if (!isPlainNumber(*value)) {
        problem(element, "\"" + *value + "\" is not a number with \".\" as decimal separator", attribute);
        return std::nullopt;
    }
    return parseLeadingReal(*value);
}

std::optional<long> Reader::whole(pugi::xml_node element, std::string_view attribute, long min, long max) const
{
    const auto value = text(element, attribute);
    if (!value)
        return std::nullopt;
    const auto number = plainWhole(*value);
    if (!number) {
        problem(element, "\"" + *value + "\" is not a whole number (read under the user's regional settings)",
                attribute);
        return std::nullopt;
    }
    if (*number < min || *number > max) {
        problem(element, *value + " is outside " + std::to_string(min) + " to " + std::to_string(max), attribute);
        return std::nullopt;
    }
    return number;
}

void checkWholeList(const Reader& reader, const char* attribute, const std::string& what, long min, long max)
{
    if (!reader.loaded())
        return;
    std::set<long> seen;
    for (const pugi::xml_node entry : reader.list(reader.root(), what))
        if (const auto value = reader.whole(entry, attribute, min, max))
            if (!seen.insert(*value).second)
                reader.problem(entry, std::to_string(*value) + " is listed twice", attribute);
}

void checkTextList(const Reader& reader, pugi::xml_node parent, const char* attribute, const std::string& what)
{
    std::set<std::string> seen;
    for (const pugi::xml_node entry : reader.list(parent, what))
        if (const auto value = reader.text(entry, attribute))
            if (!seen.insert(*value).second)
                reader.problem(entry, "\"" + *value + "\" is listed twice", attribute);
}

bool isPlainNumber(std::string_view text)
{
    static const std::regex number(R"(\s*[+-]?(\d+(\.\d*)?|\.\d+)([eE][+-]?\d+)?\s*)");
    return std::regex_match(text.begin(), text.end(), number);
}

std::optional<long> plainWhole(std::string_view text)
{
    static const std::regex digits(R"([+-]?\d{1,9})");
    if (!std::regex_match(text.begin(), text.end(), digits))
        return std::nullopt;
    return std::stol(std::string(text));
}

std::string show(double value)
{
    return formatNumberDot(value);
}

} // namespace pelgo::datacheck
