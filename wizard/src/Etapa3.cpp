#include "pelgo/wizard/Etapa3.h"

#include "pelgo/Numbers.h"
#include "pelgo/clsPelgo.h"
#include "pelgo/wizard/Conversions.h"

namespace pelgo::wizard {

namespace {
const std::string kPerUnit = " pu";

// Validation tags of the grid: CCN0, CCN10 ... CCN100 and IIN0 ... IIN100.
std::string pointTag(const std::string& prefix, int point)
{
    return prefix + std::to_string(point * 10);
}
} // namespace

Etapa3::Etapa3(const clsPelgo& record)
    : StepBase(3, record.Idioma()),
      standard_(record.Norma()),
      poles_(record.Polaridade()),
      powerCv_(record.PotenciaCV()),
      frame_(record.Carcaca()),
      category_(record.Categoria()),
      ratedTorqueShown_(record.ConjugadoNominalMotorTela())
{
    status_ = logic_.Inicia(record.Idioma(), record.Frequencia(), record.Categoria(), record.CdProduto(),
                            record.Polaridade(), record.PotenciaKw(), record.Mercado(), record.Norma(),
                            record.PotenciaCV(), record.Carcaca());
    if (!started())
        return;
    estimateWith(logic_.vl_max_cn(), logic_.vl_cp_cn(), logic_.vl_ipin());
    lockedRotorTorque = shown(logic_.vl_cp_cn());
    breakdownTorque = shown(logic_.vl_max_cn());
    lockedRotorCurrent = shown(logic_.vl_ipin());
}

std::string Etapa3::ratedTorqueText() const
{
    return shown(ratedTorqueShown_) + " " + logic_.UnidadeConjugadoNominal();
}

void Etapa3::estimate()
{
    const auto cp = parseRegional(lockedRotorTorque);
    const auto cmax = parseRegional(breakdownTorque);
    const auto ip = parseRegional(lockedRotorCurrent);
    if (cp && cmax && ip)
        estimateWith(*cmax, *cp, *ip);
}

void Etapa3::estimateWith(double breakdown, double lockedTorque, double lockedCurrent)
{
    // The estimate divides by each of the three; it is only made for real motors.
    if (breakdown <= 0 || lockedTorque <= 0 || lockedCurrent <= 0)
        return;
    logic_.EstimarTabela(standard_, poles_, powerCv_, frame_, category_, breakdown, lockedTorque, lockedCurrent);
    for (int i = 0; i < kSpeedPoints; ++i) {
        torquePoints[i] = shown(logic_.CCnByIndex(static_cast<std::int16_t>(i)));
        currentPoints[i] = shown(logic_.IInByIndex(static_cast<std::int16_t>(i)));
    }
}

std::optional<MotorCurves> Etapa3::chartCurves() const
{
    MotorCurves curves;
    for (int i = 0; i < kSpeedPoints; ++i) {
        const auto torque = parseRegional(torquePoints[i]);
        const auto current = parseRegional(currentPoints[i]);
        if (!torque || !current)
            return std::nullopt;
        curves.torque[i] = *torque;
        curves.current[i] = *current;
    }
    return curves;
}

std::string Etapa3::torqueField(int point)
{
    return "txtCCN(" + std::to_string(point) + ")";
}

std::string Etapa3::currentField(int point)
{
    return "txtIIN(" + std::to_string(point) + ")";
}

FieldMessage Etapa3::validate()
{
    Checks checks(language_, "CONSISTEETAPA3");
    checks.number("txtConjugadoRotorBloqueado", lockedRotorTorque, "CONJUGADOROTORBLOQUEADO", shown(0.2), shown(4))
        .number("txtConjugadoMaximo", breakdownTorque, "CONJUNTOMAXIMO", shown(0.2), shown(4))
        .number("txtCorrenteRotorBloqueado", lockedRotorCurrent, "CORRENTEROTORBLOQUEADO", shown(2), shown(10));
    for (int i = 0; i < kSpeedPoints; ++i) {
        checks.number(torqueField(i), torquePoints[i], pointTag("CCN", i))
            .number(currentField(i), currentPoints[i], pointTag("IIN", i));
    }
    return checks.result();
}

void Etapa3::commit(clsPelgo& record)
{
    record.setCCn(joined(torquePoints.data(), torquePoints.size(), "|"));
    record.setIIn(joined(currentPoints.data(), currentPoints.size(), "|"));
    record.setConjugadoRotorBloqueado(lockedRotorTorque + kPerUnit);
    record.setConjugadoMaximo(breakdownTorque + kPerUnit);
    record.setCorrenteRotorBloqueado(lockedRotorCurrent + kPerUnit);
}

} // namespace pelgo::wizard
