#pragma once

#include "pelgo/StepTexts.h"

#include <cstdint>
#include <string>

namespace pelgo {

// Step 8: the texts of the screen where the user asks for another current
// limit of the current-limit start.
class clsEtapa8 {
public:
    std::string PartidaLimitacaoCorrente() const { return texts_[0]; }
    std::string TCorrenteMinima() const { return texts_[1]; }
    std::string TNovaLimitacaoCorrente() const { return texts_[2]; }
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
