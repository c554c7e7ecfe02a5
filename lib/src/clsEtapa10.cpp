#include "pelgo/clsEtapa10.h"

#include <optional>

namespace pelgo {

std::int16_t clsEtapa10::Inicia(const std::string& strIdioma, bool bolDisponivelRampaTensao,
                                std::int16_t intReferenciaRampaTensao, double intLigacaoMotor,
                                std::int16_t intByPass, double dblCorrenteNominal,
                                double dblCorrenteSaidaTarvoRampaTensao, double dblCorrenteEficazRampaTensao,
                                double dblCorrenteEficazLimitacaoCorrente,
                                double dblTempoAceleracaoLimitacaoCorrente, double dblTempoAceleracaoRampaTensao,
                                bool bolDisponivelLimitacaoCorrente, std::int16_t intReferenciaLimitacaoCorrente,
                                double dblLimitacaoCorrente, std::int16_t intCorrenteSaidaTarvoLimitacaoCorrente)
{
    textos_ = parametrizacao::Textos::carrega(strIdioma, false);
    const parametrizacao::Instalacao instalacao{strIdioma, dblCorrenteNominal, intLigacaoMotor, intByPass};

    if (bolDisponivelRampaTensao) {
        rampa_ = parametrizacao::calculaAjustes(instalacao, {intReferenciaRampaTensao, dblTempoAceleracaoRampaTensao,
                                                             dblCorrenteEficazRampaTensao,
                                                             dblCorrenteSaidaTarvoRampaTensao});
        releByPass_ = rampa_.releByPass;
    }

    if (bolDisponivelLimitacaoCorrente) {
        // The model current is a whole number here; products with it are
        // formed as reals, so no model size can overflow them.
        const double correnteModelo = intCorrenteSaidaTarvoLimitacaoCorrente;
        limitacao_ = parametrizacao::calculaAjustes(instalacao, {intReferenciaLimitacaoCorrente,
                                                                 dblTempoAceleracaoLimitacaoCorrente,
                                                                 dblCorrenteEficazLimitacaoCorrente, correnteModelo});
        releByPass_ = limitacao_.releByPass;
        // Unlike the trimpot step there is no floor: the parameter takes the value as it is.
        limitacaoCorrente_ =
            parametrizacao::limitacaoCorrenteP11(instalacao, dblLimitacaoCorrente, correnteModelo, std::nullopt);
    }
    return 0;
}

} // namespace pelgo
