#include "pelgo/clsEtapa12.h"

namespace pelgo {

std::int16_t clsEtapa12::Inicia(const std::string& strIdioma)
{
    textos_ = TextosGrafico::carrega(strIdioma, "ETAPA12", "GRAFICOSCORRENTE", true);
    return 0;
}

} // namespace pelgo
