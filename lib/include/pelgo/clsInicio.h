#pragma once

#include "pelgo/ListCursor.h"

#include <cstdint>
#include <string>

namespace pelgo {

// Languages and, per language, the markets offered; a language's default
// market and a market's motor standard.
class clsInicio {
public:
    std::string MercadoPadraoIdioma(const std::string& strCDIdioma);
    std::string Norma(std::int16_t index);
    void Inicia();

    bool NextIdiomaDisp();
    bool EOFIdioma() const;
    std::string GetCDIdiomaDisp() const;
    std::string GetDSIdiomaDisp() const;
    std::string GetCDIdiomaDispByIndex(std::int16_t index) const;
    std::string GetDSIdiomaDispByIndex(std::int16_t index) const;

    void CarregaMercado(const std::string& cd_idioma);
    bool NextMercado();
    bool EOFMercado() const;
    std::string GetCDMercado() const;
    std::string GetDSMercado() const;
    std::string GetCDMercadoByIndex(std::int16_t index) const;
    std::string GetDSMercadoByIndex(std::int16_t index) const;

private:
    struct CodeName {
        std::string code;
        std::string name;
    };
    ListCursor<CodeName> languages_;
    ListCursor<CodeName> markets_;
    std::string standard_;
};

} // namespace pelgo
