#pragma once

// The language and market screen: the first screen of the wizard.

#include "WizardScreen.h"

#include <memory>

class QComboBox;

namespace pelgo {
class clsInicio;
}

namespace pelgo::app {

class frmInicio : public WizardScreen {
    Q_OBJECT
public:
    frmInicio(frmMDI& mdi, int number);
    ~frmInicio() override;

    QComboBox* idiomas() const { return cboIdioma_; }
    QComboBox* mercados() const { return cboMercado_; }

protected:
    void fillScreen() override;
    int fallBackTarget() const override { return kNoScreen; }
    bool validate() override;
    void store() override;
    int forwardTarget() const override { return 0; }
    bool keepsEntriesOnForward() const override { return false; }
    QString helpPage() const override { return QStringLiteral("Inicial"); }
    QString helpLanguage() const override { return languageCode(); }

private:
    QString languageCode() const;
    void languageChosen(int index);

    std::unique_ptr<clsInicio> inicio_;
    QComboBox* cboIdioma_;
    QComboBox* cboMercado_;
    std::string standard_;
};

} // namespace pelgo::app
