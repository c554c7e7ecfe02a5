#include "pelgo/clsEtapa14.h"

namespace pelgo {

std::int16_t clsEtapa14::Inicia(const std::string& strIdioma)
{
    // Both motor-graph screens share the title of step 13.
    textos_ = TextosGrafico::carrega(strIdioma, "ETAPA13", "GRAFICOSMOTOR", false);
    return 0;
}

} // namespace pelgo
