#pragma once

// Steps 7 and 8, a pedestal or a current limit of the user's own: the typed
// value must be a number between the least value the automatic search found
// and the step's greatest value; it is stored in the record and step 6 sizes
// again from it. Calculate and cancel both go back to step 6.

#include "pelgo/clsEtapa7.h"
#include "pelgo/clsEtapa8.h"
#include "pelgo/wizard/StepBase.h"

#include <string>

namespace pelgo::wizard {

class AdjustmentStep : public StepBase {
public:
    std::string value; // the entry box, as typed, in %

    double minimum() const { return minimum_; }
    // The minimum as the screen shows it: the number and " %".
    std::string minimumText() const;

    FieldMessage validate() override;
    void commit(clsPelgo& record) override;
    int forwardScreen() const override;
    int backScreen() const override; // the cancel button

protected:
    AdjustmentStep(int step, const std::string& language, double minimum);

    virtual std::string field() const = 0;
    virtual std::string section() const = 0;
    virtual std::string tag() const = 0;
    virtual double maximum() const = 0;
    // The message for a value above the maximum, with the catalogue loaded.
    virtual std::string aboveMaximum(const clsPelgo_Geral& catalogue) const = 0;
    virtual void store(clsPelgo& record, double accepted) const = 0;

private:
    double minimum_;
};

class Etapa7 : public AdjustmentStep {
public:
    explicit Etapa7(const clsPelgo& record);
    const clsEtapa7& texts() const { return logic_; }

private:
    std::string field() const override { return "txtNovoPedestalTensao"; }
    std::string section() const override { return "CONSISTEETAPA7"; }
    std::string tag() const override { return "NOVOPEDESTALTENSAO"; }
    double maximum() const override;
    std::string aboveMaximum(const clsPelgo_Geral& catalogue) const override;
    void store(clsPelgo& record, double accepted) const override;

    clsEtapa7 logic_;
};

class Etapa8 : public AdjustmentStep {
public:
    explicit Etapa8(const clsPelgo& record);
    const clsEtapa8& texts() const { return logic_; }

private:
    std::string field() const override { return "txtNovaLimitacaoCorrente"; }
    std::string section() const override { return "CONSISTEETAPA8"; }
    std::string tag() const override { return "NOVALIMITACAOCORRENTE"; }
    double maximum() const override { return maximum_; }
    std::string aboveMaximum(const clsPelgo_Geral& catalogue) const override;
    void store(clsPelgo& record, double accepted) const override;

    clsEtapa8 logic_;
    double maximum_; // the locked-rotor current ratio × 100
};

} // namespace pelgo::wizard
