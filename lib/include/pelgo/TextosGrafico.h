#pragma once

#include <string>

namespace pelgo {

// The texts of a graph screen: its title and the pictures of its buttons.
struct TextosGrafico {
    std::string titulo;
    std::string btVoltar;
    std::string btAcel; // only for the starting-graph screens

    // Reads the title `tagTitulo` of catalogue section `secao` and the button
    // pictures (the acceleration button's only when `comBotaoAcel`). A missing
    // text is a DataError.
    static TextosGrafico carrega(const std::string& idioma, const std::string& secao, const std::string& tagTitulo,
                                 bool comBotaoAcel);
};

} // namespace pelgo
