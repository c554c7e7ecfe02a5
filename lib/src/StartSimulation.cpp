#include "pelgo/StartSimulation.h"

#include "pelgo/DataError.h"
#include "pelgo/Numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace pelgo {

namespace {

constexpr int kSpeedSteps = 10;
constexpr double kSettingStep = 0.01;

// Where the two starting methods differ; everything else of a pass and of
// the search is common.
class MethodRules {
public:
    explicit MethodRules(StartMethod method)
        : ramp_(method == StartMethod::RampaTensao)
    {
    }

    // Voltage at speed step n, pu: a linear ramp from the pedestal, or the
    // voltage at which the motor draws the current limit (at most full voltage).
    double voltage(double setting, int n, double iin) const
    {
        if (ramp_)
            return setting + (1 - setting) * (10 * n) / 100;
        const double u = setting / iin;
        return u > 1 ? 1 : u;
    }

    // Motor current at speed step n, pu.
    double current(double setting, double u, double iin) const
    {
        if (ramp_)
            return iin * u;
        return iin >= setting ? setting : iin;
    }

    // After raising the setting because a step or the whole start failed:
    // whether a higher setting can still help. The pedestal cannot pass full
    // voltage; a current limit above the step's own current ratio changes
    // nothing any more.
    bool canRetry(double raisedSetting, double iinAtFailure) const
    {
        return ramp_ ? raisedSetting <= 1 : iinAtFailure >= raisedSetting;
    }

    // Whether the search may try a higher setting after an improvement.
    bool mayRaise(double raisedSetting) const { return !ramp_ || raisedSetting <= 1; }

    // The torque chart scale when a larger rounded torque is met.
    std::int32_t scaleFor(std::int32_t torque) const { return ramp_ || torque > 100 ? torque : 100; }

private:
    bool ramp_;
};

std::vector<double> parseTable(const std::string& text, const char* name, std::size_t needed)
{
    std::vector<double> values;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t bar = text.find('|', begin);
        const std::string item = text.substr(begin, bar == std::string::npos ? std::string::npos : bar - begin);
        if (!(text.empty() && bar == std::string::npos)) {
            const auto value = parseRegional(item);
            if (!value)
                throw DataError(name, "item " + std::to_string(values.size()) + " \"" + item + "\" is not a number");
            values.push_back(*value);
        }
        if (bar == std::string::npos)
            break;
        begin = bar + 1;
    }
    if (values.size() < needed)
        throw DataError(name, "holds " + std::to_string(values.size()) + " points, the sizing reads "
                                  + std::to_string(needed));
    return values;
}

void appendItem(std::string& list, double value)
{
    if (!list.empty())
        list += ',';
    list += formatNumberDot(value);
}

std::int32_t clampedInt32(double value)
{
    const double limit = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, -limit, limit));
}

// Inputs for which the arithmetic of a start has no meaning (a division by
// zero or a negative time); they come from typed motor and load data.
bool physicallyValid(double initialSetting, const MotorAndLoad& motor, const DutyInputs& duty)
{
    if (!std::isfinite(initialSetting) || initialSetting <= 0)
        return false;
    if (!(motor.ratedCurrent > 0 && motor.ratedTorque > 0 && motor.frequency > 0 && motor.poles > 0
          && motor.motorInertia + motor.loadInertia > 0 && duty.connection > 0 && duty.intervalSeconds >= 0
          && duty.dutyFactor >= 0))
        return false;
    for (int n = 0; n < kSpeedSteps; ++n)
        if (!(motor.curves.IIn[static_cast<std::size_t>(n)] > 0))
            return false;
    return true;
}

enum class PassEnd { Completed, Retry, Failed };

} // namespace

StartCurves StartCurves::parse(const std::string& strCCn, const std::string& strIIn, const std::string& strC)
{
    StartCurves curves;
    curves.CCn = parseTable(strCCn, "motor torque table CCn", kSpeedSteps);
    curves.IIn = parseTable(strIIn, "motor current table IIn", kSpeedSteps);
    curves.C = parseTable(strC, "load torque table C", kSpeedSteps + 1);
    return curves;
}

