#pragma once

#include "pelgo/TextosGrafico.h"

#include <cstdint>
#include <string>

namespace pelgo {

// Step 11: texts of the voltage-ramp starting graphs.
class clsEtapa11 {
public:
    std::string GraficosPartida() const { return textos_.titulo; }
    std::string btVoltar() const { return textos_.btVoltar; }
    std::string btAcel() const { return textos_.btAcel; }

    // Always returns 0; a missing text is a DataError.
    std::int16_t Inicia(const std::string& strIdioma);

private:
    TextosGrafico textos_;
};

} // namespace pelgo
