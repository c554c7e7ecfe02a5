#include "MotorTestSupport.h"

#include "pelgo/DataError.h"
#include "pelgo/MotorCurves.h"
#include "pelgo/clsEtapa3.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace pelgo {
namespace {

using test::fixture;
using test::MotorDataCopy;
using test::ProgramFolderGuard;
using test::xmlDocument;
using Points = std::array<double, 11>;

Points torquePoints(const clsEtapa3& step)
{
    Points points{};
    for (std::int16_t i = 0; i <= 10; ++i)
        points[i] = step.CCnByIndex(i);
    return points;
}

Points currentPoints(const clsEtapa3& step)
{
    Points points{};
    for (std::int16_t i = 0; i <= 10; ++i)
        points[i] = step.IInByIndex(i);
    return points;
}

// The fixture's frame table (standard NBR): 132M -> 132, 200L -> 200, 280S -> 280.
TEST(clsEtapa3, WorkedExamples)
{
    const struct {
        const char* what;
        std::int16_t poles;
        double cv;
        const char* frame;
        const char* category;
        double cmax, cp, ip;
        Points torque;
        Points current;
    } cases[] = {
        {"small machine, frame unknown", 4, 10, "", "N", 2.6, 2.2, 6.8,
         {2.2, 2.02, 1.91, 1.87, 1.91, 2.03, 2.23, 2.5, 2.49, 1.68, 1},
         {6.8, 6.8, 6.8, 6.8, 6.78, 6.65, 6.38, 5.72, 4.5, 2.53, 1}},
        {"2 poles, 200 mm frame: larger machine", 2, 10, "200L", "N", 2.6, 2.2, 6.8,
         {2.2, 2.11, 2.03, 1.96, 1.92, 1.89, 1.87, 1.9, 2.15, 2.6, 1},
         {6.8, 6.78, 6.77, 6.75, 6.71, 6.61, 6.44, 6.12, 5.37, 3.69, 1}},
        {"category D", 4, 20, "", "D", 3.0, 2.75, 6.0,
         {2.7, 2.74, 2.74, 2.73, 2.71, 2.67, 2.6, 2.47, 2.17, 1.49, 1},
         {6, 5.98, 5.91, 5.81, 5.67, 5.46, 5.23, 4.69, 3.69, 2.08, 1}},
    };
    ProgramFolderGuard folder(fixture("motor"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clsEtapa3 step;
        step.EstimarTabela("NBR", c.poles, c.cv, c.frame, c.category, c.cmax, c.cp, c.ip);
        EXPECT_EQ(torquePoints(step), c.torque);
        EXPECT_EQ(currentPoints(step), c.current);
        // The same inputs again give the same points.
        step.EstimarTabela("NBR", c.poles, c.cv, c.frame, c.category, c.cmax, c.cp, c.ip);
        EXPECT_EQ(torquePoints(step), c.torque);
        EXPECT_EQ(currentPoints(step), c.current);
    }
}

TEST(clsEtapa3, SpeedsOfThePullUpAndBreakdownTorque)
{
    const struct {
        const char* what;
        int poles;
        int frame;
        double cv;
        double pullUp, breakdown;
        double su, sb;
    } cases[] = {
        {"small, up to 15 cv", 4, 0, 15, 1.87, 2.6, 0.3, 0.75},
        {"small, up to 50 cv", 4, 132, 50, 1.87, 2.6, 0.3, 0.8},
        {"small, above 50 cv", 6, 200, 60, 1.87, 2.6, 0.4, 0.8},
        {"6 poles above 254 mm, up to 50 cv", 6, 280, 50, 1.7, 2.5, 0.65, 0.9},
        {"6 poles above 254 mm, pull-up near breakdown", 6, 280, 100, 1.7, 1.8, 0.65, 0.9},
        {"6 poles above 254 mm, pull-up far from breakdown", 6, 280, 100, 1.7, 2.5, 0.75, 0.95},
        {"8 poles are never small", 8, 0, 10, 1.87, 2.6, 0.65, 0.9},
        {"4 poles, 180 mm frame", 4, 180, 60, 1.87, 2.6, 0.75, 0.95},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TorqueSpeeds at = torqueSpeeds(c.poles, c.frame, c.cv, c.pullUp, c.breakdown);
        EXPECT_DOUBLE_EQ(at.su, c.su);
        EXPECT_DOUBLE_EQ(at.sb, c.sb);
    }
}

TEST(clsEtapa3, PointsOutsideTheCurveAreZero)
{
    ProgramFolderGuard folder(fixture("motor"));
    clsEtapa3 step;
    EXPECT_EQ(step.CCnByIndex(10), 0); // no estimate yet
    step.EstimarTabela("NBR", 4, 10, "", "N", 2.6, 2.2, 6.8);
    EXPECT_EQ(step.CCnByIndex(10), 1);
    EXPECT_EQ(step.IInByIndex(10), 1);
    EXPECT_EQ(step.CCnByIndex(11), 0);
    EXPECT_EQ(step.IInByIndex(11), 0);
    EXPECT_EQ(step.CCnByIndex(-1), 0);
    EXPECT_EQ(step.IInByIndex(-1), 0);
}

TEST(clsEtapa3, FiguresThatCannotDescribeAMotorGiveNoCurve)
{
    ProgramFolderGuard folder(fixture("motor"));
    const struct {
        double cmax, cp, ip;
    } cases[] = {{0, 2.2, 6.8}, {2.6, 0, 6.8}, {2.6, 2.2, 0}, {2.6, -1, 6.8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cmax << " " << c.cp << " " << c.ip);
        clsEtapa3 step;
        step.EstimarTabela("NBR", 4, 10, "", "N", 2.6, 2.2, 6.8);
        step.EstimarTabela("NBR", 4, 10, "", "N", c.cmax, c.cp, c.ip);
        EXPECT_EQ(torquePoints(step), Points{});
        EXPECT_EQ(currentPoints(step), Points{});
    }
}

TEST(clsEtapa3, ExtremeFiguresStillGiveFinitePoints)
{
    ProgramFolderGuard folder(fixture("motor"));
    const struct {
        const char* category;
        double cmax, cp, ip;
    } cases[] = {{"N", 0.2, 4, 10}, {"N", 4, 0.2, 2}, {"N", 0.2, 0.2, 2}, {"D", 0.2, 4, 10}, {"N", 4, 4, 10}};
    for (int poles : {2, 4, 6, 8}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << poles << " poles " << c.category << " " << c.cmax << " " << c.cp);
            clsEtapa3 step;
            step.EstimarTabela("NBR", static_cast<std::int16_t>(poles), 120, "280S", c.category, c.cmax, c.cp, c.ip);
            for (std::int16_t i = 0; i <= 10; ++i) {
                EXPECT_TRUE(std::isfinite(step.CCnByIndex(i)));
                EXPECT_TRUE(std::isfinite(step.IInByIndex(i)));
            }
        }
    }
}

