#include "pelgo/clsEtapa7.h"

namespace pelgo {

std::int16_t clsEtapa7::Inicia(const std::string& strIdioma)
{
    // Rows in the order of the getters.
    texts_.load(strIdioma, {"ETAPA6", "ETAPA1", "ETAPA7", "BOTOES"},
                {{"ETAPA6", "PARTIDARAMPATENCAO"},
                 {"ETAPA7", "TPEDESTALMINIMO"},
                 {"ETAPA7", "TNOVOPEDESTAL"},
                 {"ETAPA1", "TMENSAGEM"},
                 {"BOTOES", "BTCALCULAR"},
                 {"BOTOES", "BTCANCELAR"},
                 {"BOTOES", "BTAJUDA"}});
    return 0;
}

} // namespace pelgo
