#pragma once

#include "pelgo/TextosGrafico.h"

#include <cstdint>
#include <string>

namespace pelgo {

// Step 14: texts of the current-limitation motor graphs.
class clsEtapa14 {
public:
    std::string GraficosMotor() const { return textos_.titulo; }
    std::string btVoltar() const { return textos_.btVoltar; }

    // Always returns 0; a missing text is a DataError.
    std::int16_t Inicia(const std::string& strIdioma);

private:
    TextosGrafico textos_;
};

} // namespace pelgo
