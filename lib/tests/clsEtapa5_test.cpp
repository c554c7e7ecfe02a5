#include "pelgo/clsEtapa5.h"

#include "TestSupport.h"
#include "pelgo/DataError.h"
#include "pelgo/Numbers.h"
#include "pelgo/clsInicio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

// Walks one list of the step: while not EOF, take the entry, Next.
template <class Value, class Read, class Eof, class Next>
std::vector<Value> walk(clsEtapa5& step, Read read, Eof eof, Next next)
{
    std::vector<Value> entries;
    for (; !(step.*eof)(); (step.*next)())
        entries.push_back((step.*read)());
    return entries;
}

std::vector<std::string> altitudeUnits(clsEtapa5& s)
{
    return walk<std::string>(s, &clsEtapa5::DsUnidadeAltitude, &clsEtapa5::EOFUnidadeAltitude,
                             &clsEtapa5::NextUnidadeAltitude);
}
std::vector<std::string> temperatureUnits(clsEtapa5& s)
{
    return walk<std::string>(s, &clsEtapa5::DsUnidadeTemperatura, &clsEtapa5::EOFUnidadeTemperatura,
                             &clsEtapa5::NextUnidadeTemperatura);
}
std::vector<std::int16_t> altitudes(clsEtapa5& s)
{
    return walk<std::int16_t>(s, &clsEtapa5::VlAltitude, &clsEtapa5::EOFAltitude, &clsEtapa5::NextAltitude);
}
std::vector<std::int16_t> temperatures(clsEtapa5& s)
{
    return walk<std::int16_t>(s, &clsEtapa5::VlTemperatura, &clsEtapa5::EOFTemperatura, &clsEtapa5::NextTemperatura);
}
std::vector<std::int16_t> supplyVoltages(clsEtapa5& s)
{
    return walk<std::int16_t>(s, &clsEtapa5::VlTensaoRedeTrifasica, &clsEtapa5::EOFTensaoRedeTrifasica,
                              &clsEtapa5::NextTensaoRedeTrifasica);
}
std::vector<std::int16_t> commandVoltages(clsEtapa5& s)
{
    return walk<std::int16_t>(s, &clsEtapa5::VlTensaoComando, &clsEtapa5::EOFTensaoComando,
                              &clsEtapa5::NextTensaoComando);
}
std::vector<std::string> voltageDropTexts(clsEtapa5& s)
{
    return walk<std::string>(s, &clsEtapa5::DsQuedaTensaoPartida, &clsEtapa5::EOFQuedaTensaoPartida,
                             &clsEtapa5::NextQuedaTensaoPartida);
}

struct Connection {
    std::string name;
    double factor;
    bool operator==(const Connection&) const = default;
};

std::vector<Connection> connections(clsEtapa5& s)
{
    std::vector<Connection> list;
    for (; !s.EOFLigacaoMotor(); s.NextLigacaoMotor())
        list.push_back({s.DsLigacaoMotor(), s.VlLigacaoMotor()});
    return list;
}

TEST(clsEtapa5, IniciaReadsTheTextsOfTheLanguage)
{
    ProgramFolderGuard folder(kMainData);
    clsEtapa5 step;
    EXPECT_EQ(step.Inicia("ENG", 50, "BR"), 0);

    const std::pair<std::string, std::string> texts[] = {
        {step.DadosGerais(), "DADOSGERAIS"},
        {step.CondicoesAmbiente(), "CONDICOESAMBIENTE"},
        {step.TAltitude(), "TALTITUDE"},
        {step.TTemperaturaAmbiente(), "TTEMPERATURAAMBIENTE"},
        {step.CaracteristicasSistema(), "CARACTERISTICASSISTEMA"},
        {step.TTensaoRedeTrifasica(), "TTENSAOREDETRIFASICA"},
        {step.TQuedaTensaoPartida(), "TQUEDATENSAOPARTIDA"},
        {step.TTencaoComando(), "TTENCAOCOMANDO"},
        {step.TLigacaoMotor(), "TLIGACAOMOTOR"},
        {step.TOMotor(), "TOMOTOR"},
        {step.TMensagem(), "TMENSAGEM"},
        {step.Sim(), "SIM"},
        {step.Nao(), "NÃO"},
    };
    for (const auto& [text, tag] : texts)
        EXPECT_EQ(text, "ENG ETAPA5 " + tag);
    EXPECT_EQ(step.btVoltar(), "ENG BOTOES BTVOLTAR");
    EXPECT_EQ(step.btAjuda(), "ENG BOTOES BTAJUDA");
    EXPECT_EQ(step.btAvancar(), "ENG BOTOES BTAVANCAR");
}

