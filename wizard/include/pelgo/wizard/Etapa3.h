#pragma once

// Step 3, motor curves: locked-rotor torque Cp/Cn, breakdown torque Cmax/Cn
// and locked-rotor current Ip/In, from which the eleven-point torque and
// current curves are estimated; the user may then edit every point.

#include "pelgo/clsEtapa3.h"
#include "pelgo/wizard/Fields.h"
#include "pelgo/wizard/StepBase.h"

#include <array>
#include <optional>
#include <string>

namespace pelgo::wizard {

struct MotorCurves {
    std::array<double, kSpeedPoints> torque{};  // C/Cn
    std::array<double, kSpeedPoints> current{}; // I/In
};

class Etapa3 : public StepBase {
public:
    explicit Etapa3(const clsPelgo& record);

    const clsEtapa3& texts() const { return logic_; }

    // Text boxes, as typed (each with the unit "pu").
    std::string lockedRotorTorque;  // txtConjugadoRotorBloqueado, Cp/Cn
    std::string breakdownTorque;    // txtConjugadoMaximo, Cmax/Cn
    std::string lockedRotorCurrent; // txtCorrenteRotorBloqueado, Ip/In
    std::array<std::string, kSpeedPoints> torquePoints;  // txtCCN(0..10)
    std::array<std::string, kSpeedPoints> currentPoints; // txtIIN(0..10)

    // The rated torque label: value in the market's unit, " ", the unit.
    std::string ratedTorqueText() const;

    // The estimate button, and leaving any of the three value fields: when all
    // three are numbers above 0, every grid point is replaced by the estimate.
    void estimate();
    // The curves the chart draws; none when any grid point is not a number.
    std::optional<MotorCurves> chartCurves() const;

    FieldMessage validate() override;
    void commit(clsPelgo& record) override;

    // Control names of the grid, for the focus: "txtCCN(5)", "txtIIN(0)".
    static std::string torqueField(int point);
    static std::string currentField(int point);

private:
    void estimateWith(double breakdown, double lockedTorque, double lockedCurrent);

    clsEtapa3 logic_;
    std::string standard_;
    std::int16_t poles_;
    double powerCv_;
    std::string frame_;
    std::string category_;
    double ratedTorqueShown_;
};

} // namespace pelgo::wizard
