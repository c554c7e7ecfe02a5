#pragma once

class QApplication;

namespace pelgo::app {

// The wizard's look: fonts (Verdana where installed, else a close sans) and
// one style sheet for every screen, in the colours of the pictures.
void applyWizardStyle(QApplication& application);

} // namespace pelgo::app