TEST(clsEtapa5, IniciaFillsTheListsInFileOrder)
{
    ProgramFolderGuard folder(kMainData);
    clsEtapa5 step;
    step.Inicia("POR", 50, "BR");

    EXPECT_EQ(altitudeUnits(step), (std::vector<std::string>{"m", "ft"}));
    EXPECT_EQ(temperatureUnits(step), (std::vector<std::string>{"° C", "° F"}));
    EXPECT_EQ(supplyVoltages(step), (std::vector<std::int16_t>{220, 380, 440}));
    EXPECT_EQ(commandVoltages(step), (std::vector<std::int16_t>{110, 220}));
    EXPECT_EQ(step.VlQuedaTensaoPartida(), 1);
    EXPECT_EQ(step.VlQuedaTensaoPartidaByIndex(1), 0.855625);
    EXPECT_EQ(step.VlQuedaTensaoPartidaByIndex(2), 0.81);
    EXPECT_EQ(step.VlQuedaTensaoPartidaByIndex(3), 0); // beyond the list
}

TEST(clsEtapa5, VoltageDropTextFollowsTheRegionalDecimalSeparator)
{
    struct Case {
        const char* locale;
        std::vector<std::string> texts;
    };
    // "10 %" keeps only its leading number.
    const Case cases[] = {
        {test::kCommaLocale, {"0", "7,5", "10"}},
        {test::kPointLocale, {"0", "7.5", "10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        LocaleGuard regional(c.locale);
        ProgramFolderGuard folder(kMainData);
        clsEtapa5 step;
        step.Inicia("POR", 50, "BR");
        EXPECT_EQ(voltageDropTexts(step), c.texts);
    }
}

TEST(clsEtapa5, ConnectionsOfTheFileFromTheThresholdCurrentOn)
{
    struct Case {
        double currentA;
        std::vector<Connection> expected;
    };
    const Connection standard{"POR ETAPA5 STANDARD", 1};
    const Case cases[] = {
        {119.9, {standard}},
        {0, {standard}},
        {120, {standard, {"POR ETAPA5 DELTA_INTERNO", 1.732}}},
        {900, {standard, {"POR ETAPA5 DELTA_INTERNO", 1.732}}},
    };
    ProgramFolderGuard folder(kMainData);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.currentA);
        clsEtapa5 step;
        step.Inicia("POR", c.currentA, "BR");
        EXPECT_EQ(connections(step), c.expected);
    }
}

TEST(clsEtapa5, MarketDefaults)
{
    struct Case {
        const char* market;
        std::int16_t altitude;
        const char* altitudeUnit;
        std::int16_t temperature;
        const char* temperatureUnit;
        double voltageDrop;
    };
    // U's unit is written "°F": only the last character counts.
    const Case cases[] = {
        {"BR", 1000, "m", 40, "° C", 10},
        {"U", 3281, "ft", 104, "° F", 7.5},
    };
    ProgramFolderGuard folder(kMainData);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.market);
        clsEtapa5 step;
        step.Inicia("POR", 50, c.market);
        EXPECT_EQ(step.AltitudePadrao(), c.altitude);
        EXPECT_EQ(step.UnidadeAltitudePadrao(), c.altitudeUnit);
        EXPECT_EQ(step.TemperaturaPadrao(), c.temperature);
        EXPECT_EQ(step.UnidadeTemperaturaPadrao(), c.temperatureUnit);
        EXPECT_EQ(step.QuedaTensaoPadrao(), c.voltageDrop);
    }
}

