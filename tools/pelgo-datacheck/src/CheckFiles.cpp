#include "Checks.h"
#include "Reader.h"

namespace pelgo::datacheck {

namespace {

// Every data file of the XML folder that the programs read.
const char* const kDataFiles[] = {
    "Textos_pagina_pelgo.xml", "Padrao_Mercado.xml", "Idioma_Mercado.xml", "Padrao_Idioma.xml",
    "Produto_Idioma.xml", "Nr_Polos.xml", "Categoria_Norma.xml", "Tensao_Nominal.xml",
    "Unidade_Potencia.xml", "Potencia_Nominal.xml", "Dados_Motor.xml", "Fator_Potencia_Rendimento.xml",
    "Fator_Servico.xml", "Carcaca_Complement.xml", "Carga.xml", "Unidade_Inercia_Eixo_Motor.xml",
    "Numero_Partidas_Hora.xml", "Intervalo_Partidas.xml", "Altitude.xml", "Temperatura.xml",
    "Queda_Tensao_Partida.xml", "Tensao_Comando.xml", "Ligacao_Motor.xml", "Tarvo.xml",
    "Altitude_Temperatura.xml", "Fator_Temperatura.xml", "Potencia_Dissipada.xml", "Classe_Termica.xml",
    "atualizacao.xml",
};

// Text inside an element would be taken for an entry by a reader that walks
// child nodes; data files keep everything in attributes.
void reportText(const Reader& reader, pugi::xml_node element)
{
    for (const pugi::xml_node child : element.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            reader.problem(element, "holds text \"" + std::string(child.value()) +
                                        "\"; values belong in attributes");
        else if (child.type() == pugi::node_element)
            reportText(reader, child);
    }
}

} // namespace

void checkDataFiles(const Installation& installation, Report& report)
{
    for (const char* name : kDataFiles) {
        const Reader reader(installation, name, report);
        const DataFile& file = installation.xml(name);
        if (!file.loaded()) {
            reader.problem("does not load: " + file.loadError());
            continue;
        }
        reportText(reader, file.root());
    }

    const Reader updates(installation, "atualizacao.xml", report);
    if (updates.loaded()) {
        updates.text(updates.root(), "caminho");
        for (const pugi::xml_node entry : DataFile::children(updates.root()))
            updates.text(entry, "versao");
    }
}

void checkAll(const Installation& installation, Report& report)
{
    checkDataFiles(installation, report);
    checkMarkets(installation, report);
    checkTextCatalogue(installation, report);
    checkMotorCatalogue(installation, report);
    checkLoadTypes(installation, report);
    checkAmbient(installation, report);
    checkDeviceCatalogue(installation, report);
    checkThermalClasses(installation, report);
    checkHelpPages(installation, report);
    checkPictures(installation, report);
    checkClassRuns(installation, report);
}

std::vector<long> wholeList(const Installation& installation, const std::string& file, const std::string& attribute)
{
    std::vector<long> values;
    for (const pugi::xml_node entry : DataFile::children(installation.xml(file).root()))
        if (const auto value = plainWhole(entry.attribute(attribute.c_str()).value()))
            values.push_back(*value);
    return values;
}

} // namespace pelgo::datacheck
