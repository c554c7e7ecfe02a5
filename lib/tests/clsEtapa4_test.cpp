#include "pelgo/clsEtapa4.h"

#include "TestSupport.h"
#include "pelgo/DataError.h"
#include "pelgo/Numbers.h"
#include "pelgo/clsPelgo_Geral.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace pelgo {
namespace {

using test::fixture;
using test::LocaleGuard;
using test::ProgramFolderGuard;

const std::string kMainData = fixture("load/main");
const std::string kMissingData = fixture("load/missing");
const std::string kBrokenData = fixture("load/broken");

// Positions of the fixture's POR load types.
constexpr std::int16_t kPump = 0;
constexpr std::int16_t kCentrifuge = 1; // code 24, ta_inercia_padrao 50
constexpr std::int16_t kNegativeBand = 2;

const std::vector<double> kPumpCurve = {30, 6, 9, 14, 20, 29, 39, 52, 66, 82, 100};

std::vector<std::string> loadNames(clsEtapa4& step)
{
    std::vector<std::string> names;
    for (; !step.EOFCarga(); step.NextCarga())
        names.push_back(step.DSCarga());
    return names;
}

std::vector<std::string> inertiaUnits(clsEtapa4& step)
{
    std::vector<std::string> units;
    for (; !step.EOFUnidadeInercia(); step.NextUnidadeInercia())
        units.push_back(step.DsUnidadeInercia());
    return units;
}

std::vector<std::int16_t> startsPerHour(clsEtapa4& step)
{
    std::vector<std::int16_t> starts;
    for (; !step.EOFPartidasHora(); step.NextPartidasHora())
        starts.push_back(step.NrPartidasHora());
    return starts;
}

struct IntervalUnit {
    std::string name;
    double seconds;
    bool operator==(const IntervalUnit&) const = default;
};

std::vector<IntervalUnit> intervalUnits(clsEtapa4& step)
{
    std::vector<IntervalUnit> units;
    for (; !step.EOFIntervaloPartidas(); step.NextIntervaloPartidas())
        units.push_back({step.DsIntervaloPartidas(), step.VlSegundos()});
    return units;
}

TEST(clsEtapa4, IniciaReadsTheTextsOfTheLanguage)
{
    ProgramFolderGuard folder(kMainData);
    clsEtapa4 step;
    EXPECT_EQ(step.Inicia("ENG", 11), 0);

    EXPECT_EQ(step.TDadosAplicacao(), "ENG ETAPA4 TDADOSAPLICACAO");
    EXPECT_EQ(step.TTipoCarga(), "ENG ETAPA4 TTIPOCARGA");
    EXPECT_EQ(step.TReferenciAplicacao(), "ENG ETAPA4 TREFERENCIAPLICACAO");
    EXPECT_EQ(step.TInerciaCarga(), "ENG ETAPA4 TINERCIACARGA");
    EXPECT_EQ(step.TNumeroPartidasHora(), "ENG ETAPA4 TNUMEROPARTIDASHORA");
    EXPECT_EQ(step.TIntervaloEntrePartidas(), "ENG ETAPA4 TINTERVALOENTREPARTIDAS");
    EXPECT_EQ(step.TFatorUtilizacao(), "ENG ETAPA4 TFATORUTILIZACAO");
    EXPECT_EQ(step.TextoEtapa4(), "ENG ETAPA4 TEXTOETAPA4");
    EXPECT_EQ(step.TMensagem(), "ENG ETAPA4 TMENSAGEM");
    EXPECT_EQ(step.TConjugadoCarga(), "ENG IMPRESSAO_PELGO GCONJUGADOCARGA");
    EXPECT_EQ(step.btVoltar(), "ENG BOTOES BTVOLTAR");
    EXPECT_EQ(step.btAjuda(), "ENG BOTOES BTAJUDA");
    EXPECT_EQ(step.btAvancar(), "ENG BOTOES BTAVANCAR");
}

TEST(clsEtapa4, IniciaFillsTheFourListsInFileOrder)
{
    ProgramFolderGuard folder(kMainData);
    clsEtapa4 step;
    step.Inicia("POR", 11);

    EXPECT_EQ(loadNames(step), (std::vector<std::string>{"Bomba", "Centrífuga", "Carga negativa"}));
    EXPECT_EQ(inertiaUnits(step), (std::vector<std::string>{"kgm²", "Lb.ft²", "x Jmotor"}));
    EXPECT_EQ(startsPerHour(step), (std::vector<std::int16_t>{2, 6, 10}));
    // vl_segundos is read by the leading-number rule ("1 segundo" is 1).
    EXPECT_EQ(intervalUnits(step), (std::vector<IntervalUnit>{{"min", 60}, {"s", 1}}));
}

TEST(clsEtapa4, ListCursorStopsAtTheEndAndReadsEmptyBeyondIt)
{
    ProgramFolderGuard folder(kMainData);
    clsEtapa4 step;
    step.Inicia("ENG", 11);

    EXPECT_FALSE(step.EOFCarga());
    EXPECT_EQ(step.DSCarga(), "Pump");
    EXPECT_TRUE(step.NextCarga()); // Next on the last entry advances and reports true
    EXPECT_TRUE(step.EOFCarga());
    EXPECT_FALSE(step.NextCarga());
    EXPECT_EQ(step.DSCarga(), "");
}

TEST(clsEtapa4, MissingFilesLeaveEveryListEmpty)
{
    ProgramFolderGuard folder(kMissingData);
    clsEtapa4 step;
    EXPECT_EQ(step.Inicia("POR", 11), 0);

    EXPECT_TRUE(step.EOFCarga());
    EXPECT_FALSE(step.NextCarga());
    EXPECT_EQ(step.DSCarga(), "");
    EXPECT_TRUE(step.EOFUnidadeInercia());
    EXPECT_TRUE(step.EOFPartidasHora());
    EXPECT_EQ(step.NrPartidasHora(), 0);
    EXPECT_TRUE(step.EOFIntervaloPartidas());
    EXPECT_EQ(step.VlSegundos(), 0);
}

TEST(clsEtapa4, CarregaComplementReadsTheLoadType)
{
    ProgramFolderGuard folder(kMainData);
    clsEtapa4 step;
    step.Inicia("POR", 11);
    step.CarregaComplement("POR", kPump, 0.05);

    EXPECT_EQ(step.ObsCarga(), "Observação da bomba");
    EXPECT_EQ(step.InerciaEixoMotor(), 2);
    EXPECT_EQ(step.InerciaEixoMotorMinima(), 0.5);
    EXPECT_EQ(step.InerciaEixoMotorMaxima(), 5.5); // "5.5 vezes": leading number
    EXPECT_EQ(step.NrNumeroPartidasHora(), 6);
    EXPECT_EQ(step.NrFatorUtilizacao(), 90);
    EXPECT_EQ(step.MaiorCMax(), 110);
    for (std::int16_t k = 0; k < clsEtapa4::kCurvePoints; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(step.VlC(k), kPumpCurve[k]);
        EXPECT_EQ(step.CMin(k), std::max(0.0, kPumpCurve[k] - 10));
        EXPECT_EQ(step.CMax(k), kPumpCurve[k] + 10);
    }
}

TEST(clsEtapa4, CurveReadsTheSameUnderEitherRegionalSetting)
{
    for (const char* locale : {test::kCommaLocale, test::kPointLocale}) {
        SCOPED_TRACE(locale);
        LocaleGuard regional(locale);
        ProgramFolderGuard folder(kMainData);
        clsEtapa4 step;
        step.Inicia("POR", 11);
        step.CarregaComplement("POR", kPump, 0.05);
        EXPECT_EQ(step.VlC(10), 100);
        EXPECT_EQ(step.CMax(10), 110);
        EXPECT_EQ(step.InerciaEixoMotorMaxima(), 5.5);
    }
}

TEST(clsEtapa4, LargestUpperBandIsNeverBelowZero)
{
    ProgramFolderGuard folder(kMainData);
    clsEtapa4 step;
    step.Inicia("POR", 11);
    step.CarregaComplement("POR", kNegativeBand, 0.05);
    EXPECT_EQ(step.CMax(0), -5);
    EXPECT_EQ(step.MaiorCMax(), 0);
}

// The load with code 24 starts with 10 × the motor inertia on motors up to 30 kW.
TEST(clsEtapa4, HighInertiaLoadDefaultDependsOnMotorPower)
{
    struct Case {
        double powerKw;
        std::int16_t load;
        double defaultInertia;
    };
    const Case cases[] = {
        {30, kCentrifuge, 10},  {0.75, kCentrifuge, 10}, {30.1, kCentrifuge, 50},
        {250, kCentrifuge, 50}, {30, kPump, 2},          {30.1, kPump, 2},
    };
    ProgramFolderGuard folder(kMainData);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.powerKw << " kW, load " << c.load);
        clsEtapa4 step;
        step.Inicia("POR", c.powerKw);
        step.CarregaComplement("POR", c.load, 0.05);
        EXPECT_EQ(step.InerciaEixoMotor(), c.defaultInertia);
        EXPECT_EQ(step.InerciaEixoMotorMinima(), c.load == kCentrifuge ? 10 : 0.5);
    }
}

