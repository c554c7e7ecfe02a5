// Steps 1 to 3 on the shipped data: defaults, list refills, validation order
// and messages, and what forward writes into the sizing record.

#include "WizardSupport.h"

#include "pelgo/Numbers.h"
#include "pelgo/wizard/Conversions.h"

#include <functional>

namespace pelgo::wizard {
namespace {

using test::catalogueText;
using test::ShippedDataTest;

class MotorSelection : public ShippedDataTest {};

TEST_F(MotorSelection, LoadsWithTheMarketDefaultsAndNoPowerChosen)
{
    Etapa1 step(record);
    ASSERT_TRUE(step.started());
    EXPECT_EQ(step.lines().value().code, "201");
    EXPECT_EQ(step.frequencyText(), "50 Hz");
    EXPECT_EQ(step.poles().value(), 4);
    EXPECT_EQ(step.categories().text(), "N");
    EXPECT_EQ(step.voltages().value(), 400);
    EXPECT_EQ(step.units().text(), "kW");
    EXPECT_FALSE(step.powers().empty());
    EXPECT_FALSE(step.powers().hasSelection());
    EXPECT_EQ(step.forwardScreen(), 2);
    EXPECT_EQ(step.backScreen(), -1);
    EXPECT_EQ(step.helpPage(), "help/Ajuda_Etapa1_ENG.htm");
}

TEST_F(MotorSelection, ForwardWithoutPowerStopsAndWritesNothing)
{
    Etapa1 step(record);
    const FieldMessage result = step.forward(record);
    EXPECT_EQ(result.field, "cmbPotenciaNominal");
    EXPECT_EQ(result.message, catalogueText("ENG", "CONSISTEETAPA1", "MP_POTENCIANOMINAL"));
    EXPECT_EQ(record.PotenciaKw(), 0);
    EXPECT_EQ(record.TipoMotor(), "");
}

TEST_F(MotorSelection, ACategoryOrVoltageLeftWithoutChoiceIsNotStored)
{
    Etapa1 step(record);
    step.choosePower(0);
    step.chooseCategory(-1);
    FieldMessage result = step.forward(record);
    EXPECT_EQ(result.field, "cmbCategoria");
    EXPECT_EQ(result.message, catalogueText("ENG", "CONSISTEETAPA1", "MP_CATEGORIA"));
    step.chooseCategory(0);
    step.chooseVoltage(-1);
    result = step.forward(record);
    EXPECT_EQ(result.field, "cmbTensaoNominal");
    EXPECT_EQ(result.message, catalogueText("ENG", "CONSISTEETAPA1", "MP_TENSAONOMINAL"));
    EXPECT_EQ(record.Categoria(), "");
}

TEST_F(MotorSelection, ChangingLinePolesOrUnitRefillsThePowers)
{
    Etapa1 step(record);
    step.choosePower(step.powers().findText("7.5"));
    ASSERT_TRUE(step.powers().hasSelection());

    step.chooseUnit(step.units().findText("cv"));
    EXPECT_FALSE(step.powers().hasSelection());
    EXPECT_GE(step.powers().findText("10"), 0) << "7.5 kW is offered as 10 cv";

    step.choosePower(0);
    const int line60Hz = step.lines().findLast([](const std::string&, const MotorLine& l) { return l.code == "203"; });
    ASSERT_GE(line60Hz, 0);
    step.chooseLine(line60Hz);
    EXPECT_EQ(step.frequencyText(), "60 Hz");
    EXPECT_FALSE(step.powers().hasSelection());

    step.choosePower(0);
    step.choosePoles(step.poles().findText("2"));
    EXPECT_FALSE(step.powers().hasSelection());
}

TEST_F(MotorSelection, ForwardStoresBothUnitsAtThePositionShown)
{
    Etapa1 step(record);
    step.chooseUnit(step.units().findText("cv"));
    const int shownPosition = step.powers().findText("10");
    step.choosePower(shownPosition);
    test::pass(step, record);

    EXPECT_EQ(record.PotenciaCV(), 10);
    EXPECT_EQ(record.PotenciaKw(), 7.5) << "the kW entry at the same position";
    EXPECT_EQ(record.PotenciaNominal(), "10 cv");
    EXPECT_EQ(record.CdProduto(), 201);
    EXPECT_EQ(record.Frequencia(), 50);
    EXPECT_EQ(record.Polaridade(), 4);
    EXPECT_EQ(record.Categoria(), "N");
    EXPECT_EQ(record.TensaoNominal(), 400);
    EXPECT_EQ(record.TipoMotor(), step.lines().text());
    EXPECT_EQ(step.powers().text(), "10") << "the list keeps showing the chosen unit";
}

// Brazil in Portuguese at 380 V: a 7.5 kW motor whose current, with power
// factor 0.85 and efficiency 90 %, is 14.9 A.
class MotorData : public ::testing::Test {
protected:
    void SetUp() override { test::passStep1(record, "10"); }

