// Steps 6 to 8: the results copied into the record with their two
// conditional minima, a failed sizing, and the checks of the user's own
// pedestal and current limit.

#include "WizardSupport.h"

#include "pelgo/wizard/Adjustment.h"
#include "pelgo/wizard/Conversions.h"
#include "pelgo/wizard/Etapa6.h"

namespace pelgo::wizard {
namespace {

using test::catalogueText;

class Results : public test::ShippedDataTest {
protected:
    void SetUp() override { test::passSteps(record, "7.5", 5); }
};

TEST_F(Results, SizesBothMethodsAndCopiesTheResults)
{
    Etapa6 step(record);
    ASSERT_TRUE(step.sized()) << step.failureMessage();
    const clsEtapa6& e = step.texts();
    EXPECT_EQ(record.PedestalTensao(), e.PedestalTensao());
    EXPECT_EQ(record.TempoAceleracaoRampaTensao(), e.TempoAceleracaoRampaTensao());
    EXPECT_EQ(record.CorrenteEficazRampaTensao(), e.CorrenteEficazPartidaRampaTensao());
    EXPECT_EQ(record.SessionTempoAceleracaoRampaTensao(), e.TempoAceleracaoRampaTensaoN());
    EXPECT_EQ(record.TensaoRampaTensao(), e.TensaoRampaTensao());
    EXPECT_EQ(record.ConjugadoEscalaRampaTensao(), e.ConjugadoEscalaRampaTensao());
    EXPECT_EQ(record.ModeloRampaTensaoTarvo(), e.ModeloTarvoRampaTensao());
    EXPECT_EQ(record.ModeloRampaTensaoTarvo06(), e.ModeloRampaTensaoTarvo06());
    EXPECT_EQ(record.NrReferenciaRampaTensao(), std::to_string(e.NrReferenciaRampaTensao()));
    EXPECT_EQ(record.LimitacaoCorrente(), e.LimitacaoCorrente());
    EXPECT_EQ(record.CorrenteEficazLimitacaoCorrente(), e.CorrenteEficazPartidaLimitacaoCorrente());
    EXPECT_EQ(record.SessionTempoAceleracaoLimitacaoCorrente(), e.SessionTempoAceleracaoLimitacaoCorrente());
    EXPECT_EQ(record.ModeloLimitacaoCorrenteTarvo(), e.ModeloTarvoLimitacaoCorrente());
    EXPECT_EQ(record.CorrenteSaidaTarvoLimitacaoCorrente(), e.CorrenteSaidaTarvoLimitacaoCorrente());
    EXPECT_EQ(record.DisponivelRampaTensao(), e.DisponivelRampaTensao());
    EXPECT_EQ(record.DisponivelLimitacaoCorrente(), e.DisponivelLimitacaoCorrente());
    EXPECT_EQ(record.PedestalMinimo(), e.PedestalMinimo());
    EXPECT_EQ(record.LimitacaoCorrenteMinima(), e.LimitacaoCorrenteMinimo());
    EXPECT_GT(record.PedestalTensao(), 0);

    const MethodResult ramp = step.ramp();
    EXPECT_EQ(ramp.model, e.ModeloTarvoRampaTensao());
    EXPECT_EQ(ramp.settingText(), shown(e.PedestalTensao()) + " %");
    EXPECT_EQ(ramp.timeText(), shown(e.TempoAceleracaoRampaTensao()) + " s");
    EXPECT_EQ(step.currentLimit().rmsCurrentText(), shown(e.CorrenteEficazPartidaLimitacaoCorrente()) + " A");
    EXPECT_EQ(step.parametersScreen(), e.NrReferenciaRampaTensao() == 5 ? 9 : 10);
}

TEST_F(Results, TheUsersOwnSettingKeepsTheMinimaOfTheAutomaticSearch)
{
    { Etapa6 automatic(record); ASSERT_TRUE(automatic.sized()); }
    const double pedestalMinimum = record.PedestalMinimo();
    const double limitMinimum = record.LimitacaoCorrenteMinima();
    record.setNovoPedestalTensao(pedestalMinimum + 20);
    record.setNovaLimitacaoCorrente(limitMinimum + 30);

    Etapa6 step(record);
    ASSERT_TRUE(step.sized());
    EXPECT_EQ(record.PedestalMinimo(), pedestalMinimum);
    EXPECT_EQ(record.LimitacaoCorrenteMinima(), limitMinimum);
    EXPECT_GE(record.PedestalTensao(), pedestalMinimum + 20);
    EXPECT_GE(record.LimitacaoCorrente(), limitMinimum + 30);
}

TEST_F(Results, AFailedSizingCopiesNothing)
{
    record.setPedestalTensao(-1);
    record.setC("300|300|300|300|300|300|300|300|300|300|300");
    Etapa6 step(record);
    EXPECT_EQ(step.Inicia(), 1);
    EXPECT_EQ(step.failureMessage(), catalogueText("ENG", "DIMENSIONAMENTO", "MSGDIMENSIONAMENTO"));
    EXPECT_EQ(step.failureTitle(), step.texts().TituloMensagem());
    EXPECT_EQ(record.PedestalTensao(), -1);
}

TEST_F(Results, BackAndStartAgainForgetTheUsersSettings)
{
    record.setNovoPedestalTensao(50);
    record.setNovaLimitacaoCorrente(300);
    EXPECT_EQ(Etapa6::back(record), 5);
    EXPECT_EQ(record.NovoPedestalTensao(), 0);
    EXPECT_EQ(record.NovaLimitacaoCorrente(), 0);
    record.setNovoPedestalTensao(50);
    EXPECT_EQ(Etapa6::startAgain(record), 1);
    EXPECT_EQ(record.NovoPedestalTensao(), 0);
    EXPECT_EQ(Etapa6::newPedestalScreen(), 7);
    EXPECT_EQ(Etapa6::newCurrentLimitScreen(), 8);
    EXPECT_EQ(Etapa6::rampGraphsScreen(), 11);
    EXPECT_EQ(Etapa6::currentLimitGraphsScreen(), 12);
    EXPECT_EQ(Etapa6::printScreen(), 15);
}

TEST_F(Results, SummaryShowsTheRecordsData)
{
    Etapa6 step(record);
    ASSERT_TRUE(step.sized());
    const DataSummary summary = step.summary(record);
    ASSERT_EQ(summary.motor.size(), 10u);
    EXPECT_EQ(summary.motor[0].caption, step.texts().TPotenciaNominal() + ": ");
    EXPECT_EQ(summary.motor[0].value, record.PotenciaNominal());
    EXPECT_EQ(summary.motor[2].value, "400 V");
    EXPECT_EQ(summary.motor[9].value, record.CorrenteRotorBloqueado());
    ASSERT_EQ(summary.load.size(), 5u);
    const std::string c = record.C();
    EXPECT_EQ(summary.load[1].value, c.substr(c.rfind('|') + 1) + " %") << "the load torque at full speed";
}

// The adjustment screens on a record that the results screen has filled.
class Adjustment : public ::testing::Test {
protected:
    test::ProgramFolderGuard folder{test::shippedData()};
    test::LocaleGuard locale{test::kPointLocale};
    clsPelgo record = test::languageChosen("ENG", "IEC", "IEC");

