#pragma once

// The screen texts of a step class, read from the text catalogue by a table
// of (section, tag) pairs: each section is loaded once, in a given order, and
// every text of the table is kept at its row's index.

#include <initializer_list>
#include <string>
#include <vector>

namespace pelgo {

struct TextSource {
    const char* section;
    const char* tag;
};

class StepTexts {
public:
    // Loads, section by section in `sectionOrder`, the rows of `sources` of
    // that section. A missing text is a DataError of the catalogue.
    void load(const std::string& language, std::initializer_list<const char*> sectionOrder,
              const std::vector<TextSource>& sources);

    // The text of a row; "" before load().
    const std::string& operator[](std::size_t row) const;

private:
    std::vector<std::string> texts_;
};

} // namespace pelgo
