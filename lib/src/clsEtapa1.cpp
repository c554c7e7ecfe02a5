#include "pelgo/clsEtapa1.h"

#include "pelgo/DataFile.h"
#include "pelgo/MotorData.h"
#include "pelgo/StepTexts.h"
#include "pelgo/Numbers.h"
#include "pelgo/Text.h"
#include "pelgo/clsPelgo_Geral.h"

namespace pelgo {

std::int16_t clsEtapa1::Inicia(const std::string& strIdioma, const std::string& Norma, const std::string& Mercado)
{
    loadTexts(strIdioma);
    return loadLists(strIdioma, Norma, Mercado);
}

void clsEtapa1::loadTexts(const std::string& language)
{
    clsPelgo_Geral catalogue;
    pelgo::readTexts(catalogue, language, "ETAPA1",
                     {{"TDADOSDOMOTOR", &tDadosdoMotor_},
                      {"TTIPOMOTORL", &tTipoMotorL_},
                      {"TNORMA", &tNorma_},
                      {"TNUMEROPOLOS", &tNumeroPolos_},
                      {"TCATEGORIA", &tCategoria_},
                      {"TFREQUENCIANOMINAL", &tFrequenciaNominal_},
                      {"TTENSAONOMINAL", &tTensaoNominal_},
                      {"TPOTENCIANOMINAL", &tPotenciaNominal_},
                      {"TMENSAGEM", &tMensagem_}},
                     true);
    pelgo::readTexts(catalogue, language, "BOTOES",
                     {{"BTVOLTAR", &btVoltar_}, {"BTAJUDA", &btAjuda_}, {"BTAVANCAR", &btAvancar_}});
}

std::int16_t clsEtapa1::loadLists(const std::string& language, const std::string& standard, const std::string& market)
{
    {
        DataFile file("Produto_Idioma.xml");
        if (!file.loaded())
            return 2;
        const pugi::xml_node languageElement = file.require(file.require(standard), language);
        const pugi::xml_node marketElement = DataFile::find(languageElement, market);
        if (!marketElement)
            return 1;
        products_.clear();
        for (pugi::xml_node line : requireEntries(file, marketElement)) {
            // The element name is a two-character prefix and the product code.
            const std::string name = line.name();
            if (name.size() <= 2)
                throw file.error("motor line element " + name + " has no product code after its prefix");
            const std::int16_t frequency = file.integer(line, "cd_frequencia");
            products_.add({name.substr(2),
                           file.text(line, "ds_produto_idioma") + " " + file.text(line, "cd_frequencia") + " Hz",
                           frequency});
        }
    }
    {
        DataFile file("Nr_Polos.xml");
        if (!file.loaded())
            return 3;
        poles_.clear();
        for (pugi::xml_node entry : requireEntries(file, file.root()))
            poles_.add(file.integer(entry, "nr_polos"));
    }
    {
        DataFile file("Categoria_Norma.xml");
        if (!file.loaded())
            return 4;
        categories_.clear();
        for (pugi::xml_node entry : requireEntries(file, file.require(standard)))
            categories_.add(file.text(entry, "cd_categoria"));
    }
    {
        DataFile file("Tensao_Nominal.xml");
        if (!file.loaded())
            return 5;
        voltages_.clear();
        for (pugi::xml_node entry : requireEntries(file, file.root()))
            voltages_.add(file.integer(entry, "vl_tensao"));
    }
    {
        DataFile file("Unidade_Potencia.xml");
        if (!file.loaded())
            return 6;
        units_.clear();
        for (pugi::xml_node entry : requireEntries(file, file.root()))
            units_.add({file.text(entry, "cd_unidade"), file.text(entry, "tipo")});
    }
    {
        DataFile file("Padrao_Mercado.xml");
        if (!file.loaded())
            return 7;
        const pugi::xml_node defaults = file.require(market);
        cdMotorPadrao_ = file.integer(defaults, "cd_linha");
        poloPadrao_ = file.integer(defaults, "polaridade");
        categoriaPadrao_ = file.text(defaults, "categoria");
        tensaoPadrao_ = file.integer(defaults, "vl_tensao");
        unidadePadrao_ = file.text(defaults, "ds_unidade_potencia");
    }
    return 0;
}

bool clsEtapa1::CarregaPotenciaNominal(const std::string& strNorma, std::int16_t Vl_Frequencia,
                                       std::int16_t intCd_Produto, std::int16_t intPolaridade,
                                       const std::string& strTipo)
{
    // A failed lookup empties the list, so a caller that reads an index after
    // a false result gets nothing rather than the powers of another unit.
    powers_.clear();
    DataFile file("Potencia_Nominal.xml");
    if (!file.loaded())
        return false;
    const pugi::xml_node frequency =
        DataFile::find(file.require(strNorma), "vlFrequencia" + std::to_string(Vl_Frequencia));
    if (!frequency)
        return false;
    const pugi::xml_node line = file.require(frequency, "CD" + std::to_string(intCd_Produto));
    const pugi::xml_node poles = DataFile::find(line, "VL" + std::to_string(intPolaridade));
    if (!poles)
        return false;
    std::vector<std::string> entries;
    for (pugi::xml_node power : DataFile::children(poles))
        entries.push_back(formatNumber(file.real(power, strTipo)));
    for (std::string& entry : entries)
        powers_.add(std::move(entry));
    return true;
}

} // namespace pelgo
