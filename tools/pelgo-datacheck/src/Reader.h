#pragma once

#include "Installation.h"
#include "Report.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelgo::datacheck {

// Reads one data file the way the library does, but reports what it cannot
// read instead of failing, so a check goes on and lists every fault.
class Reader {
public:
    Reader(const Installation& installation, std::string fileName, Report& report);

    bool loaded() const { return file_.loaded(); }
    pugi::xml_node root() const { return file_.root(); }
    const std::string& display() const { return display_; }

    // A problem at an element (and attribute) of this file.
    void problem(pugi::xml_node at, const std::string& what, std::string_view attribute = {}) const;
    // A problem of the file as a whole.
    void problem(const std::string& what) const;
    void note(pugi::xml_node at, const std::string& what) const;

    // The element the library finds (first descendant by name); reported when missing.
    pugi::xml_node require(pugi::xml_node parent, const std::string& name, const std::string& why = {}) const;
    // The list below an element; reported when it is empty.
    std::vector<pugi::xml_node> list(pugi::xml_node parent, const std::string& what) const;

    // Attribute readers; each reports a missing or unreadable value and gives nullopt.
    std::optional<std::string> text(pugi::xml_node element, std::string_view attribute) const;
    // A number read by the leading-number rule: must be a plain "." number.
    std::optional<double> real(pugi::xml_node element, std::string_view attribute) const;
    // A number read under the user's regional rules: only a whole number without
    // separators reads the same everywhere. Checked against the range as well.
    std::optional<long> whole(pugi::xml_node element, std::string_view attribute, long min = -32768,
                              long max = 32767) const;

private:
    const DataFile& file_;
    std::string display_;
    Report& report_;
};

// A list of the document element's children whose whole-number attribute
// holds values in range, each once.
void checkWholeList(const Reader& reader, const char* attribute, const std::string& what, long min, long max);
// A list below an element whose text attribute holds each value once.
void checkTextList(const Reader& reader, pugi::xml_node parent, const char* attribute, const std::string& what);

// True when the text is a plain number with "." as decimal separator.
bool isPlainNumber(std::string_view text);
// The whole number of a text of digits with an optional sign, else nullopt.
std::optional<long> plainWhole(std::string_view text);
// Number text for messages ("7.5", "1000").
std::string show(double value);

} // namespace pelgo::datacheck
