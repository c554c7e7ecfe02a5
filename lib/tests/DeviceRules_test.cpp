// Device rules: overload factors, reference current, model choice with its
// fall-backs, the Tarvo06 line, dissipated power and the data errors of the
// device files.

#include "EngineFixture.h"

#include "pelgo/DataError.h"
#include "pelgo/DeviceCatalogue.h"
#include "pelgo/DeviceRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace pelgo;
using pelgo::test::EngineFolder;

namespace {

TEST(StartTimeFactors, ValuesAtTheBranchLimits)
{
    struct Case {
        double (*factor)(double);
        double t;
        double expected;
    };
    const Case cases[] = {
        {fatorK3, 60, 2.0},  {fatorK3, 40, 2.5},  {fatorK3, 61, 1.45}, {fatorK3, 30, 3.0},
        {fatorK3, 5, 4.0},   {fatorK3, 4, 4.25},  {fatorK4, 40, 2.0},  {fatorK4, 30, 2.35712},
        {fatorK4, 41, 4.6666666 - 0.0833333 * 41}, {fatorK4, 20, 4.6666666 - 0.0833333 * 20},
        {fatorK4, 3.5, 4.212121 - 0.060606 * 3.5}, {fatorK4, 3, 5.16666666 - 0.3333333 * 3},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(c.factor(c.t), c.expected, 1e-5) << "t = " << c.t;
}

TEST(StartTimeFactors, CompactFamilyOnlyForLightShortStartsWithLongIntervals)
{
    EXPECT_NEAR(fatorK5(12, 0.2, 900), 2.7, 1e-12);
    EXPECT_NEAR(fatorK5(1, 0.05, 3600), 4.9, 1e-12);
    EXPECT_EQ(fatorK5(12.01, 0.2, 900), 0);
    EXPECT_EQ(fatorK5(0, 0.2, 900), 0);
    EXPECT_EQ(fatorK5(5, 0.21, 900), 0);
    EXPECT_EQ(fatorK5(5, 0.2, 899), 0);
    EXPECT_NEAR(fatorF3(10), 1.0, 1e-5);
    EXPECT_NEAR(fatorF4(10), 1.0, 1e-5);
}

TEST(CompletaZeros, PadsToTheWidthAndLeavesLongerTexts)
{
    EXPECT_EQ(CompletaZeros("85", 4), "0085");
    EXPECT_EQ(CompletaZeros("1400", 4), "1400");
    EXPECT_EQ(CompletaZeros("12345", 4), "12345");
    EXPECT_EQ(CompletaZeros("", 2), "00");
    EXPECT_EQ(dissipatedPowerName(3, 85), "tarvo03_0085");
    EXPECT_EQ(dissipatedPowerName(6, 110), "tarvo06_0110");
}

DutyInputs baseDuty(double In)
{
    return DutyInputs{.intervalSeconds = 600,
                      .dutyFactor = 90,
                      .byPass = 1,
                      .serviceFactor = 1,
                      .connection = 1,
                      .startsPerHour = 6,
                      .loadTorque0 = 30,
                      .loadTorque10 = 100,
                      .motorTorque0 = 2.3,
                      .ratedCurrent = In,
                      .temperatureC = 40,
                      .controlVoltage = 220,
                      .supplyVoltage = 380,
                      .derating = 1};
}

TEST(CalculaCorrenteReferencia, FamilyAndCorrectionsOfOneStart)
{
    struct Case {
        const char* name;
        StartMethod method;
        DutyInputs duty;
        double t;
        double Irms;
        std::int16_t number;
        double reference;
        double cycleRms;
    };
    DutyInputs heavy = baseDuty(100);
    DutyInputs heavyInsideDelta = heavy;
    heavyInsideDelta.connection = 2;
    DutyInputs compact = baseDuty(20);
    compact.intervalSeconds = 1200;
    compact.loadTorque0 = 10;
    compact.motorTorque0 = 2;
    DutyInputs compactBypassed = compact;
    compactBypassed.byPass = 0;
    DutyInputs derated = compactBypassed;
    derated.derating = 0.8;
    DutyInputs heavyLoadAtStandstill = compactBypassed;
    heavyLoadAtStandstill.loadTorque0 = 60;

    const double f4Start = 60 / (fatorF4(6) * fatorK4(5));
    const Case cases[] = {
        {"family 3, cycle rms rules", StartMethod::RampaTensao, heavy, 10, 3, 3, 100 * std::sqrt(620.0 / 600),
         std::sqrt(620.0 / 600)},
        {"family 3 inside delta", StartMethod::LimitacaoCorrente, heavyInsideDelta, 10, 3, 3,
         100 * std::sqrt(155.0 / 600), std::sqrt(155.0 / 600)},
        {"family 5, cycle rms rules", StartMethod::RampaTensao, compact, 5, 3, 5, 20 * std::sqrt(1120.0 / 1200),
         std::sqrt(1120.0 / 1200)},
        {"family 5 with by-pass", StartMethod::RampaTensao, compactBypassed, 5, 3, 5, 60 / 4.1,
         std::sqrt(45.0 / 1200)},
        {"current limit never uses family 5", StartMethod::LimitacaoCorrente, compactBypassed, 5, 3, 4, f4Start,
         std::sqrt(45.0 / 1200)},
        {"derating divides", StartMethod::LimitacaoCorrente, derated, 5, 3, 4, f4Start / 0.8,
         std::sqrt(45.0 / 1200)},
        {"at most 4.5 times the rating", StartMethod::RampaTensao, heavyLoadAtStandstill, 1, 6, 4, 120 / 4.5,
         std::sqrt(36.0 / 1200)},
    };
    for (const Case& c : cases) {
        const ReferenceCurrent r = CalculaCorrenteReferencia(c.method, c.t, c.Irms, c.duty, {});
        EXPECT_EQ(r.number, c.number) << c.name;
        EXPECT_NEAR(r.current, c.reference, 1e-9) << c.name;
        EXPECT_NEAR(r.cycleRms, c.cycleRms, 1e-12) << c.name;
        EXPECT_NEAR(r.deviceStart, c.Irms / c.duty.connection, 1e-12) << c.name;
    }
}

TEST(CalculaCorrenteReferencia, NoFamilyKeepsThePreviousPass)
{
    // k3 is exactly 0 at 90 s.
    const ReferenceCurrent previous{123, 3, 0, 0};
    const ReferenceCurrent r = CalculaCorrenteReferencia(StartMethod::RampaTensao, 90, 3, baseDuty(100), previous);
    EXPECT_EQ(r.current, 123);
    EXPECT_EQ(r.number, 3);
}

TEST(CalculaCorrenteReferencia, TooManyStartsPerHourForAFamilyGivesNoFiniteRating)
{
    DutyInputs duty = baseDuty(100);
    duty.startsPerHour = 60; // the family-3 factor is negative here
    const ReferenceCurrent r = CalculaCorrenteReferencia(StartMethod::RampaTensao, 10, 3, duty, {});
    EXPECT_EQ(r.number, 3);
    EXPECT_TRUE(std::isinf(r.current));
}

struct SelectionCase {
    const char* name;
    StartMethod method;
    double In;
    std::int16_t supply;
    std::int16_t control;
    double connection;
    std::int16_t byPass;
    std::int16_t temperature;
    double best;
    ReferenceCurrent last;
    double t;
    // expected
    const char* model;
    std::int16_t number;
    const char* model06;
    const char* reference;
    const char* reference06;
    bool economy;
    double powerDifference;
};

constexpr StartMethod kRamp = StartMethod::RampaTensao;
constexpr StartMethod kLimit = StartMethod::LimitacaoCorrente;

const SelectionCase kSelectionCases[] = {
    {"family 4", kLimit, 40, 380, 220, 1, 1, 40, 40, {40, 4, 3, 1}, 4,
     "F4-45-380", 4, "", "Ref: 40 A", "Ref: 0 A", false, 0},
    {"family 5", kRamp, 25, 380, 220, 1, 1, 40, 20, {20, 5, 3, 1}, 4,
     "F5-30-380", 5, "", "Ref: 20 A", "Ref: 0 A", false, 0},
    {"85 A compact model below In moves to family 4", kRamp, 88, 380, 220, 1, 1, 40, 80, {80, 5, 3.5, 0.5}, 4,
     "F4-130-380", 4, "", "Ref: 71.25 A", "Ref: 0 A", false, 0},
    {"smaller compact model below In asks for In", kRamp, 40, 380, 220, 1, 1, 40, 25, {25, 5, 3, 1}, 4,
     "F5-85-380", 5, "", "Ref: 40 A", "Ref: 0 A", false, 0},
    {"compact repeat without a model falls back to family 3", kRamp, 40, 220, 220, 1, 1, 40, 25, {25, 5, 3, 1}, 4,
     "F3-85-220", 3, "", "Ref: 40 A", "Ref: 0 A", false, 0},
    {"compact repeat and family 3 without a model", kRamp, 88, 575, 220, 1, 1, 40, 5, {5, 5, 3, 1}, 4,
     "n/a", 0, "", "Ref: 88 A", "Ref: 0 A", false, 0},
    {"the current limit keeps a compact model", kLimit, 40, 380, 220, 1, 1, 40, 25, {25, 5, 3, 1}, 4,
     "F5-30-380", 5, "", "Ref: 25 A", "Ref: 0 A", false, 0},
    {"family 4 without the supply voltage falls back to 3", kLimit, 60, 440, 220, 1, 1, 40, 60, {60, 4, 3, 1}, 4,
     "F3-85-440", 3, "F6-110-440", "Ref: 60 A", "Ref: 60 A", true, (317 - 32) / 1000.0},
    {"family 5 without the supply voltage falls back to 3", kRamp, 60, 440, 220, 1, 1, 40, 50, {50, 5, 3, 1}, 4,
     "F3-85-440", 3, "", "Ref: 50 A", "Ref: 0 A", false, 0},
    {"family 4 too small falls back to 3", kLimit, 80, 380, 220, 1, 1, 40, 150, {150, 4, 3, 1}, 4,
     "F3-200-380", 3, "F6-110-380", "Ref: 150 A", "Ref: 80 A", true, (720 - 32) / 1000.0},
    {"family 3 not built for the supply voltage", kRamp, 100, 690, 220, 1, 1, 40, 100, {100, 3, 3, 1}, 10,
     "n/a", 0, "", "Ref: 100 A", "Ref: 100 A", false, 0},
    {"empty family element falls back to 3", kLimit, 60, 380, 110, 1, 1, 40, 60, {60, 4, 3, 1}, 4,
     "F3-85-380", 3, "", "Ref: 60 A", "Ref: 60 A", false, 0},
    {"family 4 below 6 A is not available (catalogue not read)", kLimit, 5, 380, 24, 1, 1, 40, 10, {10, 4, 3, 1},
     4, "n/a", 0, "", "Ref: 10 A", "Ref: 0 A", false, 0},
    {"standard connection moves family 3 below 78 A to family 4", kLimit, 95, 380, 220, 1, 1, 40, 70,
     {70, 3, 3, 0.5}, 10, "F4-130-380", 4, "F6-110-380", "Ref: 75.6 A", "Ref: 66.44 A", true, (475 - 32) / 1000.0},
    {"inside delta keeps family 3", kLimit, 95, 380, 220, 1.732, 1, 40, 70, {70, 3, 3, 0.5}, 10,
     "F3-85-380", 3, "F6-110-380", "Ref: 70 A", "Ref: 66.44 A", true, (317 - 32) / 1000.0},
    {"Tarvo06 reference 45.9 A: none offered", kLimit, 45.9, 380, 220, 1, 1, 40, 45.9, {45.9, 4, 3, 1}, 4,
     "F4-130-380", 4, "", "Ref: 45.9 A", "Ref: 0 A", false, 0},
    {"Tarvo06 reference 46 A: offered", kLimit, 46, 380, 220, 1, 1, 40, 46, {46, 4, 3, 1}, 4,
     "F4-130-380", 4, "F6-48-380", "Ref: 46 A", "Ref: 46 A", true, (475 - 20) / 1000.0},
    {"with a by-pass the Tarvo06 reference is at least In", kRamp, 100, 380, 220, 1, 0, 40, 100, {100, 3, 3, 0.8},
     10, "F3-200-380", 3, "F6-110-380", "Ref: 100 A", "Ref: 100 A", true, (720 - 32) / 1000.0},
    {"without a by-pass it is not", kRamp, 100, 380, 220, 1, 1, 40, 100, {100, 3, 3, 0.8}, 10,
     "F3-200-380", 3, "F6-110-380", "Ref: 100 A", "Ref: 80 A", true, (720 - 32) / 1000.0},
    {"temperature factor above 40 C", kLimit, 50, 380, 220, 1, 1, 45, 50, {50, 4, 3, 1}, 4,
     "F4-130-380", 4, "F6-110-380", "Ref: 50 A", "Ref: 55 A", true, (475 - 32) / 1000.0},
    {"both found but no power entry for the chosen model", kLimit, 50, 380, 220, 1, 1, 40, 5, {5, 4, 3, 1}, 4,
     "F4-10-380", 4, "F6-110-380", "Ref: 5 A", "Ref: 50 A", true, 0},
};

class SelecionaModelosCases : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SelecionaModelosCases, ChoosesTheModels)
{
    const SelectionCase& c = GetParam();
    EngineFolder folder;
    pelgo::test::LocaleGuard locale(pelgo::test::kPointLocale);
    DutyInputs duty = baseDuty(c.In);
    duty.supplyVoltage = c.supply;
    duty.controlVoltage = c.control;
    duty.connection = c.connection;
    duty.byPass = c.byPass;
    duty.temperatureC = c.temperature;

