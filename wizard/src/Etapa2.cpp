#include "pelgo/wizard/Etapa2.h"

#include "pelgo/DataError.h"
#include "pelgo/Numbers.h"
#include "pelgo/clsPelgo.h"
#include "pelgo/wizard/Conversions.h"

namespace pelgo::wizard {

Etapa2::Etapa2(const clsPelgo& record)
    : StepBase(2, record.Idioma()), powerKw_(record.PotenciaKw()), ratedVoltage_(record.TensaoNominal())
{
    status_ = logic_.Inicia(record.Idioma(), record.Mercado(), record.Frequencia(), record.Categoria(),
                            record.CdProduto(), record.Polaridade(), record.PotenciaKw(), record.TensaoNominal());
    if (!started())
        return;

    powerFactor = shown(logic_.FatorPotencia());
    efficiency = shown(logic_.Rendimento());
    ratedCurrent = shown(logic_.CorrenteNominal());
    if (motorFound()) {
        lockedRotorTime = shown(logic_.TempoRotorBloqueado());
        inertia = shown(logic_.InerciaMultiplicador() * logic_.MomentoInercia());
    }
    inertiaUnit_ = logic_.UnidadeInercia();

    for (std::int16_t i = 0; !logic_.EOFFatorServico(); logic_.NextFatorServico(), ++i)
        serviceFactors_.add(shown(logic_.VlFatorServico()), {logic_.VlFatorServico(), logic_.euByIndex(i) == "S"});
    for (std::int16_t i = 0; i <= kAnswerNo; ++i)
        answers_.add(logic_.strEU(i));
    if (!serviceFactors_.empty())
        chooseServiceFactor(0);
}

void Etapa2::chooseServiceFactor(int index)
{
    serviceFactors_.select(index);
    answerVisible_ = serviceFactors_.value().ask;
    if (answerVisible_)
        answers_.select(kAnswerPrompt);
}

void Etapa2::chooseAnswer(int index)
{
    answers_.select(index);
    if (index == kAnswerNo) {
        answerVisible_ = false;
        chooseServiceFactor(0);
    }
}

void Etapa2::leavePowerFactor()
{
    const auto typed = parseRegional(powerFactor);
    if (typed && *typed != logic_.FatorPotencia())
        recomputeCurrent();
}

void Etapa2::leaveEfficiency()
{
    const auto typed = parseRegional(efficiency);
    if (typed && *typed != logic_.Rendimento())
        recomputeCurrent();
}

void Etapa2::recomputeCurrent()
{
    const auto fp = parseRegional(powerFactor);
    const auto n = parseRegional(efficiency);
    // A zero would divide by zero; validation reports such a value later.
    if (!fp || !n || *fp == 0 || *n == 0 || ratedVoltage_ == 0)
        return;
    ratedCurrent = shown(logic_.CalculoCorrenteNominal(powerKw_, ratedVoltage_, *fp, *n));
}

double Etapa2::serviceFactorInUse() const
{
    const ServiceFactor& chosen = serviceFactors_.value();
    if (chosen.factor == 1)
        return 1;
    return answers_.selected() == kAnswerYes ? chosen.factor : 1;
}

FieldMessage Etapa2::validate()
{
    Checks checks(language_, "CONSISTEETAPA2");
    checks.number("txtFatorPotencia", powerFactor, "FATORPOTENCIA", shown(0.4), shown(0.99))
        .number("txtRendimento", efficiency, "RENDIMENTO", shown(45), shown(99));
    if (checks.failed())
        return checks.result();

    // The rated current may differ from the one computed from the typed power
    // factor and efficiency by -10 % to +20 %.
    std::string min, max;
    if (parseRegional(ratedCurrent)) {
        const double computed = logic_.CalculoCorrenteNominal(powerKw_, ratedVoltage_, regionalValue(powerFactor),
                                                              regionalValue(efficiency));
        min = shown(0.9 * computed);
        max = shown(1.2 * computed);
    }
    checks.number("txtCorrenteNominal", ratedCurrent, "CORRENTENOMINAL", min, max)
        .number("txtTempoRotorBloqueado", lockedRotorTime, "TEMPOROTORBLOQUEADO", shown(2), shown(91))
        .number("txtMomentoInerciaJ", inertia, "MOMENTOINERCIA");
    const bool unanswered = serviceFactors_.value().factor != 1 && answers_.selected() == kAnswerPrompt;
    checks.rule("cmbeu", unanswered, "MR_FATORSERVICO");
    return checks.result();
}

void Etapa2::commit(clsPelgo& record)
{
    const double multiplier = logic_.InerciaMultiplicador();
    if (multiplier == 0)
        throw DataError("Padrao_Mercado.xml", "inercia_multiplicador of the market is missing or 0");
    record.setFatorServico(serviceFactorInUse());
    record.setMomentoInercia(regionalValue(inertia) / multiplier);
    record.setCarcaca(logic_.Carcaca());
    record.setConjugadoNominalMotorTela(logic_.ConjugadoNominalMotorTela());
    record.setConjugadoNominalMotor(logic_.ConjugadoNominalMotor());
    record.setCorrenteNominal(regionalValue(ratedCurrent));
    record.setTempoRotorBloqueado(regionalValue(lockedRotorTime));
    record.setDescMomentoInercia(inertia + " " + inertiaUnit_);
}

} // namespace pelgo::wizard
