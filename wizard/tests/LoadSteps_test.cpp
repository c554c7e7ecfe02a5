// Steps 4 and 5 on the shipped data: defaults, the interval and unit
// conversions, validation order and messages, and what forward writes.

#include "WizardSupport.h"

#include "pelgo/Numbers.h"
#include "pelgo/wizard/Conversions.h"

#include <functional>

namespace pelgo::wizard {
namespace {

using test::catalogueText;

const std::string kRelativeUnit = "\xC3\x97 Jmotor"; // "× Jmotor"

class LoadData : public test::ShippedDataTest {
protected:
    void SetUp() override { test::passSteps(record, "7.5", 3); }
    std::string message(const std::string& tag) { return catalogueText("ENG", "CONSISTEETAPA4", tag); }
    static void chooseStarts(Etapa4& step, const char* starts) { step.chooseStartsPerHour(step.startsPerHour().findText(starts)); }
    static void chooseUnit(Etapa4& step, const char* unit) { step.chooseIntervalUnit(step.intervalUnits().findText(unit)); }
};

TEST_F(LoadData, StartsOnTheSecondLoadTypeWithItsDefaults)
{
    Etapa4 step(record);
    ASSERT_TRUE(step.started());
    EXPECT_EQ(step.loadTypes().selected(), 1);
    EXPECT_EQ(step.inertiaUnits().selected(), step.inertiaUnits().size() - 1);
    EXPECT_EQ(step.inertiaUnits().text(), kRelativeUnit);
    EXPECT_EQ(step.intervalUnits().selected(), 0);
    EXPECT_EQ(step.inertia, shown(step.texts().InerciaEixoMotor()));
    EXPECT_EQ(step.dutyFactor, "90");
    EXPECT_EQ(step.startsPerHour().value(), step.texts().NrNumeroPartidasHora());
    EXPECT_EQ(step.interval, shown(3600.0 / step.startsPerHour().value() / 60));
    EXPECT_EQ(step.message(), step.texts().ObsCarga());
    for (int k = 0; k < kSpeedPoints; ++k)
        EXPECT_EQ(step.torquePoints[k], shown(step.texts().VlC(k)));
}

TEST_F(LoadData, IntervalFollowsStartsPerHourAndItsUnit)
{
    Etapa4 step(record);
    chooseUnit(step, "min");
    chooseStarts(step, "10");
    EXPECT_EQ(step.interval, "6");
    chooseUnit(step, "s");
    EXPECT_EQ(step.interval, "360");
    chooseUnit(step, "min");
    EXPECT_EQ(step.interval, "6");
    chooseUnit(step, "min");
    EXPECT_EQ(step.interval, "6") << "the same unit again converts nothing";

    step.interval = "6.4";
    chooseUnit(step, "s");
    EXPECT_EQ(step.interval, "360") << "the interval is made whole before it is converted";

    step.interval = "abc";
    chooseUnit(step, "min");
    EXPECT_EQ(step.interval, "abc") << "a text that is not a number stays for validation to report";
}

TEST_F(LoadData, ChangingTheInertiaUnitEmptiesTheInertia)
{
    Etapa4 step(record);
    step.chooseInertiaUnit(0);
    EXPECT_EQ(step.inertia, "");
    const FieldMessage result = step.validate();
    EXPECT_EQ(result.field, "txtInerciaEixoMotor");
    EXPECT_EQ(result.message, message("MP_INERCIACARGA"));
}

TEST_F(LoadData, ValidatesInTheScreensOrder)
{
    struct Case {
        std::function<void(Etapa4&)> edit;
        const char* control;
        const char* tag;
    };
    const Case cases[] = {
        {[](Etapa4& s) { s.inertia = "abc"; }, "txtInerciaEixoMotor", "MN_INERCIACARGA"},
        {[](Etapa4& s) { s.inertia = "0.01"; }, "txtInerciaEixoMotor", "MF_INFERIORMINIMOACEITAVEL"},
        {[](Etapa4& s) { s.inertia = "1000"; }, "txtInerciaEixoMotor", "MF_SUPERIORMAXIMOACEITAVEL"},
        {[](Etapa4& s) { s.interval = ""; }, "txtIntervaloPartidas", "MP_INTERVALOPARTIDA"},
        {[](Etapa4& s) { chooseStarts(s, "10"); s.interval = "7"; }, "txtIntervaloPartidas", "MI_NUMEROPARTIDA"},
        {[](Etapa4& s) { chooseStarts(s, "10"); s.interval = "6"; }, "", ""},
        {[](Etapa4& s) { s.dutyFactor = "x"; }, "txtFatorUtilizacao", "MN_FATORUTILIZACAO"},
        {[](Etapa4& s) { s.dutyFactor = "39.9"; }, "txtFatorUtilizacao", "MF_MINIMOACEITAVEL40"},
        {[](Etapa4& s) { s.dutyFactor = "40"; }, "", ""},
        {[](Etapa4& s) { s.dutyFactor = "100"; }, "", ""},
        {[](Etapa4& s) { s.dutyFactor = "100.1"; }, "txtFatorUtilizacao", "MF_MINIMOACEITAVEL100"},
        {[](Etapa4& s) { s.torquePoints[0] = ""; }, "fltCCN(0)", "MP_C0"},
        {[](Etapa4& s) { s.torquePoints[1] = "-1000"; }, "fltCCN(1)", "MF_C10MINIMOACEITAVEL"},
        {[](Etapa4& s) { s.torquePoints[10] = "1000"; }, "fltCCN(10)", "MF_C100MAXIMOACEITAVEL"},
        {[](Etapa4& s) { s.inertia = ""; s.interval = ""; }, "txtInerciaEixoMotor", "MP_INERCIACARGA"},
        {[](Etapa4& s) { s.interval = ""; s.dutyFactor = ""; }, "txtIntervaloPartidas", "MP_INTERVALOPARTIDA"},
    };
    for (const Case& c : cases) {
        Etapa4 step(record);
        c.edit(step);
        const FieldMessage result = step.validate();
        EXPECT_EQ(result.field, c.control) << c.tag;
        EXPECT_EQ(result.message, *c.tag ? message(c.tag) : "") << c.tag;
        EXPECT_EQ(step.message(), result.message) << "the message box shows the result";
    }
}

TEST_F(LoadData, ListsLeftWithoutChoiceAreReported)
{
    struct Case {
        std::function<void(Etapa4&)> edit;
        const char* control;
        const char* tag;
    };
    const Case cases[] = {
        {[](Etapa4& s) { s.chooseInertiaUnit(-1); s.inertia = "2"; }, "cmbUnidadeInercia", "MP_UNIDADEINERCIA"},
        {[](Etapa4& s) { s.chooseStartsPerHour(-1); }, "cmbNumeroPartidasHora", "MP_NUMEROPARTIDASHORA"},
        {[](Etapa4& s) { s.chooseIntervalUnit(-1); }, "cmbUnidadeIntervaloPartidas", "MP_UNIDADEINTERVALO"},
    };
    for (const Case& c : cases) {
        Etapa4 step(record);
        c.edit(step);
        const FieldMessage result = step.validate();
        EXPECT_EQ(result.field, c.control);
        EXPECT_EQ(result.message, message(c.tag));
    }
}

TEST_F(LoadData, InertiaInKilogramSquareMetresIsCheckedAgainstTheMotorsInertia)
{
    Etapa4 step(record);
    step.chooseInertiaUnit(step.inertiaUnits().findText("kgm\xC2\xB2"));
    step.inertia = shown(record.MomentoInercia() * step.texts().InerciaEixoMotorMinima());
    test::pass(step, record);
    EXPECT_DOUBLE_EQ(record.InerciaCargaEixoMotor(), record.MomentoInercia() * step.texts().InerciaEixoMotorMinima());
}

TEST_F(LoadData, ForwardWritesTheLoad)
{
    Etapa4 step(record);
    step.reference = "Pump P-1";
    chooseStarts(step, "10");
    step.inertia = "3";
    const std::string remark = step.texts().ObsCarga();
    step.dutyFactor = "10";
    ASSERT_FALSE(step.validate().ok());
    step.dutyFactor = "85";
    test::pass(step, record);

    EXPECT_EQ(record.C(), joined(step.torquePoints.data(), 11, "|"));
    EXPECT_DOUBLE_EQ(record.InerciaCargaEixoMotor(), 3 * record.MomentoInercia());
    EXPECT_EQ(record.IntervaloParttidaSeg(), 360);
    EXPECT_EQ(record.FatorUtilizacao(), 85);
    EXPECT_EQ(record.PartidasHora(), 10);
    EXPECT_EQ(record.Aplicacao(), step.loadTypes().text());
    EXPECT_EQ(record.MomentoInerciaCarga(), "3 " + kRelativeUnit);
    EXPECT_EQ(record.descIntervaloPartidas(), "6 min");
    EXPECT_EQ(record.ReferenciaAplicacao(), "Pump P-1");
    EXPECT_EQ(record.TA_Cmax(), shown(step.texts().MaiorCMax()));
    EXPECT_EQ(record.ObservacoesImportantes(), remark) << "the remark, not the last validation message";
}

TEST_F(LoadData, ChartScaleFollowsTheLoadTypesBand)
{
    Etapa4 step(record);
    EXPECT_EQ(step.chart().fullScale, step.texts().MaiorCMax() > 100 ? 120 : 100);
    for (int type = 0; type < step.loadTypes().size(); ++type) {
        step.chooseLoadType(type);
        const LoadChart chart = step.chart();
        EXPECT_EQ(chart.fullScale, step.texts().MaiorCMax() > 100 ? 120 : 100) << type;
        EXPECT_EQ(chart.scaleValues.back(), chart.fullScale);
        EXPECT_TRUE(chart.curve.has_value());
    }
    step.torquePoints[3] = "";
    EXPECT_FALSE(step.chart().curve.has_value());
}

class Installation : public test::ShippedDataTest {
protected:
    void SetUp() override { test::passSteps(record, "7.5", 4); }
};

TEST_F(Installation, StartsOnTheMarketDefaults)
{
    Etapa5 step(record);
    ASSERT_TRUE(step.started());
    EXPECT_EQ(step.altitudeUnits().text(), "m");
    EXPECT_EQ(step.altitudes().value(), 1000);
    EXPECT_EQ(step.temperatureUnits().text(), "\xC2\xB0 C");
    EXPECT_EQ(step.temperatures().value(), 40);
    EXPECT_EQ(step.supplyVoltages().value(), record.TensaoNominal());
    EXPECT_EQ(step.voltageDrops().text(), "10");
    EXPECT_EQ(step.controlVoltages().selected(), 0);
    EXPECT_EQ(step.connections().size(), 1) << "a motor below 120 A has the standard connection only";
    EXPECT_EQ(step.connections().value(), 1);
    EXPECT_EQ(step.byPass().text(), step.texts().Nao());
    EXPECT_EQ(step.byPass().value(), 1);
}

TEST_F(Installation, ASupplyBelowTheMotorsVoltageIsRefused)
{
    Etapa5 step(record);
    step.chooseSupplyVoltage(step.supplyVoltages().findText("380"));
    const FieldMessage result = step.validate();
    EXPECT_EQ(result.field, "cmbTensaoRedeTrifasica");
    EXPECT_EQ(result.message, catalogueText("ENG", "CONSISTEETAPA5", "MV_TENSAOSELECIONADA"));
    record.setTensaoRedeTrifasica(0);
    EXPECT_FALSE(step.forward(record).ok());
    EXPECT_EQ(record.TensaoRedeTrifasica(), 0) << "nothing is written";
}

TEST_F(Installation, ListsLeftWithoutChoiceAreReported)
{
    struct Case {
        std::function<void(Etapa5&)> edit;
        const char* control;
        const char* tag;
    };
    const Case cases[] = {
        {[](Etapa5& s) { s.chooseAltitude(-1); }, "cmbAltitude", "MP_ALTITUDE"},
        {[](Etapa5& s) { s.chooseTemperature(-1); }, "cmbTemperatura", "MP_TEMPERATURA"},
        {[](Etapa5& s) { s.chooseSupplyVoltage(-1); }, "cmbTensaoRedeTrifasica", "MP_TENSAOREDETRIFASICA"},
        {[](Etapa5& s) { s.chooseVoltageDrop(-1); }, "cmbQuedaTensaoPartida", "MP_QUEDATENSAOPARTIDA"},
        {[](Etapa5& s) { s.chooseControlVoltage(-1); }, "cmbTensaoComando", "MP_TENSAOCOMANDO"},
    };
    for (const Case& c : cases) {
        Etapa5 step(record);
        c.edit(step);
        const FieldMessage result = step.validate();
        EXPECT_EQ(result.field, c.control);
        EXPECT_EQ(result.message, catalogueText("ENG", "CONSISTEETAPA5", c.tag));
    }
}

TEST_F(Installation, ChangingAUnitKeepsThePositionInTheParallelList)
{
    Etapa5 step(record);
    step.chooseAltitude(2);
    step.chooseAltitudeUnit(step.altitudeUnits().findText("ft"));
    EXPECT_EQ(step.altitudes().selected(), 2);
    EXPECT_EQ(step.altitudes().value(), 6562);
    step.chooseTemperatureUnit(step.temperatureUnits().findText("\xC2\xB0 F"));
    EXPECT_EQ(step.temperatures().value(), 104);

    test::pass(step, record);
    EXPECT_EQ(record.Altitudem(), 2000);
    EXPECT_EQ(record.Altitude(), "6562 ft");
    EXPECT_EQ(record.TemperaturaC(), 40);
    EXPECT_EQ(record.Temperatura(), "104 \xC2\xB0 F");
}

TEST_F(Installation, ForwardWritesTheInstallation)
{
    Etapa5 step(record);
    step.chooseVoltageDrop(step.voltageDrops().findText("15"));
    step.chooseByPass(1);
    step.chooseControlVoltage(step.controlVoltages().findText("110"));
    test::pass(step, record);
    EXPECT_EQ(record.Altitudem(), 1000);
    EXPECT_EQ(record.Altitude(), "1000 m");
    EXPECT_EQ(record.TemperaturaC(), 40);
    EXPECT_EQ(record.QuedaTensao(), 0.7225);
    EXPECT_EQ(record.QuedaTensaoPartida(), "15 %");
    EXPECT_EQ(record.ByPass(), 0);
    EXPECT_EQ(record.descByPass(), step.texts().Sim());
    EXPECT_EQ(record.LigacaoMotor(), 1);
    EXPECT_EQ(record.descLigacaoMotor(), step.connections().text());
    EXPECT_EQ(record.TensaoComando(), 110);
    EXPECT_EQ(record.TensaoRedeTrifasica(), 400);
    EXPECT_EQ(step.forwardScreen(), 6);
}

TEST_F(Installation, AMotorOf120AmperesOffersTheConnections)
{
    record.setCorrenteNominal(120);
    Etapa5 step(record);
    ASSERT_GT(step.connections().size(), 1);
    step.chooseConnection(1);
    test::pass(step, record);
    EXPECT_EQ(record.LigacaoMotor(), step.connections().valueAt(1));
    EXPECT_EQ(record.descLigacaoMotor(), step.connections().textAt(1));
}

TEST(InstallationUnits, FeetAndFahrenheitAreStoredInMetresAndCelsius)
{
    test::ProgramFolderGuard folder{test::shippedData()};
    test::LocaleGuard locale{test::kPointLocale};
    clsPelgo record = test::languageChosen("ENG", "U", "NEMA");
    test::passSteps(record, "10", 4);
    Etapa5 step(record);
    EXPECT_EQ(step.altitudes().text(), "3281");
    EXPECT_EQ(step.temperatures().text(), "104");
    test::pass(step, record);
    EXPECT_EQ(record.Altitudem(), 1000);
    EXPECT_EQ(record.TemperaturaC(), 40);
}

} // namespace
} // namespace pelgo::wizard
