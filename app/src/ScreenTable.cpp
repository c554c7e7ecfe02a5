#include "ScreenTable.h"

#include "frmAbertura.h"
#include "frmEmBreve.h"
#include "frmFundo.h"
#include "frmInicio.h"

namespace pelgo::app {

namespace {
template <typename Screen>
frmFundo::Factory make()
{
    return [](frmMDI& mdi, int number) -> WizardScreen* { return new Screen(mdi, number); };
}
} // namespace

void registerScreens(frmFundo& router)
{
    router.registerScreen(-1, make<frmInicio>());
    router.registerScreen(0, make<frmAbertura>());
    // Steps 1 to 14 and the report (15 to 17) until their screens are built.
    for (int number = 1; number <= 17; ++number)
        router.registerScreen(number, make<frmEmBreve>());
}

} // namespace pelgo::app