    test::ProgramFolderGuard folder{test::shippedData()};
    test::LocaleGuard locale{test::kPointLocale};
    clsPelgo record = test::languageChosen("POR", "BR", "NBR");

    std::string message(const std::string& tag) { return catalogueText("POR", "CONSISTEETAPA2", tag); }
};

TEST_F(MotorData, ShowsTheMotorOfTheTable)
{
    Etapa2 step(record);
    ASSERT_EQ(step.Inicia(), 0);
    EXPECT_EQ(step.powerFactor, shown(step.texts().FatorPotencia()));
    EXPECT_EQ(step.efficiency, shown(step.texts().Rendimento()));
    EXPECT_EQ(step.ratedCurrent, shown(step.texts().CorrenteNominal()));
    EXPECT_EQ(step.lockedRotorTime, shown(step.texts().TempoRotorBloqueado()));
    EXPECT_EQ(step.inertia, shown(step.texts().InerciaMultiplicador() * step.texts().MomentoInercia()));
    EXPECT_EQ(step.serviceFactors().selected(), 0);
    EXPECT_FALSE(step.answerVisible());
    EXPECT_EQ(step.answers().size(), 3);
}

TEST_F(MotorData, ValidatesEachFieldInOrderWithItsMessage)
{
    struct Case {
        std::string Etapa2::*field;
        const char* typed;
        const char* control;
        const char* tag; // "" when valid
    };
    const Case cases[] = {
        {&Etapa2::powerFactor, "0.4", "", ""},
        {&Etapa2::powerFactor, "0.99", "", ""},
        {&Etapa2::powerFactor, "0.39", "txtFatorPotencia", "MF_FATORPOTENCIA"},
        {&Etapa2::powerFactor, "1", "txtFatorPotencia", "MF_FATORPOTENCIA"},
        {&Etapa2::powerFactor, "", "txtFatorPotencia", "MP_FATORPOTENCIA"},
        {&Etapa2::powerFactor, "abc", "txtFatorPotencia", "MN_FATORPOTENCIA"},
        {&Etapa2::efficiency, "44.9", "txtRendimento", "MF_RENDIMENTO"},
        {&Etapa2::efficiency, "99", "", ""},
        {&Etapa2::ratedCurrent, "13.41", "", ""},
        {&Etapa2::ratedCurrent, "17.88", "", ""},
        {&Etapa2::ratedCurrent, "13.40", "txtCorrenteNominal", "MF_CORRENTENOMINAL"},
        {&Etapa2::ratedCurrent, "17.89", "txtCorrenteNominal", "MF_CORRENTENOMINAL"},
        {&Etapa2::ratedCurrent, "x", "txtCorrenteNominal", "MN_CORRENTENOMINAL"},
        {&Etapa2::lockedRotorTime, "1", "txtTempoRotorBloqueado", "MF_TEMPOROTORBLOQUEADO"},
        {&Etapa2::lockedRotorTime, "91", "", ""},
        {&Etapa2::inertia, "", "txtMomentoInerciaJ", "MP_MOMENTOINERCIA"},
    };
    for (const Case& c : cases) {
        Etapa2 step(record);
        step.powerFactor = "0.85";
        step.efficiency = "90";
        step.ratedCurrent = "14.9";
        step.*(c.field) = c.typed;
        // A new power factor or efficiency moves the current's bounds with it.
        if (c.field == &Etapa2::powerFactor)
            step.leavePowerFactor();
        if (c.field == &Etapa2::efficiency)
            step.leaveEfficiency();
        const FieldMessage result = step.validate();
        EXPECT_EQ(result.field, c.control) << c.typed;
        EXPECT_EQ(result.message, *c.tag ? message(c.tag) : "") << c.typed;
    }
}

TEST_F(MotorData, FirstInvalidFieldWins)
{
    Etapa2 step(record);
    step.efficiency = "";
    step.lockedRotorTime = "";
    step.powerFactor = "2";
    EXPECT_EQ(step.validate().field, "txtFatorPotencia");
    step.powerFactor = "0.8";
    EXPECT_EQ(step.validate().field, "txtRendimento");
}

TEST_F(MotorData, ANewPowerFactorOrEfficiencyRecomputesTheCurrent)
{
    Etapa2 step(record);
    const std::string fromTable = step.ratedCurrent;
    step.ratedCurrent = "99";
    step.powerFactor = shown(step.texts().FatorPotencia());
    step.leavePowerFactor();
    EXPECT_EQ(step.ratedCurrent, "99") << "the table's own value changes nothing";

    step.powerFactor = "0.85";
    step.efficiency = "90";
    step.leaveEfficiency();
    EXPECT_EQ(step.ratedCurrent, "14.9");

    step.efficiency = "abc";
    step.ratedCurrent = "1";
    step.leavePowerFactor();
    EXPECT_EQ(step.ratedCurrent, "1") << "no recomputation while a field is not a number";
}

TEST_F(MotorData, AServiceFactorThatAsksMustBeAnswered)
{
    Etapa2 step(record);
    step.chooseServiceFactor(step.serviceFactors().findText("1.15"));
    ASSERT_TRUE(step.answerVisible());
    EXPECT_EQ(step.answers().selected(), Etapa2::kAnswerPrompt);
    const FieldMessage unanswered = step.validate();
    EXPECT_EQ(unanswered.field, "cmbeu");
    EXPECT_EQ(unanswered.message, message("MR_FATORSERVICO"));

    step.chooseAnswer(Etapa2::kAnswerYes);
    test::pass(step, record);
    EXPECT_EQ(record.FatorServico(), 1.15);

    step.chooseAnswer(Etapa2::kAnswerNo);
    EXPECT_FALSE(step.answerVisible());
    EXPECT_EQ(step.serviceFactors().selected(), 0);
    test::pass(step, record);
    EXPECT_EQ(record.FatorServico(), 1);
}

TEST_F(MotorData, ForwardWritesTheMotorData)
{
    Etapa2 step(record);
    step.ratedCurrent = "15.2";
    step.lockedRotorTime = "12";
    step.inertia = "0.05";
    test::pass(step, record);
    EXPECT_EQ(record.CorrenteNominal(), 15.2);
    EXPECT_EQ(record.TempoRotorBloqueado(), 12);
    EXPECT_EQ(record.MomentoInercia(), 0.05);
    EXPECT_EQ(record.descMomentoInercia(), "0.05 " + step.inertiaUnit());
    EXPECT_EQ(record.Carcaca(), step.texts().Carcaca());
    EXPECT_EQ(record.ConjugadoNominalMotor(), step.texts().ConjugadoNominalMotor());
    EXPECT_EQ(record.ConjugadoNominalMotorTela(), step.texts().ConjugadoNominalMotorTela());
    EXPECT_EQ(record.FatorServico(), 1);
    EXPECT_EQ(step.forwardScreen(), 3);
    EXPECT_EQ(step.backScreen(), 1);
}

TEST_F(MotorData, AnEstimatedMotorMustBeCompletedByTheUser)
{
    record.setPotenciaKw(7.4); // no such motor in the table
    Etapa2 step(record);
    ASSERT_EQ(step.Inicia(), 1);
    EXPECT_TRUE(step.started());
    EXPECT_EQ(step.lockedRotorTime, "");
    EXPECT_EQ(step.inertia, "");
    const FieldMessage result = step.validate();
    EXPECT_EQ(result.field, "txtTempoRotorBloqueado");
    EXPECT_EQ(result.message, message("MP_TEMPOROTORBLOQUEADO"));
}

TEST(MotorDataUnits, InertiaInPoundFeetSquaredIsStoredInKilogramSquareMetres)
{
    test::ProgramFolderGuard folder{test::shippedData()};
    test::LocaleGuard locale{test::kPointLocale};
    clsPelgo record = test::languageChosen("ENG", "U", "NEMA");
    test::passStep1(record, "10");
    Etapa2 step(record);
    EXPECT_EQ(step.inertiaUnit(), "Lb.ft\xC2\xB2");
    step.inertia = "23.73";
    test::pass(step, record);
    EXPECT_DOUBLE_EQ(record.MomentoInercia(), 1);
    EXPECT_EQ(record.descMomentoInercia(), "23.73 Lb.ft\xC2\xB2");
}

class MotorCurves : public ShippedDataTest {
protected:
    void SetUp() override { test::passSteps(record, "7.5", 2); }
    std::string message(const std::string& tag) { return catalogueText("ENG", "CONSISTEETAPA3", tag); }
};

TEST_F(MotorCurves, EstimatesTheCurvesOfATableMotorAtLoad)
{
    Etapa3 step(record);
    ASSERT_TRUE(step.started());
    EXPECT_EQ(step.lockedRotorTorque, shown(step.texts().vl_cp_cn()));
    EXPECT_EQ(step.torquePoints[10], "1");
    EXPECT_EQ(step.currentPoints[10], "1");
    EXPECT_EQ(step.torquePoints[0], shown(step.texts().CCnByIndex(0)));
    EXPECT_TRUE(step.chartCurves().has_value());
    EXPECT_EQ(step.ratedTorqueText(),
              shown(record.ConjugadoNominalMotorTela()) + " " + step.texts().UnidadeConjugadoNominal());
}

TEST_F(MotorCurves, EstimatingReplacesEditedPointsOnlyWithThreeValuesAboveZero)
{
    Etapa3 step(record);
    const auto estimated = step.torquePoints;
    step.torquePoints[4] = "9";
    step.lockedRotorTorque = "0";
    step.estimate();
    EXPECT_EQ(step.torquePoints[4], "9");
    step.lockedRotorTorque = "x";
    step.estimate();
    EXPECT_EQ(step.torquePoints[4], "9");
    step.lockedRotorTorque = shown(step.texts().vl_cp_cn());
    step.estimate();
    EXPECT_EQ(step.torquePoints, estimated);
}

TEST_F(MotorCurves, ValidatesTheThreeValuesThenThePointsInPairs)
{
    struct Case {
        std::function<void(Etapa3&)> edit;
        const char* control;
        const char* tag;
    };
    const Case cases[] = {
        {[](Etapa3& s) { s.lockedRotorTorque = "0.19"; }, "txtConjugadoRotorBloqueado", "MF_CONJUGADOROTORBLOQUEADO"},
        {[](Etapa3& s) { s.breakdownTorque = "4.01"; }, "txtConjugadoMaximo", "MF_CONJUNTOMAXIMO"},
        {[](Etapa3& s) { s.lockedRotorCurrent = "10.01"; }, "txtCorrenteRotorBloqueado", "MF_CORRENTEROTORBLOQUEADO"},
        {[](Etapa3& s) { s.lockedRotorCurrent = "10"; }, "", ""},
        {[](Etapa3& s) { s.torquePoints[5] = "x"; }, "txtCCN(5)", "MN_CCN50"},
        {[](Etapa3& s) { s.currentPoints[0] = ""; }, "txtIIN(0)", "MP_IIN0"},
        {[](Etapa3& s) { s.currentPoints[0] = ""; s.torquePoints[1] = ""; }, "txtIIN(0)", "MP_IIN0"},
        {[](Etapa3& s) { s.currentPoints[1] = ""; s.torquePoints[1] = ""; }, "txtCCN(1)", "MP_CCN10"},
        {[](Etapa3& s) { s.currentPoints[10] = "-"; }, "txtIIN(10)", "MN_IIN100"},
    };
    for (const Case& c : cases) {
        Etapa3 step(record);
        c.edit(step);
        const FieldMessage result = step.validate();
        EXPECT_EQ(result.field, c.control);
        EXPECT_EQ(result.message, *c.tag ? message(c.tag) : "") << c.control;
    }
}

TEST_F(MotorCurves, APointThatIsNotANumberLeavesTheChartWithoutCurves)
{
    Etapa3 step(record);
    step.torquePoints[5] = "x";
    EXPECT_FALSE(step.chartCurves().has_value());
}

TEST_F(MotorCurves, ForwardStoresThePointsExactlyAsTyped)
{
    test::LocaleGuard comma(test::kCommaLocale);
    Etapa3 step(record);
    step.torquePoints = {"2,2", "2,02", "1,91", "1,5", "1,91", "2,03", "2,23", "2,5", "2,49", "1,68", "1"};
    step.lockedRotorCurrent = "6,8";
    test::pass(step, record);
    EXPECT_EQ(record.CCn(), "2,2|2,02|1,91|1,5|1,91|2,03|2,23|2,5|2,49|1,68|1");
    EXPECT_EQ(record.IIn(), joined(step.currentPoints.data(), 11, "|"));
    EXPECT_EQ(record.CorrenteRotorBloqueado(), "6,8 pu");
    EXPECT_EQ(record.ConjugadoRotorBloqueado(), step.lockedRotorTorque + " pu");
    EXPECT_EQ(record.ConjugadoMaximo(), step.breakdownTorque + " pu");
}

} // namespace
} // namespace pelgo::wizard