TEST(clsEtapa5, UnitValueListsAreParallelAndStartAtTheFirstValue)
{
    ProgramFolderGuard folder(kMainData);
    clsEtapa5 step;
    step.Inicia("POR", 50, "BR");

    step.CarregaAltitude(0);
    EXPECT_EQ(altitudes(step), (std::vector<std::int16_t>{1000, 1500, 2000}));
    EXPECT_TRUE(step.EOFAltitude());
    step.CarregaAltitude(0); // the same list again: the cursor is back at the first value
    EXPECT_FALSE(step.EOFAltitude());
    EXPECT_EQ(step.VlAltitude(), 1000);
    step.CarregaAltitude(1);
    EXPECT_EQ(altitudes(step), (std::vector<std::int16_t>{3281, 4921, 6562}));

    step.CarregaTemperatura(1);
    EXPECT_EQ(temperatures(step), (std::vector<std::int16_t>{86, 104}));
    step.CarregaTemperatura(0);
    EXPECT_EQ(temperatures(step), (std::vector<std::int16_t>{30, 40}));
}

TEST(clsEtapa5, UnitIndexBeyondTheUnitsIsADataError)
{
    ProgramFolderGuard folder(kMainData);
    clsEtapa5 step;
    step.Inicia("POR", 50, "BR");
    EXPECT_THROW(step.CarregaAltitude(2), DataError);
    EXPECT_THROW(step.CarregaAltitude(-1), DataError);
    EXPECT_THROW(step.CarregaTemperatura(2), DataError);
}

TEST(clsEtapa5, MissingFilesLeaveTheListsEmpty)
{
    ProgramFolderGuard folder(kMissingData);
    clsEtapa5 step;
    EXPECT_EQ(step.Inicia("POR", 150, "BR"), 0);

    EXPECT_TRUE(step.EOFUnidadeAltitude());
    EXPECT_TRUE(step.EOFUnidadeTemperatura());
    EXPECT_TRUE(step.EOFTensaoRedeTrifasica());
    EXPECT_TRUE(step.EOFQuedaTensaoPartida());
    EXPECT_TRUE(step.EOFTensaoComando());
    EXPECT_TRUE(step.EOFLigacaoMotor()); // 150 A: the connections come from the missing file
    EXPECT_FALSE(step.NextLigacaoMotor());
    EXPECT_EQ(step.DsLigacaoMotor(), "");
    EXPECT_EQ(step.VlLigacaoMotor(), 0);
    EXPECT_EQ(step.AltitudePadrao(), 0);
    EXPECT_EQ(step.UnidadeTemperaturaPadrao(), "");

    step.CarregaAltitude(0);
    EXPECT_TRUE(step.EOFAltitude());
    step.CarregaTemperatura(3);
    EXPECT_TRUE(step.EOFTemperatura());

    clsEtapa5 small;
    small.Inicia("POR", 10, "BR");
    EXPECT_EQ(connections(small), (std::vector<Connection>{{"POR ETAPA5 STANDARD", 1}}));
}

TEST(clsEtapa5, FaultyDataIsADataError)
{
    {
        ProgramFolderGuard folder(kMainData);
        EXPECT_THROW(clsEtapa5().Inicia("POR", 50, "XX"), DataError); // no such market
    }
    ProgramFolderGuard folder(kBrokenData);
    EXPECT_THROW(clsEtapa5().Inicia("POR", 50, "BR"), DataError); // BR has no vl_altitude
    clsEtapa5 step;
    EXPECT_THROW(step.CarregaAltitude(0), DataError); // "mil" is not a number
}