TEST(clsEtapa4, CarregaComplementKeepsThePreviousLoadWhenCargaDoesNotLoad)
{
    clsEtapa4 step;
    {
        ProgramFolderGuard folder(kMainData);
        step.Inicia("POR", 11);
        step.CarregaComplement("POR", kPump, 0.05);
    }
    ProgramFolderGuard folder(kMissingData);
    step.CarregaComplement("POR", kCentrifuge, 0.05);
    EXPECT_EQ(step.ObsCarga(), "Observação da bomba");
    EXPECT_EQ(step.VlC(0), 30);
}

TEST(clsEtapa4, FaultyLoadDataIsADataErrorAndChangesNothing)
{
    ProgramFolderGuard folder(kBrokenData);
    clsEtapa4 step;
    step.Inicia("POR", 11);

    EXPECT_THROW(step.CarregaComplement("POR", 0, 0.05), DataError); // TA_C30 is not a number
    EXPECT_THROW(step.CarregaComplement("POR", 1, 0.05), DataError); // TA_Cmax100 is missing
    EXPECT_THROW(step.CarregaComplement("POR", 2, 0.05), DataError); // no third load type
    EXPECT_THROW(step.CarregaComplement("POR", -1, 0.05), DataError);
    EXPECT_EQ(step.ObsCarga(), "");
    EXPECT_EQ(step.VlC(3), 0);

    EXPECT_THROW(clsEtapa4().Inicia("ENG", 11), DataError); // element cdX1: code is not a number
    EXPECT_THROW(clsEtapa4().Inicia("ESP", 11), DataError); // no ESP texts
}

