#include "pelgo/clsEtapa9.h"

#include "pelgo/Numbers.h"

#include <limits>

namespace pelgo {

namespace {

// The trimpots of the compact voltage-ramp models.
constexpr double kFatorTempoMinimo = 1.15;  // below 1 s with this margin the trimpot stays at 1 s
constexpr double kFatorAccelTime = 1.4;
constexpr std::int16_t kAccelTimeMaximo = 20;
constexpr double kPedestalMinimo = 30;

// The trimpot of the limitation models never goes below this, in %.
constexpr double kPisoLimitacaoCorrente = 150;

std::int16_t accelTime(double tempoAceleracao)
{
    if (tempoAceleracao * kFatorTempoMinimo < 1)
        return 1;
    const double posicao = roundHalfEven(tempoAceleracao * kFatorAccelTime);
    return posicao <= kAccelTimeMaximo ? static_cast<std::int16_t>(posicao) : kAccelTimeMaximo;
}

// The motor's line current in % of the model current, without the
// connection factor; 0 when it cannot be formed.
std::int16_t motorCurrent(double correnteNominal, double correnteModelo)
{
    const auto posicao = parametrizacao::razaoArredondada(correnteNominal, correnteModelo, 100);
    if (!posicao || *posicao > std::numeric_limits<std::int16_t>::max() ||
        *posicao < std::numeric_limits<std::int16_t>::min())
        return 0;
    return static_cast<std::int16_t>(*posicao);
}

double pedestalVoltage(double pedestalTensao)
{
    return pedestalTensao >= kPedestalMinimo ? pedestalTensao : kPedestalMinimo;
}

} // namespace

std::int16_t clsEtapa9::Inicia(const std::string& strIdioma, bool bolDisponivelRampaTensao,
                               bool bolDisponivelLimitacaoCorrente, double dblTempoAceleracaoRampaTensao,
                               double dblCorrenteNominal, double dblCorrenteSaidaTarvoRampaTensao,
                               double dblPedestalTensao, double intLigacaoMotor, std::int16_t intByPass,
                               double dblTempoAceleracaoLimitacaoCorrente, double dblLimitacaoCorrente,
                               double intCorrenteSaidaTarvoLimitacaoCorrente,
                               std::int16_t intReferenciaLimitacaoCorrente, double dblCorrenteEficazLimitacaoCorrente)
{
    textos_ = parametrizacao::Textos::carrega(strIdioma, true);

    if (bolDisponivelRampaTensao) {
        accelTime_ = accelTime(dblTempoAceleracaoRampaTensao);
        motorCurrent_ = motorCurrent(dblCorrenteNominal, dblCorrenteSaidaTarvoRampaTensao);
        pedestalVoltage_ = pedestalVoltage(dblPedestalTensao);
    }

    if (bolDisponivelLimitacaoCorrente) {
        const parametrizacao::Instalacao instalacao{strIdioma, dblCorrenteNominal, intLigacaoMotor, intByPass};
        limitacao_ = parametrizacao::calculaAjustes(
            instalacao, {intReferenciaLimitacaoCorrente, dblTempoAceleracaoLimitacaoCorrente,
                         dblCorrenteEficazLimitacaoCorrente, intCorrenteSaidaTarvoLimitacaoCorrente});
        limitacaoCorrente_ = parametrizacao::limitacaoCorrenteP11(
            instalacao, dblLimitacaoCorrente, intCorrenteSaidaTarvoLimitacaoCorrente, kPisoLimitacaoCorrente);
    }
    return 0;
}

} // namespace pelgo
