#pragma once

// One sizing case from JSON, run through the wizard's step logic exactly as
// a user would go through steps 1 to 6 (and 7 or 8 for a pedestal or a
// current limit of their own): every value not given keeps the default the
// screen shows, and every value given passes the screen's validation.

#include "pelgo/clsPelgo.h"
#include "pelgo/wizard/Etapa6.h"

#include <nlohmann/json.hpp>

#include <string>

namespace pelgo::size {

enum class Outcome {
    Sized = 0,
    BadCase = 1,      // the case itself cannot be read (not JSON, wrong shape)
    Invalid = 2,      // a value the screen refuses: the catalogue message
    SizingFailed = 3, // the engine found no start: its message
    DataFault = 4,    // the installation's data files: file and element
};

// The captions of the results screen, in the case's language.
struct ResultTexts {
    std::string date, title, rampTitle, limitTitle, model, pedestal, currentLimit, time, rmsCurrent;
    std::string summaryTitle, motor, installation, load;
};

struct CaseResult {
    Outcome outcome = Outcome::Sized;
    std::string field;   // the case's key of the refused value (Invalid)
    std::string message; // what went wrong, in the case's language where the catalogue has it
    clsPelgo record;
    wizard::MethodResult ramp;
    wizard::MethodResult currentLimit;
    wizard::DataSummary summary;
    ResultTexts texts;
};

CaseResult runCase(const nlohmann::json& sizingCase);

// The exit status of a case's outcome.
int exitStatus(Outcome outcome);

} // namespace pelgo::size
