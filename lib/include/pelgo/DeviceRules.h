#pragma once

// The device rules shared by both starting methods: the overload factors of
// the device families, the reference current that one simulated start asks
// of a soft-starter, and the choice of the catalogue models (with the Tarvo06
// line beside them and the comparison of their dissipated power).

#include <cstdint>
#include <string>

namespace pelgo {

enum class StartMethod { RampaTensao, LimitacaoCorrente };

// Overload capability of a family as a function of the starting time t (s):
// k3 for motors of 90 A and more, k4 below 90 A, k5 for the compact family
// (voltage ramp, light load at standstill, long interval, short start; 0 when
// it does not apply).
double fatorK3(double t);
double fatorK4(double t);
double fatorK5(double t, double loadAtStandstill, double intervalSeconds);

// Starts-per-hour factors of families 3 and 4 (about 1 at 10 starts per hour).
double fatorF3(std::int16_t startsPerHour);
double fatorF4(std::int16_t startsPerHour);

// What the device rules read of the sizing inputs.
struct DutyInputs {
    double intervalSeconds = 0;  // between starts
    double dutyFactor = 0;       // percent
    std::int16_t byPass = 0;     // 1 = no by-pass (the device carries the running current)
    double serviceFactor = 1;
    double connection = 1;       // Lig: motor line current / device current
    std::int16_t startsPerHour = 0;
    double loadTorque0 = 0;      // C(0), percent
    double loadTorque10 = 0;     // C(10), percent
    double motorTorque0 = 0;     // CCn(0), pu
    double ratedCurrent = 0;     // In, A
    std::int16_t temperatureC = 0;
    std::int16_t controlVoltage = 0;
    std::int16_t supplyVoltage = 0;
    double derating = 1;         // Fat
};

// The reference current of one start and what the model choice needs of it.
struct ReferenceCurrent {
    double current = 0;      // R, A
    std::int16_t number = 0; // family 3, 4 or 5
    double deviceStart = 0;  // Idev: starting current through the device, pu of In
    double cycleRms = 0;     // Icyc: rms current over one start cycle, pu of In
};

// The reference current of a start of time t (s, rounded to 2 decimals) and
// rms current Irms (pu). When no family applies, the current and number of
// `previous` are kept.
ReferenceCurrent CalculaCorrenteReferencia(StartMethod method, double t, double Irms, const DutyInputs& inputs,
                                           const ReferenceCurrent& previous);

// The family-4 reference current of a start already rated (the compact
// family's 85 A model below the motor current moves the choice to family 4).
double family4Reference(double t, const ReferenceCurrent& start, const DutyInputs& inputs);

// What the model choice of one method gives.
struct DeviceSelection {
    std::string model;           // designation, or the not-available text
    double current = 0;          // rated current of the model, A
    std::int16_t height = 0;
    std::int16_t width = 0;
    std::int16_t depth = 0;
    double weight = 0;
    std::int16_t number = 0;     // family of the model
    bool available = false;      // a model was found
    std::string model06;         // Tarvo06 model, "" when none
    bool available06 = false;
    double reference06 = 0;      // R6, A; 0 when no Tarvo06 model is offered
    std::string referenceText;
    std::string referenceText06;
    bool economyAvailable = false;
    double powerDifference = 0;  // chosen model minus Tarvo06 model, kW
};

// Picks the models for the reference current `best` kept by the search and
// the last simulated start (time t, its reference current record), writes
// the reference texts in the language and compares the dissipated powers.
DeviceSelection SelecionaModelos(StartMethod method, double best, const ReferenceCurrent& last, double t,
                                 const DutyInputs& inputs, const std::string& language);

// Dissipated-power comparison of a chosen model (family `number`, rated
// current Ic) with its Tarvo06 model (rated current I6); 0 for a model that
// was not found.
void CalculaPotenciaDissipada(std::int16_t number, std::int16_t Ic, std::int16_t I6, DeviceSelection& selection);

} // namespace pelgo
