#include "pelgo/wizard/Etapa6.h"

#include "pelgo/clsPelgo.h"
#include "pelgo/wizard/Conversions.h"
#include "pelgo/wizard/Router.h"

namespace pelgo::wizard {

namespace {
constexpr double kAutomaticPedestal = 0.25;     // pu of rated voltage
constexpr double kAutomaticCurrentLimit = 2.0;  // pu of rated current

// Item `index` of a "|" list, "" when the list is shorter.
std::string listItem(const std::string& list, std::size_t index)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        start = list.find('|', start);
        if (start == std::string::npos)
            return "";
        ++start;
    }
    return list.substr(start, list.find('|', start) - start);
}

std::string caption(const std::string& text)
{
    return text + ": ";
}
} // namespace

std::string MethodResult::settingText() const { return shown(setting) + " %"; }
std::string MethodResult::timeText() const { return shown(time) + " s"; }
std::string MethodResult::rmsCurrentText() const { return shown(rmsCurrent) + " A"; }

Etapa6::Etapa6(clsPelgo& record)
    : language_(record.Idioma())
{
    engine_.Inicia(record.Idioma());
    const bool userPedestal = record.NovoPedestalTensao() != 0;
    const bool rampSized = engine_.DimensionamentoRampaTensao(
        userPedestal, record.Idioma(), record.TemperaturaC(), record.Altitudem(),
        userPedestal ? record.NovoPedestalTensao() / 100 : kAutomaticPedestal, record.CCn(), record.QuedaTensao(),
        record.C(), record.ConjugadoNominalMotor(), record.IIn(), record.Frequencia(), record.Polaridade(),
        record.MomentoInercia(), record.InerciaCargaEixoMotor(), record.CorrenteNominal(),
        record.TempoRotorBloqueado(), record.IntervaloParttidaSeg(), record.FatorUtilizacao(), record.ByPass(),
        record.FatorServico(), record.LigacaoMotor(), record.PartidasHora(), record.TensaoComando(),
        record.TensaoRedeTrifasica());
    if (!rampSized) {
        status_ = 1;
        return;
    }
    const bool userLimit = record.NovaLimitacaoCorrente() != 0;
    const bool limitSized = engine_.DimensionamentoTensaoCorrente(
        userLimit, record.Idioma(), userLimit ? record.NovaLimitacaoCorrente() / 100 : kAutomaticCurrentLimit,
        record.CCn(), record.C(), record.IIn(), record.QuedaTensao(), record.ConjugadoNominalMotor(),
        record.Frequencia(), record.Polaridade(), record.MomentoInercia(), record.InerciaCargaEixoMotor(),
        record.TempoRotorBloqueado(), record.CorrenteNominal(), record.IntervaloParttidaSeg(),
        record.FatorUtilizacao(), record.ByPass(), record.FatorServico(), record.LigacaoMotor(),
        record.PartidasHora(), record.TemperaturaC(), record.Altitudem(), record.TensaoComando(),
        record.TensaoRedeTrifasica());
    if (!limitSized) {
        status_ = 1;
        return;
    }
    copyResults(record);
}

