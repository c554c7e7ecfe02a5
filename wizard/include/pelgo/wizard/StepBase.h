#pragma once

// What the logic of every input step (1 to 5, 7, 8) shares: the language,
// the status of its library class's Inicia, the router numbers, and the
// forward button: validate, and only when every field is valid write the
// sizing record.

#include "pelgo/wizard/Validation.h"

#include <cstdint>
#include <string>

namespace pelgo {
class clsPelgo;
}

namespace pelgo::wizard {

class StepBase {
public:
    virtual ~StepBase() = default;

    int step() const { return step_; }
    const std::string& language() const { return language_; }

    // The return code of the step class's Inicia (the screen's Inicia).
    std::int16_t Inicia() const { return status_; }
    // False when the screen must show startError() and close.
    virtual bool started() const { return status_ == 0; }
    // "err: " and the code, the text a screen shows when its step failed to start.
    std::string startError() const { return "err: " + std::to_string(status_); }

    // The first message of the screen's checks ("" and no field when valid).
    virtual FieldMessage validate() = 0;
    // Writes the step's fields into the sizing record; call after validate().
    virtual void commit(clsPelgo& record) = 0;

    // The forward button: validate, and when valid write the record.
    FieldMessage forward(clsPelgo& record);

    virtual int forwardScreen() const;
    virtual int backScreen() const;
    std::string helpPage() const;

protected:
    StepBase(int step, std::string language);

    int step_;
    std::string language_;
    std::int16_t status_ = 0;
};

} // namespace pelgo::wizard