StartSearch searchStart(StartMethod method, bool userSetting, double initialSetting, const MotorAndLoad& motor,
                        const DutyInputs& duty)
{
    StartSearch search;
    if (!physicallyValid(initialSetting, motor, duty)) {
        search.failureTag = kInvalidInputTag;
        return search;
    }

    const MethodRules rules(method);
    const std::vector<double>& CCn = motor.curves.CCn;
    const std::vector<double>& IIn = motor.curves.IIn;
    const std::vector<double>& C = motor.curves.C;

    // Each step raises the speed by a tenth of the rated speed (3 % slip).
    const int synchronous = 120 * motor.frequency;
    const double ratedSpeed = synchronous * 0.97 / motor.poles;
    const double speedStepFactor = ratedSpeed / 10 * 6.283 / 60;
    const double inertia = motor.motorInertia + motor.loadInertia;
    const double permittedLimit = motor.ratedCurrent > 120 ? 75 : 50;

    StartResult& out = search.start;
    double setting = initialSetting;
    double firstTime = 0;
    bool final = false;
    std::int32_t largestTorque = 0;

    for (;;) {
        std::array<double, kSpeedSteps> current{};
        std::array<double, kSpeedSteps> stepTime{};
        out.voltages.clear();
        out.torques.clear();
        out.currents.clear();
        out.times.clear();

        PassEnd end = PassEnd::Completed;
        for (int n = 0; n < kSpeedSteps && end == PassEnd::Completed; ++n) {
            const auto i = static_cast<std::size_t>(n);
            const double u = rules.voltage(setting, n, IIn[i]);
            appendItem(out.voltages, roundHalfEven(u * 100));

            const double fullVoltageTorque = CCn[i] * motor.voltageDropFactor;
            const double load = C[i] / 100;
            const double nextLoad = std::max(C[i + 1] / 100, load);
            if (load > fullVoltageTorque) {
                // No setting helps when the load exceeds the full-voltage torque.
                search.failureTag = kNoStartTag;
                return search;
            }

            const double torque = u * u * fullVoltageTorque;
            const double torquePercent = roundHalfEven(torque * 100);
            appendItem(out.torques, torquePercent);
            if (torquePercent > largestTorque) {
                largestTorque = clampedInt32(torquePercent);
                out.torqueScale = rules.scaleFor(largestTorque);
            }

            const double accelerating = (torque - (load + nextLoad) / 2) * motor.ratedTorque;
            if (accelerating <= 0) {
                setting += kSettingStep;
                end = rules.canRetry(setting, IIn[i]) ? PassEnd::Retry : PassEnd::Failed;
                if (end == PassEnd::Failed)
                    search.failureTag = kNoStartTag;
                break;
            }
            stepTime[i] = inertia / accelerating * speedStepFactor;
            current[i] = rules.current(setting, u, IIn[i]);
        }
        if (end == PassEnd::Failed)
            return search;
        if (end == PassEnd::Retry)
            continue;

        double t = 0;
        double squareSum = 0;
        for (std::size_t i = 0; i < kSpeedSteps; ++i) {
            t += stepTime[i];
            squareSum += current[i] * current[i] * stepTime[i];
            appendItem(out.currents, current[i]);
            appendItem(out.times, t);
        }
        const double rms = std::sqrt(squareSum / t);

        // The motor's thermal limit: the locked-rotor time scaled by the
        // square of the current ratio, capped, with a 20 % margin.
        double permitted = (IIn[0] / rms) * (IIn[0] / rms) * motor.lockedRotorTime;
        if (permitted > permittedLimit)
            permitted = permittedLimit;
        if (0.8 * permitted < t) {
            setting += kSettingStep;
            if (!rules.canRetry(setting, IIn[0])) {
                search.failureTag = kOverheatTag;
                return search;
            }
            continue;
        }

        if (!userSetting && search.best == 0)
            out.minimumSetting = roundHalfAway(setting * 100);
        out.setting = roundHalfAway(setting * 100);
        t = roundHalfAway(t, 2);
        out.time = t;
        out.rmsCurrent = roundHalfAway(rms * motor.ratedCurrent, 2);
        search.last = CalculaCorrenteReferencia(method, t, rms, duty, search.last);
        const double reference = search.last.current;

        if (final)
            break;
        if (userSetting) {
            search.best = reference;
            break;
        }
        if (search.best == 0 || (t > 0.4 * firstTime && search.best > reference)) {
            if (search.best == 0)
                firstTime = t;
            search.best = reference;
            setting += kSettingStep;
            if (!rules.mayRaise(setting))
                break;
            continue;
        }
        // The device stopped getting smaller: one more pass at the previous
        // setting, whose reference current is already the best.
        final = true;
        setting -= kSettingStep;
    }
    search.started = true;
    return search;
}

} // namespace pelgo
