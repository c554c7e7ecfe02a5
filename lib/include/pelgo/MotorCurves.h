#pragma once

// Estimate of a motor's torque and current over speed during a direct-on-line
// start from three catalogue figures: locked-rotor torque Cp/Cn, breakdown
// torque Cmax/Cn and locked-rotor current Ip/In.

#include <array>

namespace pelgo {

// The speeds (fractions of synchronous speed) where the torque falls to the
// pull-up torque (su) and where it reaches the breakdown torque (sb).
struct TorqueSpeeds {
    double su;
    double sb;
};

// Small machines (fewer than 8 poles, and more than 4 poles or a frame below
// 180 mm, but not a 6-pole frame above 254 mm) dip and peak early; larger ones
// late, latest when the pull-up torque is far from the breakdown torque.
TorqueSpeeds torqueSpeeds(int poles, int frameHeight, double powerCv, double pullUp, double breakdown);

// Torque (pu of rated torque) and current (pu of rated current) at 0 %, 10 %
// ... 100 % of speed; point 10 is the rated point (1).
struct MotorCurvePoints {
    std::array<double, 11> torque{};
    std::array<double, 11> current{};
};

// frameHeight: shaft height in mm of the equivalent IEC frame, 0 when unknown.
// highSlip: a high-slip design (category D), whose torque has no peak.
MotorCurvePoints estimateMotorCurves(int poles, int frameHeight, double powerCv, bool highSlip, double breakdown,
                                     double cp, double ip);

} // namespace pelgo