    void SetUp() override
    {
        record.setPedestalMinimo(30);
        record.setLimitacaoCorrenteMinima(250);
        record.setCorrenteRotorBloqueado("6.5 pu");
    }
};

TEST_F(Adjustment, NewPedestalBetweenTheMinimumAnd99)
{
    const std::string section = "CONSISTEETAPA7";
    struct Case {
        const char* typed;
        std::string message;
    };
    const Case cases[] = {
        {"30", ""},
        {"99", ""},
        {"29", catalogueText("ENG", section, "MF_MINIMOACEITAVEL") + " 30 %!"},
        {"99.5", catalogueText("ENG", section, "MF_MAXIMOACEITAVEL90")},
        {"", catalogueText("ENG", section, "MP_NOVOPEDESTALTENSAO")},
        {"abc", catalogueText("ENG", section, "MN_NOVOPEDESTALTENSAO")},
    };
    for (const Case& c : cases) {
        Etapa7 step(record);
        ASSERT_TRUE(step.started());
        step.value = c.typed;
        const FieldMessage result = step.validate();
        EXPECT_EQ(result.message, c.message) << c.typed;
        EXPECT_EQ(result.field, c.message.empty() ? "" : "txtNovoPedestalTensao");
    }
    Etapa7 step(record);
    EXPECT_EQ(step.minimumText(), "30 %");
    step.value = "45";
    test::pass(step, record);
    EXPECT_EQ(record.NovoPedestalTensao(), 45);
    EXPECT_EQ(step.forwardScreen(), 6);
    EXPECT_EQ(step.backScreen(), 6);
}

TEST_F(Adjustment, NewCurrentLimitUpToTheLockedRotorCurrent)
{
    const std::string section = "CONSISTEETAPA8";
    struct Case {
        const char* typed;
        std::string message;
    };
    const Case cases[] = {
        {"650", ""},
        {"250", ""},
        {"651", catalogueText("ENG", section, "MF_MAXIMOACEITAVEL") + " 650 %!"},
        {"249.9", catalogueText("ENG", section, "MF_MINIMOACEITAVEL") + " 250 %!"},
        {" ", catalogueText("ENG", section, "MN_NOVALIMITACAOCORRENTE")},
    };
    for (const Case& c : cases) {
        Etapa8 step(record);
        step.value = c.typed;
        EXPECT_EQ(step.validate().message, c.message) << c.typed;
    }
    record.setCorrenteRotorBloqueado("4.1 pu");
    Etapa8 binaryNoise(record);
    binaryNoise.value = "410";
    EXPECT_TRUE(binaryNoise.validate().ok()) << "4.1 × 100 is 410, as the message would say";

    Etapa8 step(record);
    step.value = "400";
    test::pass(step, record);
    EXPECT_EQ(record.NovaLimitacaoCorrente(), 400);
}

TEST_F(Adjustment, NumbersFollowTheRegionalForm)
{
    test::LocaleGuard comma(test::kCommaLocale);
    record.setCorrenteRotorBloqueado("6,35 pu");
    record.setLimitacaoCorrenteMinima(250.5);
    Etapa8 step(record);
    EXPECT_EQ(step.minimumText(), "250,5 %");
    step.value = "635,5";
    EXPECT_EQ(step.validate().message,
              catalogueText("ENG", "CONSISTEETAPA8", "MF_MAXIMOACEITAVEL") + " 635 %!");
    step.value = "635";
    EXPECT_TRUE(step.validate().ok());
}

} // namespace
} // namespace pelgo::wizard
