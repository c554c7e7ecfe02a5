#include "pelgo/clsEtapa13.h"

namespace pelgo {

std::int16_t clsEtapa13::Inicia(const std::string& strIdioma)
{
    textos_ = TextosGrafico::carrega(strIdioma, "ETAPA13", "GRAFICOSMOTOR", false);
    return 0;
}

} // namespace pelgo