void Etapa6::copyResults(clsPelgo& record) const
{
    const clsEtapa6& e = engine_;
    record.setCorrenteTensaoReduzidaRampaTensao(e.CorrenteTensaoReduzidaRampaTensao());
    record.setTensaoRampaTensao(e.TensaoRampaTensao());
    record.setSessionTempoAceleracaoRampaTensao(e.TempoAceleracaoRampaTensaoN());
    record.setConjugadoTarvoRampaTensao(e.ConjugadoTarvoRampaTensao());
    record.setConjugadoEscalaRampaTensao(e.ConjugadoEscalaRampaTensao());
    record.setCorrenteTensaoReduzidaLimitacaoCorrente(e.CorrenteTensaoReduzidaLimitacaoCorrente());
    record.setTensaoLimitacaoCorrente(e.TensaoLimitacaoCorrente());
    record.setConjugadoTarvoLimitacaoCorrente(e.ConjugadoTarvoLimitacaoCorrente());
    record.setConjugadoEscalaLimitacaoCorrente(e.ConjugadoEscalaLimitacaoCorrente());
    record.setSessionTempoAceleracaoLimitacaoCorrente(e.SessionTempoAceleracaoLimitacaoCorrente());
    record.setDisponivelLimitacaoCorrente(e.DisponivelLimitacaoCorrente());
    record.setDisponivelRampaTensao(e.DisponivelRampaTensao());
    record.setNrReferenciaLimitacaoCorrente(std::to_string(e.NrReferenciaLimitacaoCorrente()));
    record.setNrReferenciaRampaTensao(std::to_string(e.NrReferenciaRampaTensao()));

    record.setModeloRampaTensaoTarvo(e.ModeloTarvoRampaTensao());
    record.setCorrenteSaidaTarvoRampaTensao(e.CorrenteSaidaTarvoRampaTensao());
    record.setPedestalTensao(e.PedestalTensao());
    record.setAlturaTarvoRampaTensao(e.AlturaTarvoRampaTensao());
    record.setLarguraTarvoRampaTensao(e.LarguraTarvoRampaTensao());
    record.setProfundidadeTarvoRampaTensao(e.ProfundidadeTarvoRampaTensao());
    record.setPesoTarvoRampaTensao(e.PesoTarvoRampaTensao());
    record.setCorrenteEficazRampaTensao(e.CorrenteEficazPartidaRampaTensao());
    record.setTempoAceleracaoRampaTensao(e.TempoAceleracaoRampaTensao());

    record.setModeloLimitacaoCorrenteTarvo(e.ModeloTarvoLimitacaoCorrente());
    record.setCorrenteSaidaTarvoLimitacaoCorrente(e.CorrenteSaidaTarvoLimitacaoCorrente());
    record.setAlturaTarvoLimitacaoCorrente(e.AlturaTarvoLimitacaoCorrente());
    record.setLarguraTarvoLimitacaoCorrente(e.LarguraTarvoLimitacaoCorrente());
    record.setProfundidadeTarvoLimitacaoCorrente(e.ProfundidadeTarvoLimitacaoCorrente());
    record.setPesoTarvoLimitacaoCorrente(e.PesoTarvoLimitacaoCorrente());
    record.setCorrenteEficazLimitacaoCorrente(e.CorrenteEficazPartidaLimitacaoCorrente());
    record.setTempoAceleracaoLimitacaoCorrente(e.TempoAceleracaoLimitacaoCorrente());
    record.setLimitacaoCorrente(e.LimitacaoCorrente());

    // The least values the adjustment screens accept come from the automatic
    // search only; a sizing from the user's own value keeps the earlier ones.
    if (record.NovoPedestalTensao() == 0)
        record.setPedestalMinimo(e.PedestalMinimo());
    if (record.NovaLimitacaoCorrente() == 0)
        record.setLimitacaoCorrenteMinima(e.LimitacaoCorrenteMinimo());

    record.setModeloRampaTensaoTarvo06(e.ModeloRampaTensaoTarvo06());
    record.setModeloLimitacaoCorrenteTarvo06(e.ModeloLimitacaoCorrenteTarvo06());
}

MethodResult Etapa6::ramp() const
{
    const clsEtapa6& e = engine_;
    MethodResult r;
    r.available = e.DisponivelRampaTensao();
    r.model = e.ModeloTarvoRampaTensao();
    r.modelTarvo06 = e.ModeloRampaTensaoTarvo06();
    r.reference = e.ReferenciaRampaTensao();
    r.referenceTarvo06 = e.ReferenciaRampaTensaoTarvo06();
    r.referenceNumber = e.NrReferenciaRampaTensao();
    r.setting = e.PedestalTensao();
    r.time = e.TempoAceleracaoRampaTensao();
    r.rmsCurrent = e.CorrenteEficazPartidaRampaTensao();
    r.savingsAvailable = e.DisponivelCalculoEconomiaRampaTensao();
    r.dissipatedPowerDifference = e.DiferencaPotenciaDissipadaRampaTensao();
    return r;
}