TEST(clsEtapa4, MissingLanguageInTheLoadFileIsADataError)
{
    ProgramFolderGuard folder(kMainData);
    clsEtapa4 step;
    step.Inicia("POR", 11);
    EXPECT_THROW(step.CarregaComplement("ESP", 0, 0.05), DataError);
}

TEST(clsEtapa4, CurveIndexOutsideTheElevenPointsIsRefused)
{
    clsEtapa4 step;
    EXPECT_THROW(step.VlC(11), std::out_of_range);
    EXPECT_THROW(step.VlC(-1), std::out_of_range);
    EXPECT_THROW(step.CMin(11), std::out_of_range);
    EXPECT_THROW(step.CMax(-1), std::out_of_range);
    EXPECT_EQ(step.CMax(10), 0);
}

// Band of the cases below: 0.5 to 2 × the motor inertia.
TEST(clsEtapa4, SetInerciaCargaEixoMotorChecksAndConvertsEachUnit)
{
    const std::string below = "POR CONSISTEETAPA4 MF_INFERIORMINIMOACEITAVEL";
    const std::string above = "POR CONSISTEETAPA4 MF_SUPERIORMAXIMOACEITAVEL";
    struct Case {
        const char* unit;
        double motorInertia;
        double typed;
        std::string message;
        double storedKgm2;
    };
    const Case cases[] = {
        // relative unit: multiples of the motor inertia, limits inclusive
        {"x Jmotor", 0.2, 0.5, "", 0.1},
        {"x Jmotor", 0.2, 2, "", 0.4},
        {"x Jmotor", 0.2, 0.49, below, 0.098},
        {"x Jmotor", 0.2, 2.01, above, 0.402},
        // kgm²: compared with motor inertia × limits
        {"kgm²", 0.2, 0.1, "", 0.1},
        {"kgm²", 0.2, 0.4, "", 0.4},
        {"kgm²", 0.2, 0.099, below, 0.099},
        {"kgm²", 0.2, 0.401, above, 0.401},
        // Lb.ft²: 23.73 lb·ft² = 1 kgm²
        {"Lb.ft²", 1, 23.73, "", 1},
        {"Lb.ft²", 1, 47.46, "", 2},
        {"Lb.ft²", 1, 11.8, below, 11.8 / 23.73},
        {"Lb.ft²", 1, 47.5, above, 47.5 / 23.73},
    };
    ProgramFolderGuard folder(kMainData);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typed << " " << c.unit);
        clsEtapa4 step;
        EXPECT_EQ(step.SetInerciaCargaEixoMotor("POR", 0, c.unit, c.motorInertia, 0.5, 2, c.typed), c.message);
        EXPECT_DOUBLE_EQ(step.InerciaCargaEixoMotor(), c.storedKgm2);
    }
}

