// Walks the shipped motor catalogue: every motor a market offers must be in
// the motor table with data that the step screens accept, and must give
// sensible curves.

#include "TestSupport.h"

#include "pelgo/DataFile.h"
#include "pelgo/Numbers.h"
#include "pelgo/clsEtapa1.h"
#include "pelgo/clsEtapa2.h"
#include "pelgo/clsEtapa3.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace pelgo {
namespace {

struct Market {
    const char* code;
    const char* standard;
    const char* mainCategory;
};

constexpr Market kMarkets[] = {{"BR", "NBR", "N"}, {"U", "NEMA", "B"}, {"IEC", "IEC", "N"}, {"LA", "IEC", "N"}};

template <class T, class Next, class Eof, class Get>
std::vector<T> walk(Next next, Eof eof, Get get)
{
    std::vector<T> entries;
    for (; !eof(); next())
        entries.push_back(get());
    return entries;
}

std::vector<std::string> powers(clsEtapa1& step, const std::string& standard, std::int16_t hz, std::int16_t line,
                                std::int16_t poles, const std::string& type)
{
    EXPECT_TRUE(step.CarregaPotenciaNominal(standard, hz, line, poles, type)) << type;
    return walk<std::string>([&] { return step.NextPotencias(); }, [&] { return step.EOFPotencias(); },
                             [&] { return step.Potencia(); });
}

template <class T>
bool contains(const std::vector<T>& list, const T& value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

TEST(MotorCatalogue, EveryLanguageOffersEveryMarketItsDefaults)
{
    test::ProgramFolderGuard folder(test::shippedData());
    for (const Market& market : kMarkets) {
        for (const char* language : {"POR", "ENG", "ESP"}) {
            SCOPED_TRACE(std::string(market.code) + " " + language);
            clsEtapa1 step;
            ASSERT_EQ(step.Inicia(language, market.standard, market.code), 0);
            const auto lines = walk<std::string>([&] { return step.NextProduto(); },
                                                 [&] { return step.EOFProdutos(); }, [&] { return step.cd_Produto(); });
            EXPECT_GE(lines.size(), 2u);
            EXPECT_TRUE(contains(lines, std::to_string(step.CDMotorPadrao())));
            const auto poles = walk<std::int16_t>([&] { return step.NextPolos(); }, [&] { return step.EOFPolos(); },
                                                  [&] { return step.NrPolos(); });
            EXPECT_TRUE(contains(poles, step.PoloPadrao()));
            const auto categories =
                walk<std::string>([&] { return step.NextCategorias(); }, [&] { return step.EOFCategorias(); },
                                  [&] { return step.Categoria(); });
            EXPECT_TRUE(contains(categories, step.CategoriaPadrao()));
            EXPECT_EQ(categories.front(), market.mainCategory);
            const auto voltages = walk<std::int16_t>([&] { return step.NextTensao(); },
                                                     [&] { return step.EOFTensao(); }, [&] { return step.VlTensao(); });
            EXPECT_TRUE(contains(voltages, step.TensaoPadrao()));
            const auto units = walk<std::string>([&] { return step.NextUnidades(); },
                                                 [&] { return step.EOFUnidades(); }, [&] { return step.Unidade(); });
            EXPECT_TRUE(contains(units, step.UnidadePadrao()));
        }
    }
}

TEST(MotorCatalogue, EveryOfferedMotorIsInTheTableAndGivesCurves)
{
    test::ProgramFolderGuard folder(test::shippedData());
    test::LocaleGuard locale(test::kCommaLocale);
    const DataFile frames("Carcaca_Complement.xml");
    ASSERT_TRUE(frames.loaded());

    std::set<std::pair<std::string, std::string>> walkedLines;
    int motors = 0;
    for (const Market& market : kMarkets) {
        clsEtapa1 selection;
        ASSERT_EQ(selection.Inicia("POR", market.standard, market.code), 0);
        const std::int16_t voltage = selection.TensaoPadrao();
        for (std::int16_t l = 0; !selection.cd_ProdutoByIndex(l).empty(); ++l) {
            const std::string code = selection.cd_ProdutoByIndex(l);
            if (!walkedLines.insert({market.standard, code}).second)
                continue; // a line offered in two markets of one standard
            const std::int16_t line = toInt16(regionalValue(code));
            const std::int16_t hz = selection.frequenciaByIndex(l);
            for (std::int16_t p = 0; selection.NrPolosByIndex(p) != 0; ++p) {
                const std::int16_t poles = selection.NrPolosByIndex(p);
                const auto kw = powers(selection, market.standard, hz, line, poles, "vl_potencia_kw");
                const auto cv = powers(selection, market.standard, hz, line, poles, "vl_potencia_cv");
                const auto hp = powers(selection, market.standard, hz, line, poles, "vl_potencia_hp");
                ASSERT_FALSE(kw.empty());
                ASSERT_EQ(kw.size(), cv.size());
                ASSERT_EQ(kw.size(), hp.size());
                for (std::size_t i = 0; i < kw.size(); ++i) {
                    SCOPED_TRACE(std::string(market.standard) + " line " + code + ", " + std::to_string(poles) +
                                 " poles, " + kw[i] + " kW");
                    const double powerKw = regionalValue(kw[i]);
                    const double powerCv = regionalValue(cv[i]);
                    if (i > 0) {
                        EXPECT_GT(powerKw, regionalValue(kw[i - 1]));
                    }

                    clsEtapa2 data;
                    ASSERT_EQ(data.Inicia("POR", market.code, hz, market.mainCategory, line, poles, powerKw, voltage), 0);
                    // Table values must pass the checks of the motor data screen.
                    EXPECT_GE(data.FatorPotencia(), 0.4);
                    EXPECT_LE(data.FatorPotencia(), 0.99);
                    EXPECT_GE(data.Rendimento(), 45);
                    EXPECT_LE(data.Rendimento(), 99);
                    EXPECT_GE(data.TempoRotorBloqueado(), 2);
                    EXPECT_LE(data.TempoRotorBloqueado(), 91);
                    EXPECT_GT(data.MomentoInercia(), 0);
                    EXPECT_GT(data.CorrenteNominal(), 0);
                    EXPECT_GT(data.ConjugadoNominalMotor(), 0);
                    EXPECT_TRUE(DataFile::find(frames.find(market.standard), "ds" + data.Carcaca()))
                        << "frame " << data.Carcaca();

                    clsEtapa3 curves;
                    ASSERT_EQ(curves.Inicia("POR", hz, market.mainCategory, line, poles, powerKw, market.code,
                                            market.standard, powerCv, data.Carcaca()),
                              0);
                    for (double figure : {curves.vl_cp_cn(), curves.vl_max_cn()}) {
                        EXPECT_GE(figure, 0.2);
                        EXPECT_LE(figure, 4);
                    }
                    EXPECT_GE(curves.vl_ipin(), 2);
                    EXPECT_LE(curves.vl_ipin(), 10);
                    for (std::int16_t k = 0; k < 10; ++k) {
                        EXPECT_GT(curves.CCnByIndex(k), 0) << "torque point " << k;
                        EXPECT_GT(curves.IInByIndex(k), 0) << "current point " << k;
                        EXPECT_LE(curves.IInByIndex(k), curves.vl_ipin()) << "current point " << k;
                    }
                    EXPECT_EQ(curves.CCnByIndex(10), 1);
                    EXPECT_EQ(curves.IInByIndex(10), 1);
                    ++motors;
                }
            }
        }
    }
    EXPECT_GT(motors, 500);
}

} // namespace
} // namespace pelgo
