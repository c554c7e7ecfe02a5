// Step 7: the texts of the new-pedestal screen.

#include "EngineFixture.h"

#include "pelgo/DataError.h"
#include "pelgo/clsEtapa7.h"

#include <gtest/gtest.h>

namespace {

TEST(Etapa7, IniciaReadsTheTextsOfFourSections)
{
    pelgo::test::EngineFolder folder;
    pelgo::clsEtapa7 step;
    EXPECT_EQ(step.TNovoPedestal(), "");
    EXPECT_EQ(step.Inicia("ENG"), 0);
    EXPECT_EQ(step.PartidaRampaTencao(), "ENG/ETAPA6/PARTIDARAMPATENCAO");
    EXPECT_EQ(step.TPedestalMinimo(), "ENG/ETAPA7/TPEDESTALMINIMO");
    EXPECT_EQ(step.TNovoPedestal(), "ENG/ETAPA7/TNOVOPEDESTAL");
    EXPECT_EQ(step.TMensagem(), "ENG/ETAPA1/TMENSAGEM");
    EXPECT_EQ(step.btCalcular(), "ENG/BOTOES/BTCALCULAR");
    EXPECT_EQ(step.btCancelar(), "ENG/BOTOES/BTCANCELAR");
    EXPECT_EQ(step.btAjuda(), "ENG/BOTOES/BTAJUDA");
}

TEST(Etapa7, UnknownLanguageIsADataError)
{
    pelgo::test::EngineFolder folder;
    pelgo::clsEtapa7 step;
    EXPECT_THROW(step.Inicia("XYZ"), pelgo::DataError);
}

} // namespace
