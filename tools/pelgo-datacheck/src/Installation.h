#pragma once

#include "pelgo/DataFile.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pelgo::datacheck {

// The program folder being checked: its data files (each loaded once, on first
// use) and the languages and markets it offers.
class Installation {
public:
    explicit Installation(std::string folder);

    const std::string& folder() const { return folder_; }

    // XML/<name>; loaded() is false when missing or not well formed.
    const DataFile& xml(const std::string& name) const;
    // "XML/<name>", the name problems are reported under.
    static std::string xmlPath(const std::string& name) { return "XML/" + name; }

    // True when <folder>/<relativePath> is an existing regular file.
    bool hasFile(const std::string& relativePath) const;

    // Language codes of Idioma_Mercado.xml, in order.
    std::vector<std::string> languages() const;
    // Market codes a language offers, in order.
    std::vector<std::string> marketsOf(const std::string& language) const;
    // Every market code any language offers, in order of first appearance.
    std::vector<std::string> allMarkets() const;
    // ds_norma of the market's Padrao_Mercado.xml element, when there is one.
    std::optional<std::string> standardOf(const std::string& market) const;

private:
    std::string folder_;
    mutable std::map<std::string, std::unique_ptr<DataFile>> files_;
};

// Element path below the document element ("vltc220/nr6/vlta380"); the
// document element's own name for the document element.
std::string pathOf(pugi::xml_node node);

} // namespace pelgo::datacheck
