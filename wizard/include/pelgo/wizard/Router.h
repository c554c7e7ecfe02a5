#pragma once

// The step router's table: which screen a router number opens, and the
// numbers every step screen hands to it. No screen opens another directly.

#include <cstdint>
#include <string>

namespace pelgo::wizard {

enum class ScreenKind {
    None,     // a number the router ignores
    Language, // -1
    Opening,  // 0
    Step,     // 1 to 14
    Report,   // 15, 16, 17
};

struct RouteTarget {
    ScreenKind kind = ScreenKind::None;
    int step = 0;         // the step number for ScreenKind::Step
    int reportCaller = 0; // the screen the report returns to (6, 9 or 10)
};

// What the router opens for `nextForm`.
RouteTarget route(int nextForm);

// Router numbers used by the screens.
namespace screens {
inline constexpr int Language = -1;
inline constexpr int Opening = 0;
inline constexpr int Results = 6;
inline constexpr int NewPedestal = 7;
inline constexpr int NewCurrentLimit = 8;
inline constexpr int ParametersTrimpots = 9;
inline constexpr int ParametersNumbered = 10;
inline constexpr int RampGraphs = 11;
inline constexpr int CurrentLimitGraphs = 12;
inline constexpr int RampMotorGraphs = 13;
inline constexpr int CurrentLimitMotorGraphs = 14;
inline constexpr int ReportFromResults = 15;
inline constexpr int ReportFromTrimpots = 16;
inline constexpr int ReportFromNumbered = 17;
} // namespace screens

// Forward and back of steps 1 to 5: forward goes to step + 1, back to
// step - 1, and step 1 goes back to the language screen.
int forwardOf(int step);
int backOf(int step);

// The parametrization screen for the voltage-ramp model's reference number:
// family 5 is set with trimpots (screen 9), every other family, including a
// model that was not found (number 0), with numbered parameters (screen 10).
int parametersScreen(std::int16_t rampReferenceNumber);

// The help page of a screen below the program folder, e.g.
// "help/Ajuda_Etapa3_POR.htm"; `page` is "Inicial" or "Etapa1" ... "Etapa8".
std::string helpPage(const std::string& page, const std::string& language);

} // namespace pelgo::wizard
