#include "pelgo/clsEtapa6.h"

#include "pelgo/DeviceCatalogue.h"
#include "pelgo/Numbers.h"
#include "pelgo/clsPelgo_Geral.h"

#include <vector>

namespace pelgo {

namespace {

// Rows of the screen-text table, in the order Inicia reads them.
enum Row : std::size_t {
    kEconomia,
    kResultado,
    kImportante,
    kMensagem1,
    kMensagem2,
    kPartidaRampaTencao,
    kTModelo,
    kRespostaMotor,
    kTPedestalTencao,
    kTTempoAceleracao,
    kTCorrenteEficazPartida,
    kPartidaLimitacaoCorrente,
    kResumoDados,
    kMotor,
    kGerais,
    kTPotenciaNominal,
    kTTensaoRede,
    kTNumeroPolos,
    kTQuedaTensaoPartida,
    kTTensaoNominal,
    kTByPass,
    kTCorrenteNominal,
    kTLigacaoMotor,
    kTTemperatura,
    kTMomentoInercia,
    kTAltitude,
    kTCategoria,
    kCarga,
    kTAplicacao,
    kTNumeroPartidasHora,
    kTIntervaloEntrePartidas,
    kTLimitacaoCorrente,
    kTTempoRotorBloqueado,
    kTConjugadoNominal,
    kBtRed,
    kGraficoRampaTensao,
    kGraficoLimitacaoCorrente,
    kBtVoltar,
    kBtAjuda,
    kBtPara,
    kBtImprimir,
};

const std::vector<TextSource>& screenTexts()
{
    static const std::vector<TextSource> sources = {
        {"ETAPA6", "TECONOMIA"},
        {"ETAPA6", "RESULTADO"},
        {"ETAPA6", "IMPORTANTE"},
        {"ETAPA6", "MENSAGEM1"},
        {"ETAPA6", "MENSAGEM2"},
        {"ETAPA6", "PARTIDARAMPATENCAO"},
        {"ETAPA6", "TMODELO"},
        {"ETAPA6", "RESPOSTAMOTOR"},
        {"ETAPA6", "TPEDESTALTENCAO"},
        {"ETAPA6", "TTEMPOACELERACAO"},
        {"ETAPA6", "TCORRENTEEFICAZPARTIDA"},
        {"ETAPA6", "PARTIDALIMITACAOCORRENTE"},
        {"ETAPA6", "RESUMODADOS"},
        {"ETAPA6", "MOTOR"},
        {"ETAPA6", "GERAIS"},
        {"ETAPA6", "TPOTENCIANOMINAL"},
        {"ETAPA6", "TTENSAOREDE"},
        {"ETAPA6", "TNUMEROPOLOS"},
        {"ETAPA6", "TQUEDATENSAOPARTIDA"},
        {"ETAPA6", "TTENSAONOMINAL"},
        {"ETAPA6", "TBYPASS"},
        {"ETAPA6", "TCORRENTENOMINAL"},
        {"ETAPA6", "TLIGACAOMOTOR"},
        {"ETAPA6", "TTEMPERATURA"},
        {"ETAPA6", "TMOMENTOINERCIA"},
        {"ETAPA6", "TALTITUDE"},
        {"ETAPA6", "TCATEGORIA"},
        {"ETAPA6", "CARGA"},
        {"ETAPA6", "TAPLICACAO"},
        {"ETAPA6", "TNUMEROPARTIDASHORA"},
        {"ETAPA6", "TINTERVALOENTREPARTIDAS"},
        {"ETAPA6", "TLIMITACAOCORRENTE"},
        {"ETAPA2", "TTEMPOROTORBLOQUEADO"},
        {"ETAPA3", "TCONJUGADONOMINAL"},
        {"BOTOES", "BTRED"},
        {"BOTOES", "BTGRAFICOS"},
        {"BOTOES", "BTGRAFICOS"},
        {"BOTOES", "BTVOLTAR"},
        {"BOTOES", "BTAJUDA"},
        {"BOTOES", "BTPARA"},
        {"BOTOES", "BTIMPRIMIR"},
    };
    return sources;
}

struct SizingInputs {
    MotorAndLoad motor;
    DutyInputs duty;
};

// The two sizing methods take the same inputs in different orders.
SizingInputs sizingInputs(const std::string& CCn, const std::string& IIn, const std::string& C, double voltageDrop,
                          double ratedTorque, std::int16_t frequency, std::int16_t poles, double motorInertia,
                          double loadInertia, double ratedCurrent, double lockedRotorTime, double interval,
                          double dutyFactor, std::int16_t byPass, double serviceFactor, double connection,
                          std::int16_t startsPerHour, std::int16_t temperature, std::int16_t controlVoltage,
                          std::int16_t supplyVoltage)
{
    return SizingInputs{.motor = {.curves = StartCurves::parse(CCn, IIn, C),
                                  .voltageDropFactor = voltageDrop,
                                  .ratedTorque = ratedTorque,
                                  .frequency = frequency,
                                  .poles = poles,
                                  .motorInertia = motorInertia,
                                  .loadInertia = loadInertia,
                                  .ratedCurrent = ratedCurrent,
                                  .lockedRotorTime = lockedRotorTime},
                        .duty = {.intervalSeconds = interval,
                                 .dutyFactor = dutyFactor,
                                 .byPass = byPass,
                                 .serviceFactor = serviceFactor,
                                 .connection = connection,
                                 .startsPerHour = startsPerHour,
                                 .ratedCurrent = ratedCurrent,
                                 .temperatureC = temperature,
                                 .controlVoltage = controlVoltage,
                                 .supplyVoltage = supplyVoltage}};
}

} // namespace

std::int16_t clsEtapa6::Inicia(const std::string& strIdioma)
{
    data_ = todayText();
    texts_.load(strIdioma, {"ETAPA6", "ETAPA2", "ETAPA3", "BOTOES"}, screenTexts());
    mensagem_ = text(kMensagem1) + text(kMensagem2);
    return 0;
}

bool clsEtapa6::DimensionamentoRampaTensao(
    bool bolNovoPedestal, const std::string& strIdioma, std::int16_t intTemperaturaC, std::int16_t intAltitudem,
    double dblTensao0, const std::string& strCCn, double dblQuedaTensao, const std::string& strC,
    double dblConjugadoNominalMotor, const std::string& strIIn, std::int16_t intFrequenciaNominal,
    std::int16_t intPolo, double dblMomentoInercia, double dblInerciaCargaEixoMotor, double dblCorrenteNominal,
    double dblTempoRotorBloqueado, double dblIntervaloParttidaSeg, double dblFatorUtilizacao, std::int16_t intByPass,
    double dblFatorServico, double dblLigacaoMotor, std::int16_t intPartidasHora, std::int16_t intTensaoComando,
    std::int16_t intTensaoRedeTrifasica)
{
    const SizingInputs inputs = sizingInputs(
        strCCn, strIIn, strC, dblQuedaTensao, dblConjugadoNominalMotor, intFrequenciaNominal, intPolo,
        dblMomentoInercia, dblInerciaCargaEixoMotor, dblCorrenteNominal, dblTempoRotorBloqueado,
        dblIntervaloParttidaSeg, dblFatorUtilizacao, intByPass, dblFatorServico, dblLigacaoMotor, intPartidasHora,
        intTemperaturaC, intTensaoComando, intTensaoRedeTrifasica);
    return size(StartMethod::RampaTensao, rampa_, bolNovoPedestal, dblTensao0, strIdioma, inputs.motor, inputs.duty,
                intAltitudem);
}

bool clsEtapa6::DimensionamentoTensaoCorrente(
    bool bolNovaLimitacaoCorrente, const std::string& strIdioma, double dblICorrenteLimiteInicial,
    const std::string& strCCn, const std::string& strC, const std::string& strIIn, double dblQuedaTensao,
    double dblConjugadoNominalMotor, std::int16_t intFrequenciaNominal, std::int16_t intPolo,
    double dblMomentoInercia, double dblInerciaCargaEixoMotor, double dblTempoRotorBloqueado,
    double dblCorrenteNominal, double dblIntervaloPartidaSeg, double dblFatorUtilizacao, std::int16_t intByPass,
    double dblFatorServico, double dblLigacaoMotor, std::int16_t intPartidasHora, std::int16_t intTemperaturaC,
    std::int16_t intAltitudem, std::int16_t intTensaoComando, std::int16_t intTensaoRedeTrifasica)
{
    const SizingInputs inputs = sizingInputs(
        strCCn, strIIn, strC, dblQuedaTensao, dblConjugadoNominalMotor, intFrequenciaNominal, intPolo,
        dblMomentoInercia, dblInerciaCargaEixoMotor, dblCorrenteNominal, dblTempoRotorBloqueado,
        dblIntervaloPartidaSeg, dblFatorUtilizacao, intByPass, dblFatorServico, dblLigacaoMotor, intPartidasHora,
        intTemperaturaC, intTensaoComando, intTensaoRedeTrifasica);
    return size(StartMethod::LimitacaoCorrente, limitacao_, bolNovaLimitacaoCorrente, dblICorrenteLimiteInicial,
                strIdioma, inputs.motor, inputs.duty, intAltitudem);
}

bool clsEtapa6::size(StartMethod method, MethodResults& results, bool userSetting, double initialSetting,
                     const std::string& language, const MotorAndLoad& motor, DutyInputs duty, std::int16_t altitude)
{
    results.device.available = true;
    duty.loadTorque0 = motor.curves.C[0];
    duty.loadTorque10 = motor.curves.C[10];
    duty.motorTorque0 = motor.curves.CCn[0];
    duty.derating = deratingFactor(altitude, duty.temperatureC);

    const StartSearch search = searchStart(method, userSetting, initialSetting, motor, duty);
    results.start = search.start;
    if (!search.started) {
        clsPelgo_Geral catalogue;
        catalogue.CarregaXML(language, "DIMENSIONAMENTO");
        mensagem_ = catalogue.GetTextosPelgo(search.failureTag);
        return false;
    }
    results.device = SelecionaModelos(method, search.best, search.last, search.start.time, duty, language);
    return true;
}

void clsEtapa6::CalculaPotenciaDissipadaRampaTensao(std::int16_t number, std::int16_t Ic, std::int16_t I6)
{
    CalculaPotenciaDissipada(number, Ic, I6, rampa_.device);
}

void clsEtapa6::CalculaPotenciaDissipadaLimitacaoCorrente(std::int16_t number, std::int16_t Ic, std::int16_t I6)
{
    CalculaPotenciaDissipada(number, Ic, I6, limitacao_.device);
}

std::string clsEtapa6::Economia() const { return text(kEconomia); }
std::string clsEtapa6::TituloMensagem() const { return text(kImportante); }
std::string clsEtapa6::TLimitacaoCorrente() const { return text(kTLimitacaoCorrente); }
std::string clsEtapa6::Resultado() const { return text(kResultado); }
std::string clsEtapa6::PartidaRampaTencao() const { return text(kPartidaRampaTencao); }
std::string clsEtapa6::TModelo() const { return text(kTModelo); }
std::string clsEtapa6::RespostaMotor() const { return text(kRespostaMotor); }
std::string clsEtapa6::TPedestalTencao() const { return text(kTPedestalTencao); }
std::string clsEtapa6::TTempoAceleracao() const { return text(kTTempoAceleracao); }
std::string clsEtapa6::TCorrenteEficazPartida() const { return text(kTCorrenteEficazPartida); }
std::string clsEtapa6::btRed() const { return text(kBtRed); }
std::string clsEtapa6::GraficoRampaTensao() const { return text(kGraficoRampaTensao); }
std::string clsEtapa6::PartidaLimitacaoCorrente() const { return text(kPartidaLimitacaoCorrente); }
std::string clsEtapa6::GraficoLimitacaoCorrente() const { return text(kGraficoLimitacaoCorrente); }
std::string clsEtapa6::ResumoDados() const { return text(kResumoDados); }
std::string clsEtapa6::Motor() const { return text(kMotor); }
std::string clsEtapa6::Gerais() const { return text(kGerais); }
std::string clsEtapa6::TPotenciaNominal() const { return text(kTPotenciaNominal); }
std::string clsEtapa6::TTensaoRede() const { return text(kTTensaoRede); }
std::string clsEtapa6::TNumeroPolos() const { return text(kTNumeroPolos); }
std::string clsEtapa6::TQuedaTensaoPartida() const { return text(kTQuedaTensaoPartida); }
std::string clsEtapa6::TTensaoNominal() const { return text(kTTensaoNominal); }
std::string clsEtapa6::TByPass() const { return text(kTByPass); }
std::string clsEtapa6::TCorrenteNominal() const { return text(kTCorrenteNominal); }
std::string clsEtapa6::TLigacaoMotor() const { return text(kTLigacaoMotor); }
std::string clsEtapa6::TTempoRotorBloqueado() const { return text(kTTempoRotorBloqueado); }
std::string clsEtapa6::TTemperatura() const { return text(kTTemperatura); }
std::string clsEtapa6::TMomentoInercia() const { return text(kTMomentoInercia); }
std::string clsEtapa6::TAltitude() const { return text(kTAltitude); }
std::string clsEtapa6::TCategoria() const { return text(kTCategoria); }
std::string clsEtapa6::Carga() const { return text(kCarga); }
std::string clsEtapa6::TAplicacao() const { return text(kTAplicacao); }
std::string clsEtapa6::TConjugadoNominal() const { return text(kTConjugadoNominal); }
std::string clsEtapa6::TNumeroPartidasHora() const { return text(kTNumeroPartidasHora); }
std::string clsEtapa6::TIntervaloEntrePartidas() const { return text(kTIntervaloEntrePartidas); }
std::string clsEtapa6::btVoltar() const { return text(kBtVoltar); }
std::string clsEtapa6::btAjuda() const { return text(kBtAjuda); }
std::string clsEtapa6::btPara() const { return text(kBtPara); }
std::string clsEtapa6::btImprimir() const { return text(kBtImprimir); }

} // namespace pelgo
