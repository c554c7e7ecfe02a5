#include "pelgo/MotorCurves.h"

#include "pelgo/Numbers.h"

#include <cmath>

namespace pelgo {

namespace {


// Working curves hold 151 points, index 0 at standstill and 150 at s = 1.
constexpr int kLastPoint = 150;
constexpr int kRunPoints = 50;

struct Curve {
    std::array<double, kLastPoint + 1> speed{}; // fraction of synchronous speed
    std::array<double, kLastPoint + 1> value{}; // torque or current, pu
};

double square(double x) { return x * x; }

// Normalised shape of a high-slip torque curve, also used for the current of
// larger machines: 1 at standstill, falling to 0 at synchronous speed.
double highSlipShape(double s)
{
    // 1 − 0.0223278 s − 0.155849 s² + 1.97219 s³ − 7.702633 s⁴ + 11.5897 s⁵ − 6.67954 s⁶
    return 1 + s * (-0.0223278 + s * (-0.155849 + s * (1.97219 + s * (-7.702633 + s * (11.5897 + s * -6.67954)))));
}

Curve shapedCurve(double start)
{
    Curve curve;
    curve.value[0] = start;
    for (int j = 1; j <= kLastPoint; ++j) {
        curve.speed[j] = curve.speed[j - 1] + 1.0 / kLastPoint;
        curve.value[j] = start * highSlipShape(curve.speed[j]);
    }
    return curve;
}

} // namespace

TorqueSpeeds torqueSpeeds(int poles, int frameHeight, double powerCv, double pullUp, double breakdown)
{
    const bool smallMachine = (poles > 4 || frameHeight < 180) && !(poles == 6 && frameHeight > 254) && poles < 8;
    if (smallMachine) {
        if (powerCv <= 15)
            return {0.3, 0.75};
        if (powerCv <= 50)
            return {0.3, 0.8};
        return {0.4, 0.8};
    }
    if (powerCv <= 50 || (pullUp > 0.92 * breakdown && pullUp < 1.08 * breakdown))
        return {0.65, 0.9};
    return {0.75, 0.95};
}

namespace {

// Three parabolas: from Cp down to the pull-up torque at Su, up again until
// it meets, with the same slope, the parabola that peaks at Cmax at Sb and
// ends at 0 at synchronous speed.
Curve parabolicTorque(double cp, double pullUp, double breakdown, TorqueSpeeds at)
{
    const double k1 = breakdown / square(1 - at.sb);
    const double k2 = (breakdown - pullUp) * k1 / (square(at.sb - at.su) * k1 - (breakdown - pullUp));
    const double sj = (k1 * at.sb + k2 * at.su) / (k1 + k2);

    Curve curve;
    curve.value[0] = cp;
    int j = 1;
    auto run = [&](double step, auto torqueAt) {
        for (int n = 0; n < kRunPoints; ++n, ++j) {
            curve.speed[j] = curve.speed[j - 1] + step;
            curve.value[j] = torqueAt(curve.speed[j]);
        }
    };
    run(at.su / kRunPoints, [&](double s) { return pullUp + square(1 - s / at.su) * (cp - pullUp); });
    run((sj - at.su) / kRunPoints, [&](double s) { return pullUp + k2 * square(s - at.su); });
    run((1 - sj) / kRunPoints, [&](double s) { return breakdown - breakdown * square((s - at.sb) / (1 - at.sb)); });
    return curve;
}

// Current held at Ip up to Sc, then two parabolas meeting with the same slope,
// the second peaking at Imax at 0.55 of synchronous speed. The speed
// accumulates in floating point, so each run makes 49 or 50 points.
Curve parabolicCurrent(double ip, double peak, double sc)
{
    constexpr double peakSpeed = 0.55;
    constexpr double halfWidth = 0.45;
    const double l1 = peak / square(halfWidth);
    const double l2 = (peak - ip) * l1 / (square(peakSpeed - sc) * l1 - (peak - ip));
    const double sk = (l1 * peakSpeed + l2 * sc) / (l1 + l2);

    Curve curve;
    curve.value[0] = ip;
    int i = 1;
    auto run = [&](double from, double to, auto currentAt) {
        const double step = (to - from) / kRunPoints;
        if (!(step > 0)) // degenerate figures: no run rather than an endless one
            return;
        for (double s = from + step; s <= to && i <= kLastPoint; s += step, ++i) {
            curve.speed[i] = s;
            curve.value[i] = currentAt(s);
        }
    };
    run(0, sc, [&](double) { return ip; });
    run(sc, sk, [&](double s) { return ip + l2 * square(s - sc); });
    run(sk, 1, [&](double s) { return peak - peak * square((s - peakSpeed) / halfWidth); });
    if (i <= kLastPoint) {
        curve.speed[i] = 1;
        curve.value[i] = 0;
    }
    return curve;
}

// Eleven points at 0 %, 10 % ... 90 %: the point k is the mean of the two
// curve points around the first speed above k × 10 %. Point 10 is the rated
// point.
std::array<double, 11> resample(const Curve& curve, int firstPointDecimals)
{
    std::array<double, 11> points{};
    std::array<bool, 10> set{};
    for (int j = 1; j <= kLastPoint; ++j) {
        for (int k = 0; k < 10; ++k) {
            if (100 * curve.speed[j] > 10 * k && !set[k]) {
                const double mean = (curve.value[j - 1] + curve.value[j]) / 2;
                points[k] = roundHalfEven(mean, k == 0 ? firstPointDecimals : 2);
                set[k] = true;
                break;
            }
        }
    }
    points[10] = 1;
    return points;
}

} // namespace

MotorCurvePoints estimateMotorCurves(int poles, int frameHeight, double powerCv, bool highSlip, double breakdown,
                                     double cp, double ip)
{
    const double pullUp = 0.85 * cp;
    Curve torque;
    Curve current;
    if (highSlip) {
        torque = shapedCurve(cp);
        current = parabolicCurrent(ip, 0.88 * ip, 0.01);
    } else {
        const TorqueSpeeds at = torqueSpeeds(poles, frameHeight, powerCv, pullUp, breakdown);
        torque = parabolicTorque(cp, pullUp, breakdown, at);
        // Larger machines (breakdown near synchronous speed) keep their
        // current high longer: the high-slip shape fits them better.
        current = at.sb > 0.85 ? shapedCurve(ip) : parabolicCurrent(ip, 0.95 * ip, 0.35);
    }
    current.speed[kLastPoint] = 1;
    current.value[kLastPoint] = 0;

    // The locked-rotor torque point keeps one decimal only.
    return {resample(torque, 1), resample(current, 2)};
}

} // namespace pelgo