// Every market of the shipped data finds its defaults in the lists, and the
// feet and Fahrenheit lists convert back to the metre and Celsius lists.
TEST(clsEtapa5, ShippedListsHoldEveryMarketDefault)
{
    ProgramFolderGuard folder(test::shippedData());
    clsInicio start;
    start.Inicia();
    for (; !start.EOFIdioma(); start.NextIdiomaDisp()) {
        const std::string language = start.GetCDIdiomaDisp();
        start.CarregaMercado(language);
        for (; !start.EOFMercado(); start.NextMercado()) {
            const std::string market = start.GetCDMercado();
            SCOPED_TRACE(language + " " + market);
            clsEtapa5 step;
            ASSERT_EQ(step.Inicia(language, 150, market), 0);
            EXPECT_FALSE(step.Sim().empty());

            const std::vector<std::string> units = altitudeUnits(step);
            const auto altitudeUnit = std::find(units.begin(), units.end(), step.UnidadeAltitudePadrao());
            ASSERT_NE(altitudeUnit, units.end());
            step.CarregaAltitude(static_cast<std::int16_t>(altitudeUnit - units.begin()));
            const std::vector<std::int16_t> altitudeValues = altitudes(step);
            EXPECT_NE(std::find(altitudeValues.begin(), altitudeValues.end(), step.AltitudePadrao()),
                      altitudeValues.end());

            const std::vector<std::string> tUnits = temperatureUnits(step);
            const auto temperatureUnit = std::find(tUnits.begin(), tUnits.end(), step.UnidadeTemperaturaPadrao());
            ASSERT_NE(temperatureUnit, tUnits.end());
            step.CarregaTemperatura(static_cast<std::int16_t>(temperatureUnit - tUnits.begin()));
            const std::vector<std::int16_t> temperatureValues = temperatures(step);
            EXPECT_NE(std::find(temperatureValues.begin(), temperatureValues.end(), step.TemperaturaPadrao()),
                      temperatureValues.end());

            const std::vector<std::string> drops = voltageDropTexts(step);
            EXPECT_NE(std::find(drops.begin(), drops.end(), formatNumber(step.QuedaTensaoPadrao())), drops.end());
            EXPECT_EQ(commandVoltages(step), (std::vector<std::int16_t>{110, 220}));
            const std::vector<Connection> offered = connections(step);
            ASSERT_EQ(offered.size(), 2u);
            EXPECT_EQ(offered[0].factor, 1);
            EXPECT_EQ(offered[1].factor, 1.732);
        }
    }

    clsEtapa5 step;
    step.Inicia("POR", 50, "BR");
    EXPECT_EQ(altitudeUnits(step), (std::vector<std::string>{"m", "ft"}));
    step.CarregaAltitude(0);
    const std::vector<std::int16_t> metres = altitudes(step);
    step.CarregaAltitude(1);
    const std::vector<std::int16_t> feet = altitudes(step);
    ASSERT_EQ(metres.size(), feet.size());
    for (std::size_t i = 0; i < metres.size(); ++i)
        EXPECT_EQ(std::nearbyint(feet[i] * 0.3048), metres[i]) << feet[i] << " ft";

    EXPECT_EQ(temperatureUnits(step), (std::vector<std::string>{"° C", "° F"}));
    step.CarregaTemperatura(0);
    const std::vector<std::int16_t> celsius = temperatures(step);
    step.CarregaTemperatura(1);
    const std::vector<std::int16_t> fahrenheit = temperatures(step);
    ASSERT_EQ(celsius.size(), fahrenheit.size());
    for (std::size_t i = 0; i < celsius.size(); ++i)
        EXPECT_EQ(std::nearbyint((fahrenheit[i] - 32) * 5 / 9.0), celsius[i]) << fahrenheit[i] << " °F";
}

} // namespace
} // namespace pelgo
