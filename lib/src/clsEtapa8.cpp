#include "pelgo/clsEtapa8.h"

namespace pelgo {

std::int16_t clsEtapa8::Inicia(const std::string& strIdioma)
{
    // Rows in the order of the getters.
    texts_.load(strIdioma, {"ETAPA6", "ETAPA8", "ETAPA1", "BOTOES"},
                {{"ETAPA6", "PARTIDALIMITACAOCORRENTE"},
                 {"ETAPA8", "TCORRENTEMINIMA"},
                 {"ETAPA8", "TNOVALIMITACAOCORRENTE"},
                 {"ETAPA1", "TMENSAGEM"},
                 {"BOTOES", "BTCALCULAR"},
                 {"BOTOES", "BTCANCELAR"},
                 {"BOTOES", "BTAJUDA"}});
    return 0;
}

} // namespace pelgo
