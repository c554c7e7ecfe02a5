#include "pelgo/StepTexts.h"

#include "pelgo/clsPelgo_Geral.h"

#include <string_view>

namespace pelgo {

void readTexts(clsPelgo_Geral& catalogue, const std::string& language, const std::string& section,
               std::initializer_list<TextTag> tags, bool plain)
{
    catalogue.CarregaXML(language, section);
    for (const TextTag& text : tags) {
        const std::string value = catalogue.GetTextosPelgo(text.tag);
        *text.target = plain ? catalogue.TrocaHTML(value) : value;
    }
}


void StepTexts::load(const std::string& language, std::initializer_list<const char*> sectionOrder,
                     const std::vector<TextSource>& sources)
{
    texts_.assign(sources.size(), std::string());
    clsPelgo_Geral catalogue;
    for (const char* section : sectionOrder) {
        catalogue.CarregaXML(language, section);
        for (std::size_t row = 0; row < sources.size(); ++row)
            if (std::string_view(sources[row].section) == section)
                texts_[row] = catalogue.GetTextosPelgo(sources[row].tag);
    }
}

const std::string& StepTexts::operator[](std::size_t row) const
{
    static const std::string none;
    return row < texts_.size() ? texts_[row] : none;
}

} // namespace pelgo
