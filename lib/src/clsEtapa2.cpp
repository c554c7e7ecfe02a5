#include "pelgo/clsEtapa2.h"

#include "pelgo/DataFile.h"
#include "pelgo/MotorData.h"
#include "pelgo/StepTexts.h"
#include "pelgo/Numbers.h"
#include "pelgo/clsPelgo_Geral.h"

#include <cmath>

namespace pelgo {

namespace {

// kgf·m·rpm per kW (974) times g: torque in N·m = P kW × 9555 / speed rpm.
constexpr double kTorqueConstant = 9555;
// A motor not in the table is taken to run 3 % below its synchronous speed.
constexpr double kEstimatedSpeedFactor = 0.97;
constexpr double kNewtonMetresPerPoundFoot = 1.3557;
constexpr double kNewtonMetresPerKilogramForceMetre = 9.81;

} // namespace

double clsEtapa2::CalculoCorrenteNominal(double P, std::int16_t V, double FP, double n) const
{
    if (V <= 0 || !(FP > 0) || !(n > 0))
        return 0;
    return roundHalfEven(P * 1000 / (V * std::sqrt(3.0) * FP * (n / 100)), 2);
}

std::string clsEtapa2::strEU(std::int16_t index) const
{
    return index >= 0 && index < static_cast<std::int16_t>(yesNo_.size()) ? yesNo_[index] : std::string();
}

std::int16_t clsEtapa2::Inicia(const std::string& strIdioma, const std::string& strMercado,
                               std::int16_t intFrequencia, const std::string& strCategoria,
                               std::int16_t intCdProduto, std::int16_t intPolaridade, double dblPotenciaKw,
                               std::int16_t intTensaoNominal)
{
    *this = clsEtapa2();
    loadTexts(strIdioma);

    const MotorKey key{intFrequencia, strCategoria, intCdProduto, intPolaridade, dblPotenciaKw};
    const bool found = loadFromMotorTable(key);
    if (!found)
        estimate(key);
    // The torque is shown in pound-feet in the United States market and in
    // kilogram-force metres elsewhere, from the rounded rated torque.
    const double unit = strMercado == "U" ? kNewtonMetresPerPoundFoot : kNewtonMetresPerKilogramForceMetre;
    conjugadoNominalMotorTela_ = roundHalfEven(conjugadoNominalMotor_ / unit, 2);
    correnteNominal_ = CalculoCorrenteNominal(dblPotenciaKw, intTensaoNominal, fatorPotencia_, rendimento_);
    loadServiceFactors();
    loadMarketUnits(strMercado);

    clsPelgo_Geral catalogue;
    readTexts(catalogue, strIdioma, "ETAPA5", {{"SIM", &yesNo_[1]}, {"NÃO", &yesNo_[2]}});
    return found ? 0 : 1;
}

void clsEtapa2::loadTexts(const std::string& language)
{
    clsPelgo_Geral catalogue;
    readTexts(catalogue, language, "ETAPA2",
              {{"TDADOSDOMOTOR", &tDadosdoMotor_},
               {"TFATORPOTENCIA", &tFatorPotencia_},
               {"TRENDIMENTO", &tRendimento_},
               {"TCORRENTENOMINAL", &tCorrenteNominal_},
               {"TFATORSERVICO", &tFatorServico_},
               {"TTEMPOROTORBLOQUEADO", &tTempoRotorBloqueado_},
               {"TMOMENTOINERCIAJ", &tMomentoInerciaJ_},
               {"TMENSAGEM", &tMensagem_},
               {"ESTAUTILIZANDO", &yesNo_[0]}});
    readTexts(catalogue, language, "BOTOES",
              {{"BTVOLTAR", &btVoltar_}, {"BTAJUDA", &btAjuda_}, {"BTAVANCAR", &btAvancar_}});
}

// Reads the motor's data when the table has it. A table that does not load is
// treated like a motor that is not in it, so the data are estimated and the
// user is asked for what cannot be estimated.
bool clsEtapa2::loadFromMotorTable(const MotorKey& key)
{
    DataFile table("Dados_Motor.xml");
    if (!table.loaded())
        return false;
    const MotorLookup motor = findMotor(table, key);
    switch (motor.missing) {
    case MotorLookup::Missing::Frequency:
    case MotorLookup::Missing::Poles:
    case MotorLookup::Missing::Node:
        // The table must describe every frequency and every line's poles.
        throw table.error("missing element " + motor.element);
    case MotorLookup::Missing::Category:
    case MotorLookup::Missing::Product:
    case MotorLookup::Missing::Power:
        return false;
    case MotorLookup::Missing::None:
        break;
    }
    const pugi::xml_node node = motor.node;
    fatorPotencia_ = table.real(node, "fa_potencia_100_carga");
    rendimento_ = table.real(node, "vl_rendimento_100_carga");
    tempoRotorBloqueado_ = table.real(node, "vl_tempo_rotor_bloq_quente");
    momentoInercia_ = table.real(node, "vl_momento_inercia");
    carcaca_ = table.text(node, "ds_carcaca");
    const std::int16_t ratedSpeed = table.integer(node, "vl_rotacao_nominal");
    if (ratedSpeed <= 0)
        throw table.error(std::string("attribute vl_rotacao_nominal of element node below ") + motor.node.parent().name() +
                          ": the rated speed must be above 0 rpm");
    conjugadoNominalMotor_ = roundHalfEven(key.powerKw * kTorqueConstant / ratedSpeed, 2);
    return true;
}

void clsEtapa2::estimate(const MotorKey& key)
{
    const double speed = key.poles > 0 ? key.frequency * 120 * kEstimatedSpeedFactor / key.poles : 0;
    conjugadoNominalMotor_ = speed > 0 ? roundHalfEven(key.powerKw * kTorqueConstant / speed, 2) : 0;

    DataFile fallback("Fator_Potencia_Rendimento.xml");
    if (!fallback.loaded())
        return;
    const std::string poles = "vl" + std::to_string(key.poles);
    const pugi::xml_node row =
        DataFile::count(fallback.root(), poles) > 0 ? fallback.require(poles) : fallback.require("senao");
    // Bands of the fallback table: up to 1 kW, above 1 up to 50 kW, above 50 kW.
    // The table names its middle band "from 1.001 kW"; a power between 1 and
    // 1.001 kW belongs to it too.
    const char* band = key.powerKw <= 1 ? "1" : key.powerKw <= 50 ? "2" : "3";
    fatorPotencia_ = fallback.real(row, std::string("fator_potencia_val") + band);
    rendimento_ = fallback.real(row, std::string("rendimento_val") + band);
}

void clsEtapa2::loadServiceFactors()
{
    DataFile file("Fator_Servico.xml");
    if (!file.loaded())
        return;
    for (pugi::xml_node entry : DataFile::children(file.root()))
        serviceFactors_.add({file.real(entry, "fator"), file.text(entry, "eu")});
}

void clsEtapa2::loadMarketUnits(const std::string& market)
{
    DataFile file("Padrao_Mercado.xml");
    if (!file.loaded())
        return;
    const pugi::xml_node defaults = file.require(market);
    unidadeInercia_ = file.text(defaults, "ds_unidade_inercia");
    inerciaMultiplicador_ = file.real(defaults, "inercia_multiplicador");
}

} // namespace pelgo
