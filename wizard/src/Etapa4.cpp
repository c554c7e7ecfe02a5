#include "pelgo/wizard/Etapa4.h"

#include "pelgo/Numbers.h"
#include "pelgo/clsPelgo.h"
#include "pelgo/wizard/Conversions.h"

namespace pelgo::wizard {

namespace {
constexpr double kSecondsPerHour = 3600;
constexpr double kLeastDutyFactor = 40;
constexpr double kGreatestDutyFactor = 100;

std::string loadPointTag(int point)
{
    return "C" + std::to_string(point * 10);
}
} // namespace

Etapa4::Etapa4(const clsPelgo& record)
    : StepBase(4, record.Idioma()),
      motorInertia_(record.MomentoInercia()),
      recordLoadInertia_(record.InerciaCargaEixoMotor())
{
    status_ = logic_.Inicia(record.Idioma(), record.PotenciaKw());
    if (!started())
        return;

    for (; !logic_.EOFCarga(); logic_.NextCarga())
        loadTypes_.add(logic_.DSCarga());
    for (; !logic_.EOFUnidadeInercia(); logic_.NextUnidadeInercia())
        inertiaUnits_.add(logic_.DsUnidadeInercia());
    for (; !logic_.EOFPartidasHora(); logic_.NextPartidasHora())
        startsPerHour_.add(std::to_string(logic_.NrPartidasHora()), logic_.NrPartidasHora());
    for (; !logic_.EOFIntervaloPartidas(); logic_.NextIntervaloPartidas())
        intervalUnits_.add(logic_.DsIntervaloPartidas(), toInt32(logic_.VlSegundos()));

    // The relative unit is the last one; the default inertia is such a multiple.
    chooseInertiaUnit(inertiaUnits_.size() - 1);
    chooseIntervalUnit(0);
    chooseLoadType(1);
}

void Etapa4::chooseLoadType(int index)
{
    loadTypes_.select(index);
    if (!loadTypes_.hasSelection())
        return;
    logic_.CarregaComplement(language_, static_cast<std::int16_t>(index), motorInertia_);
    inertia = shown(logic_.InerciaEixoMotor());
    dutyFactor = std::to_string(logic_.NrFatorUtilizacao());
    remarks_ = logic_.ObsCarga();
    message_ = remarks_;
    for (int k = 0; k < kSpeedPoints; ++k)
        torquePoints[k] = shown(logic_.VlC(k));
    const std::int16_t defaultStarts = logic_.NrNumeroPartidasHora();
    const int starts = startsPerHour_.findLast([&](const std::string&, std::int16_t n) { return n == defaultStarts; });
    if (starts >= 0)
        chooseStartsPerHour(starts);
}

void Etapa4::chooseInertiaUnit(int index)
{
    inertiaUnits_.select(index);
    inertia.clear();
}

void Etapa4::chooseStartsPerHour(int index)
{
    startsPerHour_.select(index);
    // Without a unit there is nothing to express the interval in.
    if (!startsPerHour_.hasSelection() || !intervalUnits_.hasSelection())
        return;
    interval = shown(logic_.VlIntervaloPartidas(startsPerHour_.value(), toInt16(intervalUnits_.value())));
    intervalUnitShown_ = intervalUnits_.selected();
}

void Etapa4::chooseIntervalUnit(int index)
{
    intervalUnits_.select(index);
    if (!startsPerHour_.hasSelection() || !intervalUnits_.hasSelection() || index == intervalUnitShown_)
        return;
    // A text that is not a whole 16-bit number cannot be converted; it stays
    // as typed and validation reports it.
    const auto whole = parseRegionalInt16(interval);
    if (whole) {
        try {
            interval = shown(logic_.VlIntervalo(*whole, toInt16(intervalUnits_.value())));
        } catch (const OverflowError&) {
        }
    }
    intervalUnitShown_ = index;
}

LoadChart Etapa4::chart() const
{
    LoadChart chart;
    chart.fullScale = logic_.MaiorCMax() > 100 ? 120 : 100;
    for (double v = 0; v <= chart.fullScale; v += 20)
        chart.scaleValues.push_back(v);
    std::array<double, kSpeedPoints> curve{};
    for (int k = 0; k < kSpeedPoints; ++k) {
        const auto value = parseRegional(torquePoints[k]);
        if (!value)
            return chart;
        curve[k] = *value;
    }
    chart.curve = curve;
    return chart;
}

std::string Etapa4::torqueField(int point)
{
    return "fltCCN(" + std::to_string(point) + ")";
}

FieldMessage Etapa4::validate()
{
    Checks checks(language_, "CONSISTEETAPA4");
    // Lists left without a choice (their data file did not load) cannot be sized.
    checks.rule("cmbUnidadeInercia", !inertiaUnits_.hasSelection(), "MP_UNIDADEINERCIA")
        .number("txtInerciaEixoMotor", inertia, "INERCIACARGA");
    if (!checks.failed()) {
        checks.message("txtInerciaEixoMotor",
                       logic_.SetInerciaCargaEixoMotor(language_, recordLoadInertia_, inertiaUnits_.text(),
                                                       motorInertia_, logic_.InerciaEixoMotorMinima(),
                                                       logic_.InerciaEixoMotorMaxima(), regionalValue(inertia)));
    }
    checks.rule("cmbNumeroPartidasHora", !startsPerHour_.hasSelection(), "MP_NUMEROPARTIDASHORA")
        .rule("cmbUnidadeIntervaloPartidas", !intervalUnits_.hasSelection(), "MP_UNIDADEINTERVALO")
        .number("txtIntervaloPartidas", interval, "INTERVALOPARTIDA");
    if (!checks.failed()) {
        const bool tooLong =
            kSecondsPerHour / startsPerHour_.value() < regionalValue(interval) * intervalUnits_.value();
        checks.rule("txtIntervaloPartidas", tooLong, "MI_NUMEROPARTIDA");
    }
    checks.number("txtFatorUtilizacao", dutyFactor, "FATORUTILIZACAO");
    if (!checks.failed()) {
        const double duty = regionalValue(dutyFactor);
        checks.rule("txtFatorUtilizacao", duty < kLeastDutyFactor, "MF_MINIMOACEITAVEL40")
            .rule("txtFatorUtilizacao", duty > kGreatestDutyFactor, "MF_MINIMOACEITAVEL100");
    }
    for (int k = 0; k < kSpeedPoints; ++k) {
        const auto point = static_cast<std::int16_t>(k);
        checks.bandedNumber(torqueField(k), torquePoints[k], loadPointTag(k), shown(logic_.CMin(point)),
                            shown(logic_.CMax(point)));
    }
    message_ = checks.result().message;
    return checks.result();
}

void Etapa4::commit(clsPelgo& record)
{
    record.setC(joined(torquePoints.data(), torquePoints.size(), "|"));
    record.setInerciaCargaEixoMotor(logic_.InerciaCargaEixoMotor());
    record.setIntervaloParttidaSeg(regionalValue(interval) * intervalUnits_.value());
    record.setFatorUtilizacao(regionalValue(dutyFactor));
    record.setPartidasHora(startsPerHour_.value());
    record.setAplicacao(loadTypes_.text());
    record.setMomentoInerciaCarga(inertia + " " + inertiaUnits_.text());
    record.setDescIntervaloPartidas(interval + " " + intervalUnits_.text());
    record.setReferenciaAplicacao(reference);
    record.setTA_Cmax(shown(logic_.MaiorCMax()));
    record.setObservacoesImportantes(remarks_);
}

} // namespace pelgo::wizard
