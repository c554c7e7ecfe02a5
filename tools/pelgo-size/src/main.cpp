// pelgo-size: sizes soft-starters from JSON cases through the wizard's own
// step logic, with the screens' defaults, validation and messages.

#include "Batch.h"
#include "Report.h"
#include "SizingCase.h"

#include "pelgo/ProgramFolder.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

namespace {

using nlohmann::json;
using pelgo::size::Outcome;

const char* const kUsage = R"(Usage:
  pelgo-size [--json] [--data FOLDER] CASE.json   size one case (CASE "-" reads stdin)
  pelgo-size --batch [--jobs N] [--data FOLDER]   JSON Lines on stdin, one JSON result per line
  pelgo-size --help

A case is a JSON object; every value left out keeps the default the wizard's
screen shows. Typed values are numbers, or texts in your regional number form
exactly as typed on the screen; list values name an entry of the list.

  {
    "language": "ENG", "market": "IEC",
    "motor": {
      "line": 201, "poles": 4, "category": "N", "voltage": 400,
      "power": 75, "unit": "kW",
      "power_factor": 0.86, "efficiency": 95, "rated_current": 133,
      "service_factor": 1.15, "use_service_factor": true,
      "locked_rotor_time": 12, "inertia": 1.2,
      "cp_cn": 2.2, "cmax_cn": 2.6, "ip_in": 6.8,
      "torque_curve": [11 values of C/Cn], "current_curve": [11 values of I/In]
    },
    "load": {
      "type": "Centrifugal pump", "reference": "Pump P-101",
      "inertia": 2, "inertia_unit": "kgm²",
      "starts_per_hour": 6, "interval": 10, "interval_unit": "min",
      "duty_factor": 90, "torque_curve": [11 values, % of rated torque]
    },
    "installation": {
      "altitude": 1000, "altitude_unit": "m", "temperature": 40, "temperature_unit": "C",
      "supply_voltage": 400, "voltage_drop": 10, "control_voltage": 220,
      "connection": 0, "bypass": false
    },
    "pedestal": 40, "current_limit": 300
  }

"load.type" and "installation.connection" take the entry's text or its
0-based position; "bypass" is true for a by-pass contactor. "pedestal" and
"current_limit" (in %) size again as the new-pedestal and new-current-limit
steps do.

Output: the results screen as text, or with --json the whole sizing record and
both methods' results. Exit status: 0 sized; 1 unreadable case or usage;
2 a value the wizard refuses (its message on stderr); 3 the sizing failed (the
engine's message); 4 a fault in the data files (file and element).
In --batch mode every input line gives one output line, {"ok": false, "error":
{...}} for a case that fails, and the exit status is 0; cases are sized on
N threads (default: one per processor), the answers keep the input's order.
--data FOLDER reads the XML folder of another installation.
)";

int fail(const std::string& message, int status)
{
    std::cerr << "pelgo-size: " << message << "\n";
    return status;
}

// Reads the input in blocks so that answers stream out while a long input
// is still being sized.
int runBatch(unsigned jobs)
{
    constexpr std::size_t kBlock = 256;
    std::vector<std::string> block;
    std::string line;
    bool more = true;
    while (more) {
        block.clear();
        while (block.size() < kBlock && (more = static_cast<bool>(std::getline(std::cin, line))))
            if (line.find_first_not_of(" \t\r") != std::string::npos)
                block.push_back(line);
        for (const std::string& answer : pelgo::size::answerLines(block, jobs))
            std::cout << answer << "\n";
        std::cout.flush();
    }
    return 0;
}

int runOne(const std::string& path, bool asJson)
{
    json sizingCase;
    try {
        if (path == "-") {
            sizingCase = json::parse(std::cin);
        } else {
            std::ifstream file(path);
            if (!file)
                return fail("cannot read " + path, 1);
            sizingCase = json::parse(file);
        }
    } catch (const json::parse_error& error) {
        return fail(path + ": " + error.what(), 1);
    }
    const auto result = pelgo::size::runCase(sizingCase);
    if (result.outcome != Outcome::Sized) {
        if (asJson)
            std::cout << pelgo::size::resultJson(result).dump(2) << "\n";
        return fail(pelgo::size::errorText(result), pelgo::size::exitStatus(result.outcome));
    }
    if (asJson)
        std::cout << pelgo::size::resultJson(result).dump(2) << "\n";
    else
        std::cout << pelgo::size::resultText(result);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    pelgo::size::keepFreedMemory();

    // Typed and shown numbers follow the user's regional settings.
    try {
        std::locale::global(std::locale(""));
    } catch (const std::runtime_error&) {
    }

    bool asJson = false;
    bool batch = false;
    unsigned jobs = pelgo::size::defaultJobs();
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--json") {
            asJson = true;
        } else if (arg == "--batch") {
            batch = true;
        } else if (arg == "--jobs" && i + 1 < argc) {
            const int requested = std::atoi(argv[++i]);
            if (requested < 1)
                return fail("--jobs needs a whole number of at least 1", 1);
            jobs = static_cast<unsigned>(requested);
        } else if (arg == "--data" && i + 1 < argc) {
            pelgo::setProgramFolder(argv[++i]);
        } else if (path.empty() && (arg == "-" || arg.rfind("--", 0) != 0)) {
            path = arg;
        } else {
            return fail("unknown argument " + arg + " (see --help)", 1);
        }
    }
    try {
        if (batch)
            return runBatch(jobs);
        if (path.empty())
            return fail("no case given (see --help)", 1);
        return runOne(path, asJson);
    } catch (const std::exception& error) {
        return fail(error.what(), 1);
    }
}
