#include "pelgo/ClasseTermica.h"

#include "pelgo/DataFile.h"
#include "pelgo/Numbers.h"

namespace pelgo {

namespace {

const char* const kFile = "Classe_Termica.xml";

} // namespace

std::string ClasseTermica::ObtemClasseTermica(double tempoAceleracao, double correnteEficaz, double correnteNominal)
{
    const DataFile file(kFile);
    if (!file.loaded())
        return "";
    for (pugi::xml_node faixa : DataFile::children(file.root())) {
        if (!file.hasAttribute(faixa, "Min") || !file.hasAttribute(faixa, "Max"))
            continue;
        // The first band holding the time decides, even when it has no class
        // for this current.
        if (FaixaContem(file, faixa, tempoAceleracao))
            return ClasseTermicaDaFaixa(file, faixa, correnteEficaz, correnteNominal);
    }
    return "";
}

bool ClasseTermica::FaixaContem(const DataFile& file, pugi::xml_node faixa, double tempoAceleracao)
{
    const std::string min = file.text(faixa, "Min");
    const std::string max = file.text(faixa, "Max");
    // An empty bound leaves that side of the band open; with both empty the
    // band holds only times up to 0 s.
    if (min.empty())
        return tempoAceleracao <= parseLeadingReal(max);
    if (max.empty())
        return tempoAceleracao > parseLeadingReal(min);
    return parseLeadingReal(min) < tempoAceleracao && tempoAceleracao <= parseLeadingReal(max);
}

std::string ClasseTermica::ClasseTermicaDaFaixa(const DataFile& file, pugi::xml_node faixa, double correnteEficaz,
                                                double correnteNominal)
{
    const double razao = correnteEficaz / correnteNominal;
    for (pugi::xml_node entrada : DataFile::children(faixa)) {
        if (!file.hasAttribute(entrada, "DivisaoCorrentesMax") || !file.hasAttribute(entrada, "classe_termica"))
            continue;
        const std::string razaoMaxima = file.text(entrada, "DivisaoCorrentesMax");
        // An empty limit takes any current; a ratio that is not a number
        // (no rated current) only ever meets such an entry.
        if (razaoMaxima.empty() || parseLeadingReal(razaoMaxima) >= razao)
            return file.text(entrada, "classe_termica");
    }
    return "";
}

} // namespace pelgo
