#include "pelgo/clsEtapa11.h"

namespace pelgo {

std::int16_t clsEtapa11::Inicia(const std::string& strIdioma)
{
    textos_ = TextosGrafico::carrega(strIdioma, "ETAPA11", "GRAFICOSPARTIDA", true);
    return 0;
}

} // namespace pelgo
