#pragma once

// Step 6, the results: runs both sizings as the results screen does when it
// loads (voltage ramp, then current limit), copies the results into the
// sizing record, and offers what the screen shows: both methods side by side
// and the data summary. It also gives the router numbers of its buttons.

#include "pelgo/clsEtapa6.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pelgo {
class clsPelgo;
}

namespace pelgo::wizard {

// One starting method as the results screen shows it.
struct MethodResult {
    bool available = false;        // a model of the catalogue was found
    std::string model;             // the model, or the not-available text
    std::string modelTarvo06;      // the Tarvo06 model, "" when none
    std::string reference;         // tool tips of the two model labels
    std::string referenceTarvo06;
    std::int16_t referenceNumber = 0; // device family 3, 4 or 5; 0 when none
    double setting = 0;            // pedestal (ramp) or current limit, %
    double time = 0;               // starting time, s
    double rmsCurrent = 0;         // rms starting current, A
    bool savingsAvailable = false; // the energy-saving link is shown
    double dissipatedPowerDifference = 0; // kW, handed to the energy-saving screen

    // Display texts: "35 %", "4,21 s", "52,3 A" in the regional number form.
    std::string settingText() const;
    std::string timeText() const;
    std::string rmsCurrentText() const;
};

struct SummaryLine {
    std::string caption; // the screen's caption text followed by ": "
    std::string value;
};

struct DataSummary {
    std::vector<SummaryLine> motor;
    std::vector<SummaryLine> installation;
    std::vector<SummaryLine> load;
};

class Etapa6 {
public:
    // Sizes with the record's data, the user's pedestal (step 7) and current
    // limit (step 8) when set; copies the results into the record only when
    // both methods succeed.
    explicit Etapa6(clsPelgo& record);

    // 0 when the results are valid, 1 when a sizing failed (the router then
    // goes back to step 1 after the message dialog).
    std::int16_t Inicia() const { return status_; }
    bool sized() const { return status_ == 0; }
    // The message dialog of a failed sizing.
    std::string failureTitle() const { return engine_.TituloMensagem(); }
    std::string failureMessage() const { return engine_.Mensagem(); }

    const clsEtapa6& texts() const { return engine_; }

    MethodResult ramp() const;
    MethodResult currentLimit() const;
    // The data summary beside the results, read from the record.
    static DataSummary summary(const clsEtapa6& texts, const clsPelgo& record);
    DataSummary summary(const clsPelgo& record) const { return summary(engine_, record); }

    // Router numbers of the screen's buttons.
    static int newPedestalScreen();
    static int newCurrentLimitScreen();
    int parametersScreen() const;
    static int rampGraphsScreen();
    static int currentLimitGraphsScreen();
    static int printScreen();
    // Back and start again forget the user's pedestal and current limit.
    static int back(clsPelgo& record);
    static int startAgain(clsPelgo& record);
    std::string helpPage() const;

private:
    void copyResults(clsPelgo& record) const;

    clsEtapa6 engine_;
    std::string language_;
    std::int16_t status_ = 0;
};

} // namespace pelgo::wizard
