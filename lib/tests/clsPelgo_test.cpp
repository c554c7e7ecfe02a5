#include "TestSupport.h"

#include "pelgo/DataError.h"
#include "pelgo/clsPelgo.h"

using namespace pelgo;
using namespace pelgo::test;

namespace {

TEST(SizingRecord, ANewRecordHoldsZeroEmptyAndFalse)
{
    const clsPelgo record;
    EXPECT_EQ(record.ObservacoesImportantes(), "");
    EXPECT_EQ(record.LimitacaoCorrente(), 0.0);
    EXPECT_FALSE(record.DisponivelRampaTensao());
    EXPECT_EQ(record.ConjugadoEscalaRampaTensao(), 0);
    EXPECT_EQ(record.AlturaTarvoRampaTensao(), 0);
    EXPECT_EQ(record.Norma(), "");
    EXPECT_EQ(record.Titulo(), "");
    EXPECT_EQ(record.Idioma(), "");
}

TEST(SizingRecord, StoresValuesUnchanged)
{
    clsPelgo record;
    record.setDescByPass("  com by-pass ");
    record.setIIn("6,5|6,4|6,2|6|5,8|5,5|5|4,5|3,8|2,5|1");
    record.setC("");
    record.setTA_Cmax("120");
    record.setLimitacaoCorrente(350);
    record.setTensaoNominal(-32768);
    record.setConjugadoEscalaLimitacaoCorrente(100000);
    record.setDisponivelLimitacaoCorrente(true);
    record.setLigacaoMotor(1.732);
    EXPECT_EQ(record.descByPass(), "  com by-pass ");
    EXPECT_EQ(record.IIn(), "6,5|6,4|6,2|6|5,8|5,5|5|4,5|3,8|2,5|1");
    EXPECT_EQ(record.C(), "");
    EXPECT_EQ(record.TA_Cmax(), "120");
    EXPECT_EQ(record.LimitacaoCorrente(), 350.0);
    EXPECT_EQ(record.TensaoNominal(), -32768);
    EXPECT_EQ(record.ConjugadoEscalaLimitacaoCorrente(), 100000);
    EXPECT_TRUE(record.DisponivelLimitacaoCorrente());
    EXPECT_EQ(record.LigacaoMotor(), 1.732);
}

TEST(SizingRecord, TitleComesFromTheCatalogueAndLanguageIsStored)
{
    ProgramFolderGuard folder(fixture("core"));
    clsPelgo record;
    record.SetTitulo("POR");
    EXPECT_EQ(record.Titulo(), "Título POR");
    record.SetTitulo("ENG");
    EXPECT_EQ(record.Titulo(), "Title ENG");
    EXPECT_EQ(record.Idioma(), ""); // the title language is not the chosen language
    record.SetIdioma("ENG");
    EXPECT_EQ(record.Idioma(), "ENG");
    EXPECT_THROW(record.SetTitulo("XXX"), DataError);
    EXPECT_EQ(record.Titulo(), "Title ENG");
}

} // namespace
