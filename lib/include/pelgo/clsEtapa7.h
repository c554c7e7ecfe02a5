#pragma once

#include "pelgo/StepTexts.h"

#include <cstdint>
#include <string>

namespace pelgo {

// Step 7: the texts of the screen where the user asks for another pedestal
// voltage of the voltage-ramp start.
class clsEtapa7 {
public:
    std::string PartidaRampaTencao() const { return texts_[0]; }
    std::string TPedestalMinimo() const { return texts_[1]; }
    std::string TNovoPedestal() const { return texts_[2]; }
    std::string TMensagem() const { return texts_[3]; }
    std::string btCalcular() const { return texts_[4]; }
    std::string btCancelar() const { return texts_[5]; }
    std::string btAjuda() const { return texts_[6]; }
    // Reads the texts of the language; always 0.
    std::int16_t Inicia(const std::string& strIdioma);

private:
    StepTexts texts_;
};

} // namespace pelgo
