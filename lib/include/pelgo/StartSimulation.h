#pragma once

// The start simulation shared by both starting methods: ten speed steps of
// closed-form arithmetic per pass, the acceleration and motor-heating checks,
// and the search of the setting (pedestal voltage or current limit) that
// gives the smallest device. The two methods differ only in the few rules of
// MethodRules (StartSimulation.cpp).

#include "pelgo/DeviceRules.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pelgo {

// The speed-point tables of the sizing record, read with the regional number
// rules: CCn (motor torque, pu), IIn (motor current, pu) and C (load torque,
// percent of rated torque). A table with fewer points than the simulation
// reads, or an item that is not a number, is a DataError.
struct StartCurves {
    std::vector<double> CCn;
    std::vector<double> IIn;
    std::vector<double> C;

    static StartCurves parse(const std::string& strCCn, const std::string& strIIn, const std::string& strC);
};

struct MotorAndLoad {
    StartCurves curves;
    double voltageDropFactor = 1; // multiplies the motor torque
    double ratedTorque = 0;       // N.m
    std::int16_t frequency = 0;   // Hz
    std::int16_t poles = 0;
    double motorInertia = 0;      // kg.m2
    double loadInertia = 0;       // kg.m2, at the motor shaft
    double ratedCurrent = 0;      // In, A
    double lockedRotorTime = 0;   // s
};

// The results of the last pass of a search.
struct StartResult {
    std::string voltages;  // percent per speed step, ","-joined
    std::string torques;   // percent per speed step
    std::string currents;  // pu per speed step
    std::string times;     // cumulative s at the end of each step
    std::int32_t torqueScale = 0;
    double setting = 0;        // pedestal or current limit, whole percent
    double minimumSetting = 0; // first workable setting of an automatic search
    double time = 0;           // starting time, s, 2 decimals
    double rmsCurrent = 0;     // rms starting current, A, 2 decimals
};

struct StartSearch {
    bool started = false;     // false: the motor cannot start the load
    std::string failureTag;   // DIMENSIONAMENTO text explaining why
    StartResult start;
    double best = 0;          // reference current kept by the search, A
    ReferenceCurrent last;    // of the last pass
};

// Text tags of the failures.
inline constexpr const char* kNoStartTag = "MSGDIMENSIONAMENTO";
inline constexpr const char* kOverheatTag = "MSGDIMENSIONAMENTO1";
inline constexpr const char* kInvalidInputTag = "MSGDADOSINVALIDOS";

// Runs the search from `initialSetting` (pu: pedestal voltage or current
// limit). With `userSetting` the first workable setting at or above it is
// kept; otherwise the setting rises while the device keeps getting smaller.
StartSearch searchStart(StartMethod method, bool userSetting, double initialSetting, const MotorAndLoad& motor,
                        const DutyInputs& duty);

} // namespace pelgo
