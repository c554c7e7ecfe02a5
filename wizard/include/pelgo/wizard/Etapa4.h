#pragma once

// Step 4, the load: load type (which brings its defaults and torque curve),
// the user's reference, load inertia and its unit, starts per hour, interval
// between starts and its unit, duty factor and the eleven load-torque points.

#include "pelgo/clsEtapa4.h"
#include "pelgo/wizard/Fields.h"
#include "pelgo/wizard/StepBase.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelgo::wizard {

struct LoadChart {
    double fullScale = 100;            // 120 when the load type's band goes above 100 %
    std::vector<double> scaleValues;   // the vertical scale, 0, 20, ... fullScale
    std::optional<std::array<double, kSpeedPoints>> curve; // none when a point is not a number
};

class Etapa4 : public StepBase {
public:
    explicit Etapa4(const clsPelgo& record);

    const clsEtapa4& texts() const { return logic_; }

    // Text boxes, as typed.
    std::string reference;    // txtReferenciaAplicacao
    std::string inertia;      // txtInerciaEixoMotor, in the chosen inertia unit
    std::string interval;     // txtIntervaloPartidas, in the chosen interval unit
    std::string dutyFactor;   // txtFatorUtilizacao, %
    std::array<std::string, kSpeedPoints> torquePoints; // fltCCN(0..10), % of rated torque

    const ChoiceField<>& loadTypes() const { return loadTypes_; }
    const ChoiceField<>& inertiaUnits() const { return inertiaUnits_; }
    const ChoiceField<std::int16_t>& startsPerHour() const { return startsPerHour_; }
    const ChoiceField<std::int32_t>& intervalUnits() const { return intervalUnits_; } // value: seconds per unit

    // The message box: the chosen load type's remark, or the last validation message.
    const std::string& message() const { return message_; }

    // Loads the type's inertia, duty factor, remark and curve, and chooses its
    // default starts per hour (which recomputes the interval).
    void chooseLoadType(int index);
    // Empties the inertia: a value typed in another unit is not converted.
    void chooseInertiaUnit(int index);
    // The interval of equally spaced starts, in the chosen interval unit.
    void chooseStartsPerHour(int index);
    // Converts the interval, made whole first, into the newly chosen unit.
    void chooseIntervalUnit(int index);

    LoadChart chart() const;

    FieldMessage validate() override;
    void commit(clsPelgo& record) override;

    static std::string torqueField(int point); // "fltCCN(3)"

private:
    clsEtapa4 logic_;
    double motorInertia_;
    double recordLoadInertia_;
    ChoiceField<> loadTypes_;
    ChoiceField<> inertiaUnits_;
    ChoiceField<std::int16_t> startsPerHour_;
    ChoiceField<std::int32_t> intervalUnits_;
    int intervalUnitShown_ = -1; // the unit the interval text is expressed in
    std::string message_;
    std::string remarks_;
};

} // namespace pelgo::wizard
