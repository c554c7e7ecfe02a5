#pragma once

// The screen texts of a step class, read from the text catalogue: either
// straight into the members that hold them (readTexts), or by a table of
// (section, tag) rows kept by row index (StepTexts).

#include <initializer_list>
#include <string>
#include <vector>

namespace pelgo {

class clsPelgo_Geral;

// One caption of a step: the catalogue tag and the member that receives it.
struct TextTag {
    const char* tag;
    std::string* target;
};

// Loads one catalogue section and reads the given tags into their members.
// With `plain` set each text goes through TrocaHTML first.
void readTexts(clsPelgo_Geral& catalogue, const std::string& language, const std::string& section,
               std::initializer_list<TextTag> tags, bool plain = false);

// A row of a StepTexts table: the section and the tag of one text.
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
