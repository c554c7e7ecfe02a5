#pragma once

// Step 5, the installation: altitude and ambient temperature with their
// units, supply voltage, permitted voltage drop at start, control voltage,
// motor connection and by-pass, all chosen from lists. Changing a unit
// refills its value list at the same position (the lists are parallel).

#include "pelgo/clsEtapa5.h"
#include "pelgo/wizard/Fields.h"
#include "pelgo/wizard/StepBase.h"

#include <cstdint>
#include <string>

namespace pelgo::wizard {

class Etapa5 : public StepBase {
public:
    explicit Etapa5(const clsPelgo& record);

    const clsEtapa5& texts() const { return logic_; }

    const ChoiceField<>& altitudeUnits() const { return altitudeUnits_; }
    const ChoiceField<std::int16_t>& altitudes() const { return altitudes_; }
    const ChoiceField<>& temperatureUnits() const { return temperatureUnits_; }
    const ChoiceField<std::int16_t>& temperatures() const { return temperatures_; }
    const ChoiceField<std::int16_t>& supplyVoltages() const { return supplyVoltages_; }
    const ChoiceField<>& voltageDrops() const { return voltageDrops_; }
    const ChoiceField<std::int16_t>& controlVoltages() const { return controlVoltages_; }
    const ChoiceField<double>& connections() const { return connections_; } // value: connection factor
    const ChoiceField<std::int16_t>& byPass() const { return byPass_; }    // value: 1 no by-pass, 0 by-pass

    void chooseAltitudeUnit(int index);
    void chooseAltitude(int index);
    void chooseTemperatureUnit(int index);
    void chooseTemperature(int index);
    void chooseSupplyVoltage(int index);
    void chooseVoltageDrop(int index);
    void chooseControlVoltage(int index);
    void chooseConnection(int index);
    void chooseByPass(int index);

    FieldMessage validate() override;
    void commit(clsPelgo& record) override;

private:
    clsEtapa5 logic_;
    std::int16_t ratedVoltage_;
    ChoiceField<> altitudeUnits_;
    ChoiceField<std::int16_t> altitudes_;
    ChoiceField<> temperatureUnits_;
    ChoiceField<std::int16_t> temperatures_;
    ChoiceField<std::int16_t> supplyVoltages_;
    ChoiceField<> voltageDrops_;
    ChoiceField<std::int16_t> controlVoltages_;
    ChoiceField<double> connections_;
    ChoiceField<std::int16_t> byPass_;
};

} // namespace pelgo::wizard
