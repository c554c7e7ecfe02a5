#pragma once

// The one way every class reads an XML data file of the installation:
// the file is loaded afresh from programFolder()/XML/, elements are looked up
// by name among all descendants (first match in document order), lists are
// the child elements of one element, and attributes are read as text, as a
// real by the leading-number rule, or as a 16-bit integer by the regional rules.
// A required element or attribute that is missing throws DataError naming the
// file and what is missing.

#include "pelgo/DataError.h"

#include <pugixml.hpp>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelgo {

class DataFile {
public:
    // Loads programFolder()/XML/fileName. Never throws: a file that is missing
    // or not well formed leaves loaded() false.
    explicit DataFile(std::string fileName);

    // Loads a file by full path (tools checking another folder).
    static DataFile fromPath(const std::string& path, std::string displayName);

    bool loaded() const { return loaded_; }
    const std::string& fileName() const { return fileName_; }
    const std::string& loadError() const { return loadError_; }

    // The document element; a null node when the file did not load.
    pugi::xml_node root() const;
    // The document element; DataError when the file did not load.
    pugi::xml_node requireRoot() const;

    // First descendant element of `parent` named `name` (document order), or null.
    static pugi::xml_node find(pugi::xml_node parent, std::string_view name);
    // Number of descendant elements of `parent` named `name`.
    static std::size_t count(pugi::xml_node parent, std::string_view name);
    // find() below the document element.
    pugi::xml_node find(std::string_view name) const { return find(root(), name); }

    // Like find(), but a missing element is a DataError.
    pugi::xml_node require(pugi::xml_node parent, std::string_view name) const;
    pugi::xml_node require(std::string_view name) const { return require(requireRoot(), name); }

    // The child elements of `parent`, in document order (a list of the file).
    static std::vector<pugi::xml_node> children(pugi::xml_node parent);

    // Attribute readers; a missing attribute is a DataError.
    std::string text(pugi::xml_node element, std::string_view attribute) const;
    double real(pugi::xml_node element, std::string_view attribute) const;
    std::int16_t integer(pugi::xml_node element, std::string_view attribute) const;
    bool hasAttribute(pugi::xml_node element, std::string_view attribute) const;

    // The value of an element's first attribute, whatever its name.
    std::string firstAttribute(pugi::xml_node element) const;

    // A DataError about this file.
    DataError error(const std::string& detail) const { return DataError(fileName_, detail); }

private:
    DataFile() = default;
    void load(const std::string& path);
    std::string describe(pugi::xml_node element, std::string_view attribute) const;

    std::string fileName_;
    std::string loadError_;
    bool loaded_ = false;
    pugi::xml_document document_;
};

} // namespace pelgo
