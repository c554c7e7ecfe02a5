#include "frmEmBreve.h"

#include "AppText.h"
#include "ImageButton.h"
#include "frmMDI.h"

#include "pelgo/clsPelgo_Geral.h"

#include <QLabel>

namespace pelgo::app {

frmEmBreve::frmEmBreve(frmMDI& mdi, int number)
    : WizardScreen(mdi, number)
{
    setObjectName(QStringLiteral("frmEmBreve%1").arg(number));
    addStandardButtons(true, false, false);
}

int frmEmBreve::previousOf(int number)
{
    switch (number) {
    case 1: return -1;
    case 7: case 8: case 9: case 10: case 11: case 12: case 15: return 6;
    case 13: return 11;
    case 14: return 12;
    case 16: return 9;
    case 17: return 10;
    default: return number - 1;
    }
}

void frmEmBreve::fillScreen()
{
    auto* notice = new QLabel(body());
    notice->setObjectName(QStringLiteral("lblTEmBreve"));
    notice->setProperty("notice", true);
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    notice->setGeometry(89, 110, 500, 120);
    notice->setText(shellText(mdi().textLanguage(), "TEMBREVE", QStringLiteral("This step is not available yet.")));

    clsPelgo_Geral catalogue;
    catalogue.CarregaXML(ss(mdi().textLanguage()), "BOTOES");
    setPicture(button(QStringLiteral("imgbtVoltar")), catalogue.GetTextosPelgo("BTVOLTAR"));
}

} // namespace pelgo::app
