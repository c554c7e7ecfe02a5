#pragma once

// Step 1, motor selection: the motor line, poles, category, rated voltage,
// power unit and rated power, with the market's defaults chosen at load.
// Choosing a line, a number of poles or a unit refills the powers (and
// leaves no power chosen).

#include "pelgo/clsEtapa1.h"
#include "pelgo/wizard/Fields.h"
#include "pelgo/wizard/StepBase.h"

#include <cstdint>
#include <string>

namespace pelgo::wizard {

struct MotorLine {
    std::string code;            // product code as the data file writes it
    std::int16_t frequency = 0;  // rated frequency, Hz
};

struct PowerUnit {
    std::string type; // the attribute of the power table that holds this unit
};

class Etapa1 : public StepBase {
public:
    // Loads the step for the record's language, standard and market.
    explicit Etapa1(const clsPelgo& record);

    const clsEtapa1& texts() const { return logic_; }
    const std::string& standard() const { return standard_; }

    const ChoiceField<MotorLine>& lines() const { return lines_; }
    const ChoiceField<std::int16_t>& poles() const { return poles_; }
    const ChoiceField<>& categories() const { return categories_; }
    const ChoiceField<std::int16_t>& voltages() const { return voltages_; }
    const ChoiceField<PowerUnit>& units() const { return units_; }
    const ChoiceField<>& powers() const { return powers_; }

    // The frequency label: the chosen line's frequency and " Hz" ("" when none).
    std::string frequencyText() const;

    void chooseLine(int index);     // refreshes the powers
    void choosePoles(int index);    // refreshes the powers
    void chooseCategory(int index);
    void chooseVoltage(int index);
    void chooseUnit(int index);     // refreshes the powers
    void choosePower(int index);

    FieldMessage validate() override;
    void commit(clsPelgo& record) override;

private:
    void refreshPowers();
    std::int16_t productCode() const;
    double chosenPowerIn(const std::string& unitType);

    clsEtapa1 logic_;
    std::string standard_;
    ChoiceField<MotorLine> lines_;
    ChoiceField<std::int16_t> poles_;
    ChoiceField<> categories_;
    ChoiceField<std::int16_t> voltages_;
    ChoiceField<PowerUnit> units_;
    ChoiceField<> powers_;
};

} // namespace pelgo::wizard