TEST(clsEtapa4, RelativeUnitIsTheOneOfTheLanguage)
{
    ProgramFolderGuard folder(kMainData);
    clsEtapa4 step;
    EXPECT_EQ(step.SetInerciaCargaEixoMotor("ENG", 0, "times Jmotor", 0.2, 0.5, 2, 3),
              "ENG CONSISTEETAPA4 MF_SUPERIORMAXIMOACEITAVEL");
    EXPECT_DOUBLE_EQ(step.InerciaCargaEixoMotor(), 0.6);
}

TEST(clsEtapa4, UnknownInertiaUnitKeepsThePreviousInertia)
{
    ProgramFolderGuard folder(kMainData);
    clsEtapa4 step;
    step.SetInerciaCargaEixoMotor("POR", 0, "kgm²", 0.2, 0.5, 2, 0.3);
    // "x Jmotor" is the relative unit of POR, not of ENG.
    EXPECT_EQ(step.SetInerciaCargaEixoMotor("ENG", 0, "x Jmotor", 0.2, 0.5, 2, 100), "");
    EXPECT_EQ(step.SetInerciaCargaEixoMotor("POR", 0, "t", 0.2, 0.5, 2, 100), "");
    EXPECT_DOUBLE_EQ(step.InerciaCargaEixoMotor(), 0.3);
}

TEST(clsEtapa4, WithoutTheUnitFileAnEmptyUnitNameIsRelative)
{
    ProgramFolderGuard folder(kMissingData);
    clsEtapa4 step;
    EXPECT_EQ(step.SetInerciaCargaEixoMotor("POR", 0, "", 0.2, 0.5, 2, 1), "");
    EXPECT_DOUBLE_EQ(step.InerciaCargaEixoMotor(), 0.2);
    EXPECT_EQ(step.SetInerciaCargaEixoMotor("POR", 0, "", 0.2, 0.5, 2, 0.1), "POR CONSISTEETAPA4 MF_INFERIORMINIMOACEITAVEL");
}

TEST(clsEtapa4, IntervalConversions)
{
    struct Case {
        std::int16_t a;
        std::int16_t seconds;
        double between;   // VlIntervaloPartidas(a starts per hour, unit)
        double converted; // VlIntervalo(a, unit)
    };
    const Case cases[] = {
        {10, 60, 6, 10.0 / 60},
        {10, 1, 360, 600},
        {6, 1, 600, 360},
        {360, 60, 10.0 / 60, 6},
        {4, 60, 15, 4.0 / 60},
    };
    clsEtapa4 step;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " / " << c.seconds);
        EXPECT_DOUBLE_EQ(step.VlIntervaloPartidas(c.a, c.seconds), c.between);
        EXPECT_DOUBLE_EQ(step.VlIntervalo(c.a, c.seconds), c.converted);
    }
    // A round trip through both units gives the interval back.
    EXPECT_DOUBLE_EQ(step.VlIntervalo(static_cast<std::int16_t>(step.VlIntervalo(6, 1)), 60), 6);
}

