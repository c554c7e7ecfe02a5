#include "pelgo/wizard/Adjustment.h"

#include "pelgo/Numbers.h"
#include "pelgo/Text.h"
#include "pelgo/clsPelgo.h"
#include "pelgo/wizard/Conversions.h"
#include "pelgo/wizard/Router.h"

namespace pelgo::wizard {

namespace {
constexpr double kGreatestPedestal = 99; // %
const std::string kPerUnit = " pu";

// The locked-rotor current ratio of the record's "6,5 pu" text, × 100.
double lockedRotorCurrentPercent(const std::string& shownWithUnit)
{
    const std::size_t length = charCount(shownWithUnit);
    const std::size_t unit = charCount(kPerUnit);
    const std::string number = leftChars(shownWithUnit, length > unit ? length - unit : 0);
    // The bound is the number the message shows: 4.1 × 100 is 409.99999999999994
    // in binary, and a typed 410 must pass.
    return regionalValue(shown(regionalValue(number) * 100));
}

std::string rangeMessage(const clsPelgo_Geral& catalogue, const std::string& tag, double bound)
{
    return catalogue.GetTextosPelgo(tag) + " " + shown(bound) + " %!";
}
} // namespace

AdjustmentStep::AdjustmentStep(int step, const std::string& language, double minimum)
    : StepBase(step, language), minimum_(minimum)
{
}

std::string AdjustmentStep::minimumText() const
{
    return shown(minimum_) + " %";
}

FieldMessage AdjustmentStep::validate()
{
    Checks checks(language_, section());
    checks.number(field(), value, tag());
    if (checks.failed())
        return checks.result();
    const double typed = regionalValue(value);
    if (typed < minimum_)
        checks.message(field(), rangeMessage(checks.catalogue(), "MF_MINIMOACEITAVEL", minimum_));
    else if (typed > maximum())
        checks.message(field(), aboveMaximum(checks.catalogue()));
    return checks.result();
}

void AdjustmentStep::commit(clsPelgo& record)
{
    store(record, regionalValue(value));
}

int AdjustmentStep::forwardScreen() const
{
    return screens::Results;
}

int AdjustmentStep::backScreen() const
{
    return screens::Results;
}

Etapa7::Etapa7(const clsPelgo& record)
    : AdjustmentStep(7, record.Idioma(), record.PedestalMinimo())
{
    status_ = logic_.Inicia(record.Idioma());
}

double Etapa7::maximum() const
{
    return kGreatestPedestal;
}

std::string Etapa7::aboveMaximum(const clsPelgo_Geral& catalogue) const
{
    return catalogue.GetTextosPelgo("MF_MAXIMOACEITAVEL90");
}

void Etapa7::store(clsPelgo& record, double accepted) const
{
    record.setNovoPedestalTensao(accepted);
}

Etapa8::Etapa8(const clsPelgo& record)
    : AdjustmentStep(8, record.Idioma(), record.LimitacaoCorrenteMinima()),
      maximum_(lockedRotorCurrentPercent(record.CorrenteRotorBloqueado()))
{
    status_ = logic_.Inicia(record.Idioma());
}

std::string Etapa8::aboveMaximum(const clsPelgo_Geral& catalogue) const
{
    return rangeMessage(catalogue, "MF_MAXIMOACEITAVEL", maximum_);
}

void Etapa8::store(clsPelgo& record, double accepted) const
{
    record.setNovaLimitacaoCorrente(accepted);
}

} // namespace pelgo::wizard
