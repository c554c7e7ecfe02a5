#pragma once

// Validation of a step's fields in the screen's order: every check runs only
// while no earlier one has answered, so the result is the first message, with
// the name of the control that gets the focus.

#include "pelgo/clsPelgo_Geral.h"

#include <string>

namespace pelgo::wizard {

struct FieldMessage {
    std::string field;   // the control to focus, e.g. "txtFatorPotencia"
    std::string message; // "" when every field is valid
    bool ok() const { return message.empty(); }
};

class Checks {
public:
    // Loads the step's validation section of the catalogue.
    Checks(const std::string& language, const std::string& section);

    // The catalogue's generic check: empty, not a number, outside the bounds.
    Checks& number(const std::string& field, const std::string& typed, const std::string& tag,
                   const std::string& min = "", const std::string& max = "");
    // The load-curve check with its below-minimum / above-maximum messages.
    Checks& bandedNumber(const std::string& field, const std::string& typed, const std::string& tag,
                         const std::string& min, const std::string& max);
    // A rule of the screen: when `failed`, the text of `tag` is the message.
    Checks& rule(const std::string& field, bool failed, const std::string& tag);
    // A message built by the caller (already a text, "" when valid).
    Checks& message(const std::string& field, const std::string& text);

    bool failed() const { return !result_.ok(); }
    const FieldMessage& result() const { return result_; }
    const clsPelgo_Geral& catalogue() const { return catalogue_; }

private:
    void answer(const std::string& field, std::string text);

    clsPelgo_Geral catalogue_;
    FieldMessage result_;
};

} // namespace pelgo::wizard
