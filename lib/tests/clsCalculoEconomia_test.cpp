#include "pelgo/clsCalculoEconomia.h"

#include "pelgo/DataError.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace pelgo {
namespace {

using test::fixture;
using test::kCommaLocale;
using test::kPointLocale;
using test::LocaleGuard;
using test::ProgramFolderGuard;

TEST(CalculoEconomia, ReadsTheTextsOfTheSavingScreen)
{
    ProgramFolderGuard folder(fixture("settings/base"));
    clsCalculoEconomia economia;
    EXPECT_EQ(economia.Inicia("ENG"), 0);
    EXPECT_EQ(economia.EconomiaExplicat1(), "ENG ECONOMIAEXPLICAT1");
    EXPECT_EQ(economia.EconomiaExplicat2(), "ENG ECONOMIAEXPLICAT2");
    EXPECT_EQ(economia.THorasOperacaoDia(), "ENG THORASOPERACAODIA");
    EXPECT_EQ(economia.TNrDiasOperacaoAno(), "ENG TNRDIASOPERACAOANO");
    EXPECT_EQ(economia.TUnidadeDias(), "ENG TUNIDADEDIAS");
    EXPECT_EQ(economia.TCustoKW(), "ENG TCUSTOKW");
    EXPECT_EQ(economia.UnidadeValor(), "ENG UNIDADEVALOR");
    EXPECT_EQ(economia.btCalcular(), "btcalcular_eng.png");
    EXPECT_EQ(economia.Resultado(), "ENG RESULTADO");
    EXPECT_EQ(economia.TEconomiaAnualKwh(), "ENG TECONOMIAANUALKWH");
    EXPECT_EQ(economia.TEconomiaAnualValor(), "ENG TECONOMIAANUALVALOR");
    EXPECT_EQ(economia.TValoresInvalidos(), "ENG TINVALIDO");
    EXPECT_THROW(clsCalculoEconomia().Inicia("FALTA"), DataError);
}

struct Caso {
    const char* locale;
    double potencia, horas, dias, custo;
    const char* kwh;
    const char* valor;
};

TEST(CalculoEconomia, EnergyAndMoneyPerYear)
{
    const Caso casos[] = {
        {kPointLocale, 5, 8, 250, 0.1, "10000", "$ 1,000.00"},
        {kCommaLocale, 5, 8, 250, 0.1, "10000", "$ 1.000,00"},
        {kPointLocale, 0.125, 1, 1, 1, "0.12", "$ 0.12"}, // halves to even
        {kCommaLocale, 0.375, 1, 1, 1, "0,38", "$ 0,38"},
        {kPointLocale, 1.5, 24, 366, 0.85, "13176", "$ 11,199.60"},
        {kPointLocale, 1234.5678, 1, 1000, 1, "1234567.8", "$ 1,234,567.80"},
        {kPointLocale, 0.001, 1, 1, 1, "0", "$ 0.00"},
        {kPointLocale, -5, 8, 250, 0.1, "-10000", "$ -1,000.00"},
    };
    for (const Caso& caso : casos) {
        LocaleGuard locale(caso.locale);
        clsCalculoEconomia economia;
        EXPECT_TRUE(economia.CalculoEconomia("ENG", caso.potencia, caso.horas, caso.dias, caso.custo));
        EXPECT_EQ(economia.EconomiaAnualKwh(), caso.kwh) << caso.locale << " " << caso.potencia;
        EXPECT_EQ(economia.EconomiaAnualValor(), caso.valor) << caso.locale << " " << caso.potencia;
    }
}

TEST(CalculoEconomia, NoResultBeforeACalculationOrFromFiguresBeyondAnyNumber)
{
    LocaleGuard locale(kPointLocale);
    clsCalculoEconomia economia;
    EXPECT_EQ(economia.EconomiaAnualKwh(), "");
    EXPECT_EQ(economia.EconomiaAnualValor(), "");

    ASSERT_TRUE(economia.CalculoEconomia("POR", 5, 8, 250, 0.1));
    EXPECT_FALSE(economia.CalculoEconomia("POR", 1e300, 24, 1e300, 1));
    EXPECT_EQ(economia.EconomiaAnualKwh(), ""); // the earlier result is not left standing
    EXPECT_EQ(economia.EconomiaAnualValor(), "");
}

} // namespace
} // namespace pelgo