TEST(clsEtapa3, IniciaEstimatesAMotorOfTheTable)
{
    ProgramFolderGuard folder(fixture("motor"));
    test::LocaleGuard locale(test::kCommaLocale);
    clsEtapa3 step;
    ASSERT_EQ(step.Inicia("POR", 60, "N", 101, 4, 7.5, "BR", "NBR", 10, "132M"), 0);
    EXPECT_DOUBLE_EQ(step.vl_max_cn(), 2.6);
    EXPECT_DOUBLE_EQ(step.vl_cp_cn(), 2.2);
    EXPECT_DOUBLE_EQ(step.vl_ipin(), 6.8);
    EXPECT_EQ(torquePoints(step), (Points{2.2, 2.02, 1.91, 1.87, 1.91, 2.03, 2.23, 2.5, 2.49, 1.68, 1}));
    EXPECT_EQ(currentPoints(step), (Points{6.8, 6.8, 6.8, 6.8, 6.78, 6.65, 6.38, 5.72, 4.5, 2.53, 1}));
    EXPECT_EQ(step.UnidadeConjugadoNominal(), "kgfm");

    EXPECT_EQ(step.TDadosdoMotor(), "Curvas");
    EXPECT_EQ(step.TConjugadoMaximo(), "Cmax/Cn");
    EXPECT_EQ(step.TCCN(), "C/Cn");
    EXPECT_EQ(step.TIIN(), "I/In");
    EXPECT_EQ(step.TMensagem(), "Mensagem 3");
    EXPECT_EQ(step.btEstimar(), "bt_estimar_por.png");
    EXPECT_EQ(step.btVoltar(), "bt_voltar_por.png");
}

TEST(clsEtapa3, IniciaWithoutTheMotorMakesNoEstimate)
{
    const struct {
        const char* what;
        std::int16_t frequency;
        const char* category;
        std::int16_t product;
        std::int16_t poles;
        double kw;
    } cases[] = {
        {"frequency missing", 50, "N", 101, 4, 7.5}, {"category missing", 60, "H", 101, 4, 7.5},
        {"product missing", 60, "N", 102, 4, 7.5},   {"poles missing", 60, "N", 101, 2, 7.5},
        {"power missing", 60, "N", 101, 4, 11},
    };
    ProgramFolderGuard folder(fixture("motor"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clsEtapa3 step;
        EXPECT_EQ(step.Inicia("POR", c.frequency, c.category, c.product, c.poles, c.kw, "U", "NBR", 10, ""), 0);
        EXPECT_EQ(step.vl_max_cn(), 0);
        EXPECT_EQ(step.vl_cp_cn(), 0);
        EXPECT_EQ(step.vl_ipin(), 0);
        EXPECT_EQ(step.CCnByIndex(10), 0);
        EXPECT_EQ(step.UnidadeConjugadoNominal(), "lb.ft");
    }
    MotorDataCopy data;
    data.remove("Dados_Motor.xml");
    data.remove("Padrao_Mercado.xml");
    clsEtapa3 step;
    EXPECT_EQ(step.Inicia("POR", 60, "N", 101, 4, 7.5, "BR", "NBR", 10, ""), 0);
    EXPECT_EQ(step.vl_cp_cn(), 0);
    EXPECT_EQ(step.UnidadeConjugadoNominal(), "");
}

TEST(clsEtapa3, FrameTableFaults)
{
    {
        // Without the frame table the frame height is unknown (0).
        MotorDataCopy data;
        data.remove("Carcaca_Complement.xml");
        clsEtapa3 step;
        step.EstimarTabela("NBR", 2, 10, "200L", "N", 2.6, 2.2, 6.8);
        EXPECT_EQ(step.CCnByIndex(1), 2.02); // the small-machine curve
    }
    MotorDataCopy data;
    data.write("Carcaca_Complement.xml", xmlDocument("<c><NBR><ds200L ds_carcaca_relativa_iec=\"big\"/></NBR></c>"));
    clsEtapa3 step;
    EXPECT_THROW(step.EstimarTabela("NBR", 2, 10, "200L", "N", 2.6, 2.2, 6.8), DataError);
    EXPECT_THROW(step.Inicia("POR", 60, "N", 101, 4, 7.5, "BR", "NBR", 10, "200L"), DataError);
}

} // namespace
} // namespace pelgo
