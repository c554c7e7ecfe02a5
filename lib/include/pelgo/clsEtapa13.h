#pragma once

#include "pelgo/TextosGrafico.h"

#include <cstdint>
#include <string>

namespace pelgo {

// Step 13: texts of the voltage-ramp motor graphs.
class clsEtapa13 {
public:
    std::string GraficosMotor() const { return textos_.titulo; }
    std::string btVoltar() const { return textos_.btVoltar; }

    // Always returns 0; a missing text is a DataError.
    std::int16_t Inicia(const std::string& strIdioma);

private:
    TextosGrafico textos_;
};

} // namespace pelgo