MethodResult Etapa6::currentLimit() const
{
    const clsEtapa6& e = engine_;
    MethodResult r;
    r.available = e.DisponivelLimitacaoCorrente();
    r.model = e.ModeloTarvoLimitacaoCorrente();
    r.modelTarvo06 = e.ModeloLimitacaoCorrenteTarvo06();
    r.reference = e.ReferenciaLimitacaoCorrente();
    r.referenceTarvo06 = e.ReferenciaLimitacaoCorrenteTarvo06();
    r.referenceNumber = e.NrReferenciaLimitacaoCorrente();
    r.setting = e.LimitacaoCorrente();
    r.time = e.TempoAceleracaoLimitacaoCorrente();
    r.rmsCurrent = e.CorrenteEficazPartidaLimitacaoCorrente();
    r.savingsAvailable = e.DisponivelCalculoEconomiaLimitacaoCorrente();
    r.dissipatedPowerDifference = e.DiferencaPotenciaDissipadaLimitacaoCorrente();
    return r;
}

DataSummary Etapa6::summary(const clsEtapa6& t, const clsPelgo& record)
{
    DataSummary s;
    s.motor = {
        {caption(t.TPotenciaNominal()), record.PotenciaNominal()},
        {caption(t.TNumeroPolos()), std::to_string(record.Polaridade())},
        {caption(t.TTensaoNominal()), std::to_string(record.TensaoNominal()) + " V"},
        {caption(t.TCorrenteNominal()), shown(record.CorrenteNominal()) + " A"},
        {caption(t.TTempoRotorBloqueado()), shown(record.TempoRotorBloqueado()) + " s"},
        {caption(t.TMomentoInercia()), record.descMomentoInercia()},
        {caption(t.TCategoria()), record.Categoria()},
        {"Cp/Cn : ", record.ConjugadoRotorBloqueado()},
        {"Cmax/Cn : ", record.ConjugadoMaximo()},
        {"Ip/In : ", record.CorrenteRotorBloqueado()},
    };
    s.installation = {
        {caption(t.TTensaoRede()), std::to_string(record.TensaoRedeTrifasica()) + " V"},
        {caption(t.TQuedaTensaoPartida()), record.QuedaTensaoPartida()},
        {caption(t.TByPass()), record.descByPass()},
        {caption(t.TLigacaoMotor()), record.descLigacaoMotor()},
        {caption(t.TTemperatura()), record.Temperatura()},
        {caption(t.TAltitude()), record.Altitude()},
    };
    s.load = {
        {caption(t.TAplicacao()), record.Aplicacao()},
        {caption(t.TConjugadoNominal()), listItem(record.C(), 10) + " %"},
        {caption(t.TMomentoInercia()), record.MomentoInerciaCarga()},
        {caption(t.TNumeroPartidasHora()), std::to_string(record.PartidasHora())},
        {caption(t.TIntervaloEntrePartidas()), record.descIntervaloPartidas()},
    };
    return s;
}

int Etapa6::newPedestalScreen() { return screens::NewPedestal; }
int Etapa6::newCurrentLimitScreen() { return screens::NewCurrentLimit; }
int Etapa6::rampGraphsScreen() { return screens::RampGraphs; }
int Etapa6::currentLimitGraphsScreen() { return screens::CurrentLimitGraphs; }
int Etapa6::printScreen() { return screens::ReportFromResults; }

int Etapa6::parametersScreen() const
{
    return wizard::parametersScreen(engine_.NrReferenciaRampaTensao());
}

int Etapa6::back(clsPelgo& record)
{
    record.setNovoPedestalTensao(0);
    record.setNovaLimitacaoCorrente(0);
    return 5;
}

int Etapa6::startAgain(clsPelgo& record)
{
    record.setNovoPedestalTensao(0);
    record.setNovaLimitacaoCorrente(0);
    return 1;
}

std::string Etapa6::helpPage() const
{
    return wizard::helpPage("Etapa6", language_);
}

} // namespace pelgo::wizard
