#pragma once

// The opening page: purpose and advantages of the program, the legal note and
// the access button that leads to step 1.

#include "WizardScreen.h"

#include <memory>

class QTextEdit;

namespace pelgo {
class clsAbertura;
}

namespace pelgo::app {

class frmAbertura : public WizardScreen {
    Q_OBJECT
public:
    frmAbertura(frmMDI& mdi, int number);
    ~frmAbertura() override;

protected:
    std::int16_t iniciaStep() override;
    void fillScreen() override;

private:
    std::unique_ptr<clsAbertura> abertura_;
    QTextEdit* rtfFinalidade_;
    QTextEdit* rtbVantagens_;
    QTextEdit* rtfCopyright_;
};

} // namespace pelgo::app
