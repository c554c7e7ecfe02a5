#include "MotorTestSupport.h"

#include "pelgo/DataError.h"
#include "pelgo/clsEtapa2.h"

#include <gtest/gtest.h>

namespace pelgo {
namespace {

using test::fixture;
using test::MotorDataCopy;
using test::ProgramFolderGuard;
using test::xmlDocument;

// The fixture's table holds 7.5 kW and 0.75 kW, 4 poles, category N, line 101, 60 Hz.
std::int16_t start(clsEtapa2& step, const std::string& market, const std::string& category, double kw,
                   std::int16_t poles = 4, std::int16_t frequency = 60)
{
    return step.Inicia("POR", market, frequency, category, 101, poles, kw, 380);
}

TEST(clsEtapa2, MotorFoundInTheTable)
{
    ProgramFolderGuard folder(fixture("motor"));
    test::LocaleGuard locale(test::kCommaLocale); // the power's element name must not depend on it
    clsEtapa2 step;
    ASSERT_EQ(start(step, "BR", "N", 7.5), 0);
    EXPECT_DOUBLE_EQ(step.FatorPotencia(), 0.85);
    EXPECT_DOUBLE_EQ(step.Rendimento(), 90);
    EXPECT_DOUBLE_EQ(step.CorrenteNominal(), 14.9);
    EXPECT_DOUBLE_EQ(step.TempoRotorBloqueado(), 12.5);
    EXPECT_DOUBLE_EQ(step.MomentoInercia(), 0.0343);
    EXPECT_EQ(step.Carcaca(), "132M");
    // 7.5 × 9555 / 1760 rpm, in N·m and in kgf·m.
    EXPECT_DOUBLE_EQ(step.ConjugadoNominalMotor(), 40.72);
    EXPECT_DOUBLE_EQ(step.ConjugadoNominalMotorTela(), 4.15);
    EXPECT_EQ(step.UnidadeInercia(), "kgm²");
    EXPECT_DOUBLE_EQ(step.InerciaMultiplicador(), 1);
}

TEST(clsEtapa2, TheUnitedStatesMarketShowsTorqueInPoundFeet)
{
    ProgramFolderGuard folder(fixture("motor"));
    clsEtapa2 step;
    ASSERT_EQ(start(step, "U", "N", 7.5), 0);
    EXPECT_DOUBLE_EQ(step.ConjugadoNominalMotorTela(), 30.04);
    EXPECT_EQ(step.UnidadeInercia(), "Lb.ft²");
    EXPECT_DOUBLE_EQ(step.InerciaMultiplicador(), 23.73);
}

TEST(clsEtapa2, MotorNotInTheTableIsEstimated)
{
    ProgramFolderGuard folder(fixture("motor"));
    const struct {
        const char* what;
        std::string category;
        double kw;
    } cases[] = {{"category missing", "H", 7.5}, {"power missing", "N", 7.4}, {"product missing", "D", 7.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clsEtapa2 step;
        const std::int16_t code = c.category == "D" ? step.Inicia("POR", "BR", 60, "D", 102, 4, c.kw, 380)
                                                    : start(step, "BR", c.category, c.kw);
        ASSERT_EQ(code, 1);
        EXPECT_DOUBLE_EQ(step.TempoRotorBloqueado(), 0);
        EXPECT_DOUBLE_EQ(step.MomentoInercia(), 0);
        EXPECT_EQ(step.Carcaca(), "");
        EXPECT_DOUBLE_EQ(step.FatorPotencia(), 0.82);
        EXPECT_DOUBLE_EQ(step.Rendimento(), 91);
        EXPECT_DOUBLE_EQ(step.CorrenteNominal(), step.CalculoCorrenteNominal(c.kw, 380, 0.82, 91));
    }
    // 3 % below the synchronous speed: 7.5 × 9555 / (60 × 120 × 0.97 / 4).
    clsEtapa2 step;
    ASSERT_EQ(start(step, "BR", "H", 7.5), 1);
    EXPECT_DOUBLE_EQ(step.ConjugadoNominalMotor(), 41.04);
    EXPECT_DOUBLE_EQ(step.ConjugadoNominalMotorTela(), 4.18);
}

TEST(clsEtapa2, FallbackBandsByPowerAndPoles)
{
    ProgramFolderGuard folder(fixture("motor"));
    const struct {
        double kw;
        std::int16_t poles;
        double powerFactor;
        double efficiency;
    } cases[] = {
        {1, 4, 0.71, 81},      {1.0005, 4, 0.82, 91}, // between 1 and 1.001 kW: the middle band
        {1.001, 4, 0.82, 91},  {50, 4, 0.82, 91},     {50.5, 4, 0.87, 95},
        {0.5, 8, 0.61, 71},    {30, 8, 0.72, 81},     {90, 8, 0.77, 85}, // no element of its own: senao
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kw << " kW, " << c.poles << " poles");
        clsEtapa2 step;
        ASSERT_EQ(start(step, "BR", "H", c.kw, c.poles), 1);
        EXPECT_DOUBLE_EQ(step.FatorPotencia(), c.powerFactor);
        EXPECT_DOUBLE_EQ(step.Rendimento(), c.efficiency);
    }
}

TEST(clsEtapa2, RatedCurrent)
{
    clsEtapa2 step;
    EXPECT_DOUBLE_EQ(step.CalculoCorrenteNominal(7.5, 380, 0.85, 90), 14.9); // 14.8955
    EXPECT_DOUBLE_EQ(step.CalculoCorrenteNominal(7.5, 380, 0.85, 90.5), 14.81);
    // Figures that cannot belong to a motor give no current instead of infinity.
    EXPECT_DOUBLE_EQ(step.CalculoCorrenteNominal(7.5, 0, 0.85, 90), 0);
    EXPECT_DOUBLE_EQ(step.CalculoCorrenteNominal(7.5, 380, 0, 90), 0);
    EXPECT_DOUBLE_EQ(step.CalculoCorrenteNominal(7.5, 380, 0.85, 0), 0);
}

TEST(clsEtapa2, ServiceFactorsTextsAndTheYesNoQuestion)
{
    ProgramFolderGuard folder(fixture("motor"));
    clsEtapa2 step;
    ASSERT_EQ(start(step, "BR", "N", 7.5), 0);

    std::vector<double> factors;
    for (; !step.EOFFatorServico(); step.NextFatorServico())
        factors.push_back(step.VlFatorServico());
    EXPECT_EQ(factors, (std::vector<double>{1, 1.15, 1.25}));
    EXPECT_FALSE(step.NextFatorServico());
    EXPECT_DOUBLE_EQ(step.VlFatorServicoByIndex(1), 1.15);
    EXPECT_EQ(step.euByIndex(0), "N");
    EXPECT_EQ(step.euByIndex(2), "S");
    EXPECT_EQ(step.euByIndex(3), "");

    EXPECT_EQ(step.strEU(0), "Usa?");
    EXPECT_EQ(step.strEU(1), "Sim");
    EXPECT_EQ(step.strEU(2), "Não");
    EXPECT_EQ(step.strEU(3), "");
    EXPECT_EQ(step.strEU(-1), "");

    EXPECT_EQ(step.TDadosdoMotor(), "Dados elétricos");
    EXPECT_EQ(step.tFatorServico(), "FS");
    EXPECT_EQ(step.TMomentoInerciaJ(), "J");
    EXPECT_EQ(step.TMensagem(), "<LI>kept as is"); // no markup conversion in this step
    EXPECT_EQ(step.btAvancar(), "bt_avancar_por.png");
}

TEST(clsEtapa2, OptionalFilesMissingLeaveTheirValuesEmpty)
{
    {
        MotorDataCopy data;
        data.remove("Fator_Potencia_Rendimento.xml");
        data.remove("Fator_Servico.xml");
        data.remove("Padrao_Mercado.xml");
        clsEtapa2 step;
        ASSERT_EQ(start(step, "BR", "H", 7.5), 1);
        EXPECT_DOUBLE_EQ(step.FatorPotencia(), 0);
        EXPECT_DOUBLE_EQ(step.CorrenteNominal(), 0);
        EXPECT_TRUE(step.EOFFatorServico());
        EXPECT_EQ(step.UnidadeInercia(), "");
        EXPECT_DOUBLE_EQ(step.InerciaMultiplicador(), 0);
    }
    {
        // Without the motor table nothing can be taken from it: the motor is
        // estimated and the user is asked for the rest.
        MotorDataCopy data;
        data.remove("Dados_Motor.xml");
        clsEtapa2 step;
        EXPECT_EQ(start(step, "BR", "N", 7.5), 1);
        EXPECT_DOUBLE_EQ(step.ConjugadoNominalMotor(), 41.04);
        EXPECT_DOUBLE_EQ(step.FatorPotencia(), 0.82);
    }
}

TEST(clsEtapa2, BrokenMotorTableIsADataError)
{
    const std::string badSpeed = "<m><vl60><N><cd101><vl4><vlPotencia7_5><node fa_potencia_100_carga=\"0.85\" "
                                 "vl_rendimento_100_carga=\"90\" vl_tempo_rotor_bloq_quente=\"12\" "
                                 "vl_momento_inercia=\"0.03\" ds_carcaca=\"132M\" vl_rotacao_nominal=\"";
    const std::string tail = "\"/></vlPotencia7_5></vl4></cd101></N></vl60></m>";
    const struct {
        const char* what;
        std::string table; // "" keeps the fixture's table
        std::int16_t frequency;
        std::int16_t poles;
    } cases[] = {
        {"frequency missing", "", 50, 4},
        {"poles missing below an existing product", "", 60, 2},
        {"rated speed not a number", xmlDocument(badSpeed + "fast" + tail), 60, 4},
        {"rated speed zero", xmlDocument(badSpeed + "0" + tail), 60, 4},
        {"attribute missing", xmlDocument("<m><vl60><N><cd101><vl4><vlPotencia7_5><node/></vlPotencia7_5>"
                                          "</vl4></cd101></N></vl60></m>"),
         60, 4},
        {"power without node", xmlDocument("<m><vl60><N><cd101><vl4><vlPotencia7_5/></vl4></cd101></N></vl60></m>"),
         60, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MotorDataCopy data;
        if (!c.table.empty())
            data.write("Dados_Motor.xml", c.table);
        clsEtapa2 step;
        EXPECT_THROW(start(step, "BR", "N", 7.5, c.poles, c.frequency), DataError);
    }
}

} // namespace
} // namespace pelgo
