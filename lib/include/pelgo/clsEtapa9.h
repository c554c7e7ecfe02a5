#pragma once

#include "pelgo/Parametrizacao.h"

#include <cstdint>
#include <string>

namespace pelgo {

// Step 9: the settings of a voltage-ramp model set by three trimpots and of a
// current-limitation model set by numbered parameters. Everything is computed
// by Inicia; a method that is not available leaves its values empty (0).
class clsEtapa9 {
public:
    std::string PartidaRampaTencao() const { return textos_.partidaRampaTensao; }
    std::string Imprimir() const { return textos_.imprimir; }
    std::string ClasseTermicaLimitacaoCorrente() const { return limitacao_.classeTermica; }
    std::string AjusteCorrenteMotorLimitacaoCorrente() const { return limitacao_.ajusteCorrente; }
    std::string LimitacaoCorrente() const { return limitacaoCorrente_; }
    std::string TempoRampaAceleracaoLimitacaoCorrente() const { return limitacao_.tempoRampa; }
    std::string ReleByPass() const { return limitacao_.releByPass; }
    std::string ModoOperacaoLimitacaoCorrente() const { return limitacao_.modoOperacao; }
    double PedestalVoltage() const { return pedestalVoltage_; }
    std::int16_t MotorCurrent() const { return motorCurrent_; }
    std::int16_t AccelTime() const { return accelTime_; }
    std::string ParametrosMotor() const { return textos_.parametrosMotor; }
    std::string ParametrosRegulacao() const { return textos_.parametrosRegulacao; }
    std::string ParametrosConfigura() const { return textos_.parametrosConfigura; }
    std::string PartidaLimitacaoCorrente() const { return textos_.partidaLimitacaoCorrente; }
    std::string TParametrizacao() const { return textos_.parametrizacao; }
    std::string TModelo() const { return textos_.modelo; }
    std::string TTrimpotAccelTime() const { return textos_.trimpotAccelTime; }
    std::string TTrimpotMotorCurrent() const { return textos_.trimpotMotorCurrent; }
    std::string TTrimpotPedestalVoltage() const { return textos_.trimpotPedestalVoltage; }
    std::string TModoOperacao() const { return textos_.modoOperacao; }
    std::string TReleByPass() const { return textos_.releByPass; }
    std::string TTensaoInicialP01() const { return textos_.tensaoInicialP01; }
    std::string TTempoRampaAcel() const { return textos_.tempoRampaAcel; }
    std::string TLimitacaoCorrenteP11() const { return textos_.limitacaoCorrenteP11; }
    std::string TAjusteCorrenteP21() const { return textos_.ajusteCorrenteP21; }
    std::string TClasseTermica() const { return textos_.classeTermica; }
    std::string TFatorServisso() const { return textos_.fatorServico; }
    std::string btVoltar() const { return textos_.btVoltar; }
    std::string btImprimir() const { return textos_.btImprimir; }

    // intLigacaoMotor is the connection factor as it is (√3 for inside
    // delta); intCorrenteSaidaTarvoLimitacaoCorrente is the model current in A.
    // Always returns 0; a missing text is a DataError.
    std::int16_t Inicia(const std::string& strIdioma, bool bolDisponivelRampaTensao,
                        bool bolDisponivelLimitacaoCorrente, double dblTempoAceleracaoRampaTensao,
                        double dblCorrenteNominal, double dblCorrenteSaidaTarvoRampaTensao, double dblPedestalTensao,
                        double intLigacaoMotor, std::int16_t intByPass, double dblTempoAceleracaoLimitacaoCorrente,
                        double dblLimitacaoCorrente, double intCorrenteSaidaTarvoLimitacaoCorrente,
                        std::int16_t intReferenciaLimitacaoCorrente, double dblCorrenteEficazLimitacaoCorrente);

private:
    parametrizacao::Textos textos_;
    parametrizacao::Ajustes limitacao_;
    std::string limitacaoCorrente_;
    double pedestalVoltage_ = 0;
    std::int16_t motorCurrent_ = 0;
    std::int16_t accelTime_ = 0;
};

} // namespace pelgo
