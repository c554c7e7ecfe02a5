#include "pelgo/clsInicio.h"

#include "pelgo/DataFile.h"

namespace pelgo {

std::string clsInicio::MercadoPadraoIdioma(const std::string& strCDIdioma)
{
    DataFile defaults("Padrao_Idioma.xml");
    if (!defaults.loaded())
        return "";
    return defaults.text(defaults.require(strCDIdioma), "cd_mercado");
}

std::string clsInicio::Norma(std::int16_t index)
{
    const std::string market = markets_.byIndex(index).code;
    DataFile defaults("Padrao_Mercado.xml");
    if (!defaults.loaded())
        return standard_; // the last standard found
    const pugi::xml_node element = market.empty() ? pugi::xml_node() : defaults.find(market);
    if (!element)
        return "";
    standard_ = defaults.text(element, "ds_norma");
    return standard_;
}

void clsInicio::Inicia()
{
    languages_.rewind();
    DataFile file("Idioma_Mercado.xml");
    if (!file.loaded())
        return;
    languages_.clear();
    for (pugi::xml_node language : DataFile::children(file.root()))
        languages_.add({language.name(), file.firstAttribute(language)});
}

bool clsInicio::NextIdiomaDisp() { return languages_.next(); }
bool clsInicio::EOFIdioma() const { return languages_.eof(); }
std::string clsInicio::GetCDIdiomaDisp() const { return languages_.current().code; }
std::string clsInicio::GetDSIdiomaDisp() const { return languages_.current().name; }
std::string clsInicio::GetCDIdiomaDispByIndex(std::int16_t index) const { return languages_.byIndex(index).code; }
std::string clsInicio::GetDSIdiomaDispByIndex(std::int16_t index) const { return languages_.byIndex(index).name; }

void clsInicio::CarregaMercado(const std::string& cd_idioma)
{
    markets_.rewind();
    DataFile file("Idioma_Mercado.xml");
    if (!file.loaded())
        return;
    markets_.clear();
    for (pugi::xml_node market : DataFile::children(file.require(cd_idioma)))
        markets_.add({market.name(), file.firstAttribute(market)});
}

bool clsInicio::NextMercado() { return markets_.next(); }
bool clsInicio::EOFMercado() const { return markets_.eof(); }
std::string clsInicio::GetCDMercado() const { return markets_.current().code; }
std::string clsInicio::GetDSMercado() const { return markets_.current().name; }
std::string clsInicio::GetCDMercadoByIndex(std::int16_t index) const { return markets_.byIndex(index).code; }
std::string clsInicio::GetDSMercadoByIndex(std::int16_t index) const { return markets_.byIndex(index).name; }

} // namespace pelgo
