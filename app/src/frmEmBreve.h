#pragma once

// Stands in for a wizard screen that is not part of this build yet: it says
// so and offers the way back.

#include "WizardScreen.h"

namespace pelgo::app {

class frmEmBreve : public WizardScreen {
    Q_OBJECT
public:
    frmEmBreve(frmMDI& mdi, int number);

    // The screen the back button of a step returns to.
    static int previousOf(int number);

protected:
    void fillScreen() override;
    int backTarget() const override { return previousOf(number()); }
    int fallBackTarget() const override { return kNoScreen; }
};

} // namespace pelgo::app
