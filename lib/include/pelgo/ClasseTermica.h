#pragma once

#include <string>

#include <pugixml.hpp>

namespace pelgo {

class DataFile;

// The motor-protection thermal class proposed for a start, looked up in
// Classe_Termica.xml: acceleration-time bands, each holding the classes by the
// largest ratio of rms starting current to rated current they allow.
// Both parametrization steps use this one lookup.
class ClasseTermica {
public:
    // The class text for a start of `tempoAceleracao` seconds drawing
    // `correnteEficaz` A rms from a motor of `correnteNominal` A; "" when the
    // file does not load, no band matches or the matching band has no class
    // for the current ratio. A band or entry lacking one of its attributes is
    // skipped.
    static std::string ObtemClasseTermica(double tempoAceleracao, double correnteEficaz, double correnteNominal);

private:
    static bool FaixaContem(const DataFile& file, pugi::xml_node faixa, double tempoAceleracao);
    static std::string ClasseTermicaDaFaixa(const DataFile& file, pugi::xml_node faixa, double correnteEficaz,
                                            double correnteNominal);
};

} // namespace pelgo
