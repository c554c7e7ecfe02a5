#include "pelgo/DataFile.h"

#include "pelgo/Numbers.h"
#include "pelgo/ProgramFolder.h"

namespace pelgo {

namespace {

bool named(pugi::xml_node node, std::string_view name)
{
    return node.type() == pugi::node_element && name == node.name();
}

} // namespace

DataFile::DataFile(std::string fileName)
    : fileName_(std::move(fileName))
{
    load(dataFilePath(fileName_));
}

DataFile DataFile::fromPath(const std::string& path, std::string displayName)
{
    DataFile file;
    file.fileName_ = std::move(displayName);
    file.load(path);
    return file;
}

void DataFile::load(const std::string& path)
{
    const pugi::xml_parse_result result = document_.load_file(path.c_str());
    loaded_ = static_cast<bool>(result) && document_.document_element();
    if (!loaded_)
        loadError_ = result.status == pugi::status_file_not_found ? "file not found" : result.description();
}

pugi::xml_node DataFile::root() const
{
    return document_.document_element();
}

pugi::xml_node DataFile::requireRoot() const
{
    if (!loaded_)
        throw error("the file does not load (" + loadError_ + ")");
    return root();
}

pugi::xml_node DataFile::find(pugi::xml_node parent, std::string_view name)
{
    // Depth-first over the descendants, in document order.
    return parent.find_node([name](pugi::xml_node node) { return named(node, name); });
}

std::size_t DataFile::count(pugi::xml_node parent, std::string_view name)
{
    struct Counter : pugi::xml_tree_walker {
        std::string_view name;
        std::size_t matches = 0;
        bool for_each(pugi::xml_node& node) override
        {
            matches += named(node, name) ? 1 : 0;
            return true;
        }
    } counter;
    counter.name = name;
    if (parent)
        parent.traverse(counter);
    return counter.matches;
}

pugi::xml_node DataFile::require(pugi::xml_node parent, std::string_view name) const
{
    if (!loaded_)
        throw error("the file does not load (" + loadError_ + ")");
    pugi::xml_node node = find(parent, name);
    if (!node) {
        std::string where = parent && parent != root() ? std::string(" below element ") + parent.name() : "";
        throw error("missing element " + std::string(name) + where);
    }
    return node;
}

std::vector<pugi::xml_node> DataFile::children(pugi::xml_node parent)
{
    std::vector<pugi::xml_node> list;
    for (pugi::xml_node child : parent.children())
        if (child.type() == pugi::node_element)
            list.push_back(child);
    return list;
}

std::string DataFile::describe(pugi::xml_node element, std::string_view attribute) const
{
    return "attribute " + std::string(attribute) + " of element " + element.name();
}

bool DataFile::hasAttribute(pugi::xml_node element, std::string_view attribute) const
{
    return static_cast<bool>(element.attribute(std::string(attribute).c_str()));
}

std::string DataFile::text(pugi::xml_node element, std::string_view attribute) const
{
    if (!element)
        throw error("missing element (reading attribute " + std::string(attribute) + ")");
    const pugi::xml_attribute value = element.attribute(std::string(attribute).c_str());
    if (!value)
        throw error("missing " + describe(element, attribute));
    return value.value();
}

double DataFile::real(pugi::xml_node element, std::string_view attribute) const
{
    return parseLeadingReal(text(element, attribute));
}

std::int16_t DataFile::integer(pugi::xml_node element, std::string_view attribute) const
{
    const std::string value = text(element, attribute);
    const auto number = parseRegionalInt16(value);
    if (!number)
        throw error(describe(element, attribute) + ": \"" + value + "\" is not a whole number from -32768 to 32767");
    return *number;
}

std::string DataFile::firstAttribute(pugi::xml_node element) const
{
    const pugi::xml_attribute first = element.first_attribute();
    if (!first)
        throw error(std::string("element ") + element.name() + " has no attribute");
    return first.value();
}

} // namespace pelgo
