#include "Report.h"

#include "pelgo/Text.h"

namespace pelgo::size {

namespace {

using nlohmann::json;

#define PELGO_RECORD_PROPERTIES(X)                                                                          \
    X(ObservacoesImportantes) X(LimitacaoCorrente) X(TempoAceleracaoRampaTensao)                              \
    X(TempoAceleracaoLimitacaoCorrente) X(CorrenteEficazLimitacaoCorrente) X(CorrenteEficazRampaTensao)       \
    X(PedestalTensao) X(NrReferenciaLimitacaoCorrente) X(NrReferenciaRampaTensao) X(DisponivelRampaTensao)    \
    X(DisponivelLimitacaoCorrente) X(SessionTempoAceleracaoLimitacaoCorrente)                                 \
    X(ConjugadoEscalaLimitacaoCorrente) X(ConjugadoTarvoLimitacaoCorrente) X(TensaoLimitacaoCorrente)         \
    X(CorrenteTensaoReduzidaLimitacaoCorrente) X(ConjugadoEscalaRampaTensao)                                  \
    X(SessionTempoAceleracaoRampaTensao) X(ConjugadoTarvoRampaTensao) X(TensaoRampaTensao)                    \
    X(CorrenteTensaoReduzidaRampaTensao) X(LimitacaoCorrenteMinima) X(NovaLimitacaoCorrente)                  \
    X(NovoPedestalTensao) X(PedestalMinimo) X(PesoTarvoLimitacaoCorrente) X(ProfundidadeTarvoLimitacaoCorrente) \
    X(LarguraTarvoLimitacaoCorrente) X(AlturaTarvoLimitacaoCorrente) X(CorrenteSaidaTarvoLimitacaoCorrente)   \
    X(ModeloLimitacaoCorrenteTarvo) X(ModeloLimitacaoCorrenteTarvo06) X(PesoTarvoRampaTensao)                 \
    X(ProfundidadeTarvoRampaTensao) X(LarguraTarvoRampaTensao) X(AlturaTarvoRampaTensao)                      \
    X(CorrenteSaidaTarvoRampaTensao) X(ModeloRampaTensaoTarvo) X(ModeloRampaTensaoTarvo06) X(TA_Cmax)         \
    X(ReferenciaAplicacao) X(TipoMotor) X(descIntervaloPartidas) X(MomentoInerciaCarga) X(Aplicacao)          \
    X(CorrenteRotorBloqueado) X(ConjugadoMaximo) X(ConjugadoRotorBloqueado) X(descMomentoInercia)             \
    X(QuedaTensaoPartida) X(PotenciaNominal) X(Altitude) X(Temperatura) X(descLigacaoMotor) X(descByPass)     \
    X(TensaoRedeTrifasica) X(TensaoComando) X(PartidasHora) X(LigacaoMotor) X(FatorServico) X(ByPass)         \
    X(FatorUtilizacao) X(IntervaloParttidaSeg) X(TempoRotorBloqueado) X(CorrenteNominal)                      \
    X(ConjugadoNominalMotor) X(InerciaCargaEixoMotor) X(IIn) X(C) X(QuedaTensao) X(CCn) X(Altitudem)          \
    X(TemperaturaC) X(MomentoInercia) X(Carcaca) X(ConjugadoNominalMotorTela) X(TensaoNominal) X(PotenciaKw)  \
    X(PotenciaCV) X(Polaridade) X(CdProduto) X(Categoria) X(Frequencia) X(Mercado) X(Norma) X(Titulo)         \
    X(Idioma)

json methodJson(const wizard::MethodResult& m)
{
    return {
        {"available", m.available},
        {"model", m.model},
        {"model_tarvo06", m.modelTarvo06},
        {"reference", m.reference},
        {"reference_tarvo06", m.referenceTarvo06},
        {"reference_number", m.referenceNumber},
        {"setting_percent", m.setting},
        {"time_s", m.time},
        {"rms_current_a", m.rmsCurrent},
        {"savings_available", m.savingsAvailable},
        {"dissipated_power_difference_kw", m.dissipatedPowerDifference},
    };
}

json linesJson(const std::vector<wizard::SummaryLine>& lines)
{
    json out = json::array();
    for (const auto& line : lines)
        out.push_back({{"caption", line.caption}, {"value", line.value}});
    return out;
}

const char* kindName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Sized:
        return "sized";
    case Outcome::BadCase:
        return "case";
    case Outcome::Invalid:
        return "invalid";
    case Outcome::SizingFailed:
        return "sizing";
    case Outcome::DataFault:
        return "data";
    }
    return "case";
}

void appendLines(std::string& out, const std::string& title, const std::vector<wizard::SummaryLine>& lines)
{
    out += "  " + title + "\n";
    for (const auto& line : lines)
        out += "    " + line.caption + line.value + "\n";
}

} // namespace

json recordJson(const clsPelgo& record)
{
    json out = json::object();
#define PELGO_RECORD_TO_JSON(Name) out[#Name] = record.Name();
    PELGO_RECORD_PROPERTIES(PELGO_RECORD_TO_JSON)
#undef PELGO_RECORD_TO_JSON
    return out;
}

json resultJson(const CaseResult& result)
{
    if (result.outcome != Outcome::Sized) {
        json error = {{"kind", kindName(result.outcome)}, {"message", result.message}};
        if (!result.field.empty())
            error["field"] = result.field;
        return {{"ok", false}, {"error", error}};
    }
    return {
        {"ok", true},
        {"results", {{"voltage_ramp", methodJson(result.ramp)}, {"current_limit", methodJson(result.currentLimit)}}},
        {"summary",
         {{"motor", linesJson(result.summary.motor)},
          {"installation", linesJson(result.summary.installation)},
          {"load", linesJson(result.summary.load)}}},
        {"record", recordJson(result.record)},
    };
}

std::string resultText(const CaseResult& result)
{
    const ResultTexts& t = result.texts;
    std::string out = result.record.Titulo() + "  " + t.date + "\n\n" + t.title + "\n";
    const auto method = [&](const std::string& title, const std::string& settingCaption,
                            const wizard::MethodResult& m) {
        out += "  " + title + "\n";
        out += "    " + t.model + ": " + m.model + "\n";
        if (!m.modelTarvo06.empty())
            out += "    " + std::string(charCount(t.model) + 2, ' ') + m.modelTarvo06 + "\n";
        out += "    - " + settingCaption + ": " + m.settingText() + "\n";
        out += "    - " + t.time + ": " + m.timeText() + "\n";
        out += "    - " + t.rmsCurrent + ": " + m.rmsCurrentText() + "\n";
    };
    method(t.rampTitle, t.pedestal, result.ramp);
    method(t.limitTitle, t.currentLimit, result.currentLimit);
    out += "\n" + t.summaryTitle + "\n";
    appendLines(out, t.motor, result.summary.motor);
    appendLines(out, t.installation, result.summary.installation);
    appendLines(out, t.load, result.summary.load);
    return out;
}

std::string errorText(const CaseResult& result)
{
    return result.field.empty() ? result.message : result.field + ": " + result.message;
}

} // namespace pelgo::size
