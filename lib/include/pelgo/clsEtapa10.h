#pragma once

#include "pelgo/Parametrizacao.h"

#include <cstdint>
#include <string>

namespace pelgo {

// Step 10: the numbered-parameter settings of both selected models, the
// voltage-ramp one and the current-limitation one. Everything is computed by
// Inicia; a method that is not available leaves its values empty.
class clsEtapa10 {
public:
    std::string Imprimir() const { return textos_.imprimir; }
    std::string ClasseTermicaLimitacaoCorrente() const { return limitacao_.classeTermica; }
    std::string AjusteCorrenteMotorLimitacaoCorrente() const { return limitacao_.ajusteCorrente; }
    std::string LimitacaoCorrente() const { return limitacaoCorrente_; }
    std::string TempoRampaAceleracaoLimitacaoCorrente() const { return limitacao_.tempoRampa; }
    std::string ModoOperacaoLimitacaoCorrente() const { return limitacao_.modoOperacao; }
    std::string TempoAceleracaoRampaTensao() const { return rampa_.tempoRampa; }
    std::string ClasseTermicaRampaTensao() const { return rampa_.classeTermica; }
    std::string AjusteCorrenteMotorRampaTensao() const { return rampa_.ajusteCorrente; }
    std::string ReleByPass() const { return releByPass_; }
    std::string ModoOperacaoRampaTensao() const { return rampa_.modoOperacao; }
    std::string PartidaLimitacaoCorrente() const { return textos_.partidaLimitacaoCorrente; }
    std::string ParametrosMotor() const { return textos_.parametrosMotor; }
    std::string ParametrosRegulacao() const { return textos_.parametrosRegulacao; }
    std::string ParametrosConfigura() const { return textos_.parametrosConfigura; }
    std::string PartidaRampaTencao() const { return textos_.partidaRampaTensao; }
    std::string TParametrizacao() const { return textos_.parametrizacao; }
    std::string TModelo() const { return textos_.modelo; }
    std::string TModoOperacao() const { return textos_.modoOperacao; }
    std::string TReleByPass() const { return textos_.releByPass; }
    std::string TTensaoInicialP01() const { return textos_.tensaoInicialP01; }
    std::string TTempoRampaAcel() const { return textos_.tempoRampaAcel; }
    std::string TAjusteCorrenteP21() const { return textos_.ajusteCorrenteP21; }
    std::string TClasseTermica() const { return textos_.classeTermica; }
    std::string TFatorServisso() const { return textos_.fatorServico; }
    std::string TLimitacaoCorrenteP11() const { return textos_.limitacaoCorrenteP11; }
    std::string btVoltar() const { return textos_.btVoltar; }
    std::string btImprimir() const { return textos_.btImprimir; }

    // intLigacaoMotor is the connection factor as it is (√3 for inside
    // delta). Always returns 0; a missing text is a DataError.
    std::int16_t Inicia(const std::string& strIdioma, bool bolDisponivelRampaTensao,
                        std::int16_t intReferenciaRampaTensao, double intLigacaoMotor, std::int16_t intByPass,
                        double dblCorrenteNominal, double dblCorrenteSaidaTarvoRampaTensao,
                        double dblCorrenteEficazRampaTensao, double dblCorrenteEficazLimitacaoCorrente,
                        double dblTempoAceleracaoLimitacaoCorrente, double dblTempoAceleracaoRampaTensao,
                        bool bolDisponivelLimitacaoCorrente, std::int16_t intReferenciaLimitacaoCorrente,
                        double dblLimitacaoCorrente, std::int16_t intCorrenteSaidaTarvoLimitacaoCorrente);

private:
    parametrizacao::Textos textos_;
    parametrizacao::Ajustes rampa_;
    parametrizacao::Ajustes limitacao_;
    std::string releByPass_;
    std::string limitacaoCorrente_;
};

} // namespace pelgo