    const DeviceSelection s = SelecionaModelos(c.method, c.best, c.last, c.t, duty, "POR");
    EXPECT_EQ(s.model, c.model);
    EXPECT_EQ(s.number, c.number);
    EXPECT_EQ(s.available, std::string(c.model) != "n/a");
    EXPECT_EQ(s.model06, c.model06);
    EXPECT_EQ(s.available06, std::string(c.model06) != "");
    EXPECT_EQ(s.referenceText, c.reference);
    EXPECT_EQ(s.referenceText06, c.reference06);
    EXPECT_EQ(s.economyAvailable, c.economy);
    EXPECT_NEAR(s.powerDifference, c.powerDifference, 1e-12);
    if (s.available) {
        // The fixture derives every dimension from the rated current.
        const auto current = static_cast<std::int16_t>(s.current);
        EXPECT_EQ(s.height, 100 + current);
        EXPECT_EQ(s.width, 50 + current / 2);
        EXPECT_EQ(s.depth, 80 + current / 4);
        EXPECT_DOUBLE_EQ(s.weight, current / 10.0);
    } else {
        EXPECT_EQ(s.current, 0);
        EXPECT_EQ(s.height, 0);
        EXPECT_EQ(s.weight, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, SelecionaModelosCases, ::testing::ValuesIn(kSelectionCases));

TEST(SelecionaModelos, ReferenceTextsFollowTheRegionalDecimalAndLanguage)
{
    EngineFolder folder;
    pelgo::test::LocaleGuard locale(pelgo::test::kCommaLocale);
    const DeviceSelection s
        = SelecionaModelos(kLimit, 70, {70, 3, 3, 0.5}, 10, baseDuty(95), "ENG");
    EXPECT_EQ(s.referenceText, "ENG Ref: 75,6 A");
    EXPECT_EQ(s.referenceText06, "ENG Ref: 66,44 A");
}

TEST(SelecionaModelos, TooManyStartsPerHourIsNotAvailable)
{
    EngineFolder folder;
    pelgo::test::LocaleGuard locale(pelgo::test::kPointLocale);
    const double infinite = std::numeric_limits<double>::infinity();
    const DeviceSelection s = SelecionaModelos(kLimit, infinite, {infinite, 4, 3, 1}, 4, baseDuty(60), "POR");
    EXPECT_FALSE(s.available);
    EXPECT_EQ(s.model, "n/a");
    EXPECT_EQ(s.referenceText, "Ref: \u221E A");
}

TEST(CalculaPotenciaDissipada, NeedsBothEntriesOfTheTable)
{
    EngineFolder folder;
    DeviceSelection s;
    s.available = true;
    s.available06 = true;
    CalculaPotenciaDissipada(3, 85, 110, s);
    EXPECT_TRUE(s.economyAvailable);
    EXPECT_NEAR(s.powerDifference, 0.285, 1e-12);

    DeviceSelection missing06;
    missing06.available = true;
    missing06.available06 = true;
    CalculaPotenciaDissipada(3, 85, 300, missing06);
    EXPECT_TRUE(missing06.economyAvailable); // both models exist; only the figure is missing
    EXPECT_EQ(missing06.powerDifference, 0);

    DeviceSelection none;
    none.available = false;
    none.available06 = true;
    CalculaPotenciaDissipada(3, 0, 110, none);
    EXPECT_FALSE(none.economyAvailable);
    EXPECT_EQ(none.powerDifference, 0);

    folder.remove("Potencia_Dissipada.xml");
    DeviceSelection noFile;
    noFile.available = true;
    noFile.available06 = true;
    CalculaPotenciaDissipada(3, 85, 110, noFile);
    EXPECT_TRUE(noFile.economyAvailable);
    EXPECT_EQ(noFile.powerDifference, 0);
}

// The file and the element named by a DataError.
void expectDataError(const std::function<void()>& action, const std::string& file, const std::string& element)
{
    try {
        action();
        ADD_FAILURE() << "no DataError for " << file << " / " << element;
    } catch (const DataError& e) {
        EXPECT_EQ(e.file(), file);
        EXPECT_NE(e.detail().find(element), std::string::npos) << e.what();
    }
}

TEST(DeviceDataErrors, NameTheFileAndTheElement)
{
    EngineFolder folder;
    const auto select = [](DutyInputs duty, ReferenceCurrent last) {
        SelecionaModelos(kLimit, last.current, last, 4, duty, "POR");
    };
    DutyInputs noControl = baseDuty(60);
    noControl.controlVoltage = 24;
    expectDataError([&] { select(noControl, {60, 4, 3, 1}); }, "Tarvo.xml", "vltc24");

    // The Tarvo06 line without the supply voltage (family 3 has none either).
    DutyInputs noSupply = baseDuty(60);
    noSupply.supplyVoltage = 460;
    expectDataError([&] { select(noSupply, {60, 4, 3, 1}); }, "Tarvo.xml", "vlta460");

    // Above 40 C the Tarvo06 factor must exist for the temperature.
    DutyInputs hot = baseDuty(60);
    hot.temperatureC = 50;
    expectDataError([&] { select(hot, {60, 4, 3, 1}); }, "Fator_Temperatura.xml", "temp50");

    expectDataError([] { deratingFactor(3000, 40); }, "Altitude_Temperatura.xml", "vl40");
    expectDataError([] { deratingFactor(1500, 40); }, "Altitude_Temperatura.xml", "vl1500");
    expectDataError([] { deratingFactor(1000, 55); }, "Altitude_Temperatura.xml", "vl55");
    EXPECT_EQ(deratingFactor(2000, 40), 0.8);
    EXPECT_EQ(deratingFactor(0, 0), 1.0); // altitude 0 is found before the 0 C elements

    folder.remove("Fator_Temperatura.xml");
    EXPECT_NO_THROW(select(hot, {60, 4, 3, 1})); // no factor file: the factor is skipped

    folder.write("Tarvo.xml", "<tarvo><vltc220><nr3/><nr5/><nr6/></vltc220></tarvo>");
    expectDataError([&] { select(baseDuty(40), {40, 4, 3, 1}); }, "Tarvo.xml", "nr4");
    folder.write("Tarvo.xml", "<tarvo><vltc220><nr3/><nr4/><nr5/></vltc220></tarvo>");
    expectDataError([&] { select(baseDuty(60), {60, 4, 3, 1}); }, "Tarvo.xml", "nr6");
    folder.write("Tarvo.xml", "<tarvo><vltc220><nr3><vlta380><vlc85 ds_modelo=\"x\"/></vlta380></nr3><nr4/><nr5/>"
                              "<nr6><vlta380/></nr6></vltc220></tarvo>");
    expectDataError([&] { select(baseDuty(20), {20, 3, 3, 1}); }, "Tarvo.xml", "vl_altura");

    folder.remove("Tarvo.xml");
    expectDataError([&] { select(baseDuty(60), {60, 4, 3, 1}); }, "Tarvo.xml", "does not load");
    folder.remove("Altitude_Temperatura.xml");
    expectDataError([] { deratingFactor(1000, 40); }, "Altitude_Temperatura.xml", "does not load");
}

} // namespace
