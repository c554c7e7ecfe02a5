#include "Installation.h"

#include <algorithm>
#include <filesystem>

namespace pelgo::datacheck {

Installation::Installation(std::string folder)
    : folder_(std::move(folder))
{
}

const DataFile& Installation::xml(const std::string& name) const
{
    auto& slot = files_[name];
    if (!slot)
        slot = std::make_unique<DataFile>(DataFile::fromPath(folder_ + "/XML/" + name, name));
    return *slot;
}

bool Installation::hasFile(const std::string& relativePath) const
{
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(folder_) / relativePath, error);
}

std::vector<std::string> Installation::languages() const
{
    std::vector<std::string> codes;
    for (const pugi::xml_node language : DataFile::children(xml("Idioma_Mercado.xml").root()))
        codes.emplace_back(language.name());
    return codes;
}

std::vector<std::string> Installation::marketsOf(const std::string& language) const
{
    std::vector<std::string> codes;
    const DataFile& file = xml("Idioma_Mercado.xml");
    for (const pugi::xml_node market : DataFile::children(DataFile::find(file.root(), language)))
        codes.emplace_back(market.name());
    return codes;
}

std::vector<std::string> Installation::allMarkets() const
{
    std::vector<std::string> codes;
    for (const std::string& language : languages())
        for (const std::string& market : marketsOf(language))
            if (std::find(codes.begin(), codes.end(), market) == codes.end())
                codes.push_back(market);
    return codes;
}

std::optional<std::string> Installation::standardOf(const std::string& market) const
{
    const pugi::xml_node element = DataFile::find(xml("Padrao_Mercado.xml").root(), market);
    if (const pugi::xml_attribute standard = element.attribute("ds_norma"))
        return std::string(standard.value());
    return std::nullopt;
}

std::string pathOf(pugi::xml_node node)
{
    const auto isDocumentElement = [](pugi::xml_node element) {
        return element.parent().type() == pugi::node_document;
    };
    if (!node || isDocumentElement(node))
        return node.name();
    std::string path = node.name();
    for (pugi::xml_node up = node.parent(); up && !isDocumentElement(up); up = up.parent())
        path = std::string(up.name()) + "/" + path;
    return path;
}

} // namespace pelgo::datacheck