TEST(clsEtapa4, IntervalUnitFactorOutside16BitsIsAnOverflowError)
{
    clsEtapa4 step;
    // 61 × 537 and 3661 + 61 × 477 still fit; one more second does not.
    EXPECT_DOUBLE_EQ(step.VlIntervalo(60, 537), 3661 - 61 * 537);
    EXPECT_THROW(step.VlIntervalo(1, 538), OverflowError);
    EXPECT_DOUBLE_EQ(step.VlIntervalo(60, -477), 3661 + 61 * 477);
    EXPECT_THROW(step.VlIntervalo(1, -478), OverflowError);
    // The interval itself multiplies outside 16 bits without harm.
    EXPECT_DOUBLE_EQ(step.VlIntervalo(32767, 1), 32767.0 * 60);
}

TEST(clsEtapa4, StartsIntervalWithZeroIsAnError)
{
    clsEtapa4 step;
    EXPECT_THROW(step.VlIntervaloPartidas(0, 60), std::domain_error);
    EXPECT_THROW(step.VlIntervaloPartidas(10, 0), std::domain_error);
}

// The shipped load types, in every language: codes, curves inside their band,
// inertia defaults inside their range, default starts offered in the list.
TEST(clsEtapa4, ShippedLoadTypesAreConsistent)
{
    ProgramFolderGuard folder(test::shippedData());
    for (const char* language : {"POR", "ENG", "ESP"}) {
        SCOPED_TRACE(language);
        clsEtapa4 step;
        ASSERT_EQ(step.Inicia(language, 11), 0);
        const std::vector<std::string> names = loadNames(step);
        ASSERT_GE(names.size(), 12u);
        const std::vector<std::string> units = inertiaUnits(step);
        ASSERT_EQ(units.size(), 3u);
        EXPECT_EQ(units[0], "kgm²");
        EXPECT_EQ(units[1], "Lb.ft²");
        const std::vector<std::int16_t> starts = startsPerHour(step);
        EXPECT_EQ(intervalUnits(step), (std::vector<IntervalUnit>{{"min", 60}, {"s", 1}}));

        bool hasHighInertiaLoad = false;
        for (std::int16_t index = 0; index < static_cast<std::int16_t>(names.size()); ++index) {
            SCOPED_TRACE(names[index]);
            step.CarregaComplement(language, index, 0.1);
            EXPECT_FALSE(step.ObsCarga().empty());
            hasHighInertiaLoad = hasHighInertiaLoad || step.InerciaEixoMotor() == 10;
            EXPECT_LE(step.InerciaEixoMotorMinima(), step.InerciaEixoMotor());
            EXPECT_LE(step.InerciaEixoMotor(), step.InerciaEixoMotorMaxima());
            EXPECT_NE(std::find(starts.begin(), starts.end(), step.NrNumeroPartidasHora()), starts.end());
            for (std::int16_t k = 0; k < clsEtapa4::kCurvePoints; ++k) {
                EXPECT_LE(step.CMin(k), step.VlC(k));
                EXPECT_LE(step.VlC(k), step.CMax(k));
            }
            // The relative unit accepts the proposed default.
            EXPECT_EQ(step.SetInerciaCargaEixoMotor(language, 0, units[2], 0.1, step.InerciaEixoMotorMinima(),
                                                    step.InerciaEixoMotorMaxima(), step.InerciaEixoMotor()),
                      "");
        }
        EXPECT_TRUE(hasHighInertiaLoad);
        // The screen's interval checks read these messages.
        clsPelgo_Geral messages;
        messages.CarregaXML(language, "CONSISTEETAPA4");
        for (const char* tag : {"MI_NUMEROPARTIDA", "MF_MINIMOACEITAVEL40", "MF_MINIMOACEITAVEL100", "MP_C0",
                                "MN_C100", "MF_C50MINIMOACEITAVEL", "MF_C100MAXIMOACEITAVEL"})
            EXPECT_FALSE(messages.GetTextosPelgo(tag).empty()) << tag;
    }
}

} // namespace
} // namespace pelgo
