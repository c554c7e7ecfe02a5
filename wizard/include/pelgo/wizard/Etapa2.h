#pragma once

// Step 2, motor data: power factor, efficiency, rated current, service factor
// (with the yes/no question for factors that need it), locked-rotor time and
// moment of inertia in the market's unit. Leaving the power factor or the
// efficiency with a new value recomputes the rated current.

#include "pelgo/clsEtapa2.h"
#include "pelgo/wizard/Fields.h"
#include "pelgo/wizard/StepBase.h"

#include <string>

namespace pelgo::wizard {

struct ServiceFactor {
    double factor = 0;
    bool ask = false; // the user must confirm that the motor runs with it
};

class Etapa2 : public StepBase {
public:
    // Positions of the yes/no question's entries.
    static constexpr int kAnswerPrompt = 0;
    static constexpr int kAnswerYes = 1;
    static constexpr int kAnswerNo = 2;

    explicit Etapa2(const clsPelgo& record);

    const clsEtapa2& texts() const { return logic_; }
    // Code 1 (the motor was estimated, not found in the table) is normal too.
    bool started() const override { return status_ == 0 || status_ == 1; }
    bool motorFound() const { return status_ == 0; }

    // Text boxes, as typed.
    std::string powerFactor;     // txtFatorPotencia, pu
    std::string efficiency;      // txtRendimento, %
    std::string ratedCurrent;    // txtCorrenteNominal, A
    std::string lockedRotorTime; // txtTempoRotorBloqueado, s
    std::string inertia;         // txtMomentoInerciaJ, in inertiaUnit()

    const std::string& inertiaUnit() const { return inertiaUnit_; }
    const ChoiceField<ServiceFactor>& serviceFactors() const { return serviceFactors_; }
    const ChoiceField<>& answers() const { return answers_; }
    bool answerVisible() const { return answerVisible_; }

    // Shows the question (prompt chosen) for a factor that asks, else hides it.
    void chooseServiceFactor(int index);
    // "No" hides the question and goes back to the first factor.
    void chooseAnswer(int index);
    // Focus left the power factor or the efficiency.
    void leavePowerFactor();
    void leaveEfficiency();

    // The service factor the sizing uses: 1 unless a factor that asks was confirmed.
    double serviceFactorInUse() const;

    FieldMessage validate() override;
    void commit(clsPelgo& record) override;

private:
    void recomputeCurrent();

    clsEtapa2 logic_;
    double powerKw_;
    std::int16_t ratedVoltage_;
    std::string inertiaUnit_;
    ChoiceField<ServiceFactor> serviceFactors_;
    ChoiceField<> answers_;
    bool answerVisible_ = false;
};

} // namespace pelgo::wizard
