#include "pelgo/DeviceRules.h"

#include "pelgo/DeviceCatalogue.h"
#include "pelgo/Numbers.h"
#include "pelgo/clsPelgo_Geral.h"

#include <cmath>
#include <limits>
#include <optional>

namespace pelgo {

namespace {

// Families 3 and 4 serve motors from and below this current.
constexpr double kHeavyDutyCurrent = 90;
// A device may carry at most this multiple of its rating during the start.
constexpr double kMaxStartMultiple = 4.5;
// The Tarvo06 line starts above this reference current.
constexpr double kTarvo06Threshold = 46;
constexpr std::int16_t kTarvo06TemperatureFrom = 41;
// With the standard connection, family-3 references below this go to family 4
// with an 8 % margin.
constexpr double kStandardConnectionLimit = 78;
constexpr double kStandardConnectionMargin = 1.08;
// The compact family's largest model, which family 4 replaces when it is
// below the motor current.
constexpr double kCompactLargest = 85;
// Family 4 does not serve motors below this current.
constexpr double kFamily4Smallest = 6;

// The first estimate of a family: the device current during the start over
// its overload capability. A starts-per-hour factor that is not positive
// (very frequent starts) means the family cannot serve the duty at all: the
// requirement is unbounded and no model will qualify.
double perOverload(double startCurrent, double capability)
{
    return capability > 0 ? startCurrent / capability : std::numeric_limits<double>::infinity();
}

// The corrections every first estimate gets: at least the cycle rms current,
// derated, and at most 4.5 times the rating during the start.
double corrected(double estimate, std::int16_t number, const ReferenceCurrent& start, const DutyInputs& duty)
{
    const double In = duty.ratedCurrent;
    double R = estimate;
    if (start.cycleRms * In > R)
        R = start.cycleRms * In;
    if (number != 5 || duty.derating > 0)
        R = R / duty.derating;
    if (start.deviceStart * In > kMaxStartMultiple * R)
        R = start.deviceStart * In / kMaxStartMultiple;
    return R;
}

double tarvo06Reference(const ReferenceCurrent& last, double t, const DutyInputs& duty)
{
    const double In = duty.ratedCurrent;
    double R6 = 0;
    if (In >= kHeavyDutyCurrent)
        R6 = perOverload(last.deviceStart * In, fatorF3(duty.startsPerHour) * fatorK3(t));
    if (last.cycleRms * In > R6)
        R6 = last.cycleRms * In;
    R6 = R6 / duty.derating;
    if (last.deviceStart * In > kMaxStartMultiple * R6)
        R6 = last.deviceStart * In / kMaxStartMultiple;

    if (R6 < kTarvo06Threshold || last.number == 5)
        return 0;
    if (duty.temperatureC >= kTarvo06TemperatureFrom)
        if (const std::optional<double> factor = temperatureFactor(duty.temperatureC))
            R6 = R6 * *factor;
    // With a by-pass the line's own contactor carries the running current.
    if (duty.byPass == 0 && In > R6)
        R6 = In;
    return R6;
}

std::string referenceText(const std::string& label, double current)
{
    const std::string amount = std::isfinite(current) ? formatNumber(roundHalfEven(current, 2)) : "\u221E";
    return label + ": " + amount + " A";
}

} // namespace

double fatorK3(double t)
{
    if (40 <= t && t <= 60)
        return 3.5 - 0.025 * t;
    if (t >= 30)
        return 4.5 - 0.05 * t;
    if (t >= 5)
        return 4.2 - 0.04 * t;
    return 5.25 - 0.25 * t;
}

double fatorK4(double t)
{
    if (26 <= t && t <= 40)
        return 3.42848 - 0.035712 * t;
    if (t >= 20)
        return 4.6666666 - 0.0833333 * t;
    if (t >= 3.5)
        return 4.212121 - 0.060606 * t;
    return 5.16666666 - 0.3333333 * t;
}

double fatorK5(double t, double loadAtStandstill, double intervalSeconds)
{
    if (loadAtStandstill <= 0.2 && intervalSeconds >= 900 && 0 < t && t <= 12)
        return 5.1 - 0.2 * t;
    return 0;
}

double fatorF3(std::int16_t startsPerHour)
{
    return 1.322222 - 0.032222 * startsPerHour;
}

double fatorF4(std::int16_t startsPerHour)
{
    return 1.222222 - 0.022222 * startsPerHour;
}

ReferenceCurrent CalculaCorrenteReferencia(StartMethod method, double t, double Irms, const DutyInputs& duty,
                                           const ReferenceCurrent& previous)
{
    const double In = duty.ratedCurrent;
    const double cycle = duty.intervalSeconds >= t ? duty.intervalSeconds : t + duty.intervalSeconds;
    const double running = duty.dutyFactor / 100 * cycle - t;
    const double runningLoad = duty.loadTorque10 / 100 >= 0.9 ? duty.loadTorque10 / 100 : 0.9;
    const double runningCurrent = runningLoad * duty.byPass * duty.serviceFactor / duty.connection;

    ReferenceCurrent result;
    result.deviceStart = Irms / duty.connection;
    result.cycleRms = std::sqrt((runningCurrent * runningCurrent * running
                                 + result.deviceStart * result.deviceStart * t)
                                / cycle);

    double k3 = 0;
    double k4 = 0;
    double k5 = 0;
    if (In >= kHeavyDutyCurrent) {
        k3 = fatorK3(t);
    } else {
        if (method == StartMethod::RampaTensao)
            k5 = fatorK5(t, duty.loadTorque0 / 100 / duty.motorTorque0, duty.intervalSeconds);
        k4 = fatorK4(t);
    }

    const double startCurrent = result.deviceStart * In;
    double estimate = 0;
    if (k3 != 0) {
        result.number = 3;
        estimate = perOverload(startCurrent, fatorF3(duty.startsPerHour) * k3);
    } else if (k5 != 0) {
        result.number = 5;
        estimate = startCurrent / k5;
    } else if (k4 != 0) {
        result.number = 4;
        estimate = perOverload(startCurrent, fatorF4(duty.startsPerHour) * k4);
    } else {
        result.current = previous.current;
        result.number = previous.number;
        return result;
    }
    result.current = corrected(estimate, result.number, result, duty);
    return result;
}

double family4Reference(double t, const ReferenceCurrent& start, const DutyInputs& duty)
{
    const double estimate = perOverload(start.deviceStart * duty.ratedCurrent, fatorF4(duty.startsPerHour) * fatorK4(t));
    return corrected(estimate, 4, start, duty);
}

void CalculaPotenciaDissipada(std::int16_t number, std::int16_t Ic, std::int16_t I6, DeviceSelection& selection)
{
    selection.economyAvailable = selection.available06 && selection.available;
    // A model that was not found has no entry to compare.
    if (Ic == 0 || I6 == 0)
        return;
    const DissipatedPowerTable table;
    const std::optional<double> chosen = table.watts(dissipatedPowerName(number, Ic));
    if (!chosen)
        return;
    const std::optional<double> tarvo06 = table.watts(dissipatedPowerName(DeviceCatalogue::kTarvo06, I6));
    if (!tarvo06)
        return;
    selection.economyAvailable = true;
    selection.powerDifference = (*chosen - *tarvo06) / 1000;
}

DeviceSelection SelecionaModelos(StartMethod method, double best, const ReferenceCurrent& last, double t,
                                 const DutyInputs& duty, const std::string& language)
{
    const double In = duty.ratedCurrent;
    DeviceSelection selection;
    selection.reference06 = tarvo06Reference(last, t, duty);

    std::int16_t number = last.number;
    if (duty.connection == 1 && number == 3 && best < kStandardConnectionLimit) {
        number = 4;
        best = best * kStandardConnectionMargin;
    }

    std::int16_t Ic = 0;
    std::int16_t I6 = 0;
    std::optional<DeviceModel> chosen;
    if (!(In < kFamily4Smallest && number == 4)) {
        const DeviceCatalogue catalogue(duty.controlVoltage, duty.supplyVoltage);
        if (selection.reference06 != 0)
            if (const auto model06 = firstRatedAtLeast(catalogue.tarvo06(), selection.reference06)) {
                selection.model06 = model06->designation;
                selection.available06 = true;
                I6 = toInt16(model06->current);
            }

        // Families 4 and 5 fall back to the heavy-duty family 3 when they
        // offer nothing for the supply voltage or nothing large enough.
        for (;;) {
            const auto models = catalogue.family(number);
            const std::optional<DeviceModel> found = models ? firstRatedAtLeast(*models, best) : std::nullopt;
            if (!found) {
                if (number == 4 || number == 5) {
                    number = 3;
                    continue;
                }
                break;
            }
            // A compact model below the motor current is no choice: its 85 A
            // model gives way to family 4, a smaller one to a compact model
            // rated for the motor current.
            if (method == StartMethod::RampaTensao && number == 5 && found->current < In) {
                if (found->current == kCompactLargest) {
                    number = 4;
                    best = family4Reference(t, last, duty);
                } else {
                    best = In;
                }
                continue;
            }
            chosen = found;
            break;
        }
    }

    clsPelgo_Geral texts;
    texts.CarregaXML(language, "ETAPA6");
    if (chosen) {
        selection.model = chosen->designation;
        selection.current = chosen->current;
        selection.height = chosen->height;
        selection.width = chosen->width;
        selection.depth = chosen->depth;
        selection.weight = chosen->weight;
        selection.number = number;
        selection.available = true;
        Ic = toInt16(chosen->current);
    } else {
        selection.model = texts.GetTextosPelgo("NAODISPONIVEL");
        selection.available = false;
    }

    const std::string label = texts.GetTextosPelgo("REFERENCIA");
    selection.referenceText = referenceText(label, best);
    selection.referenceText06 = referenceText(label, selection.reference06);

    CalculaPotenciaDissipada(number, Ic, I6, selection);
    return selection;
}

} // namespace pelgo
