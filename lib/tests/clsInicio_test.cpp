#include "TestSupport.h"

#include "pelgo/DataError.h"
#include "pelgo/clsAbertura.h"
#include "pelgo/clsInicio.h"

using namespace pelgo;
using namespace pelgo::test;

namespace {

std::vector<std::string> languageCodes(clsInicio& start)
{
    std::vector<std::string> codes;
    for (; !start.EOFIdioma(); start.NextIdiomaDisp())
        codes.push_back(start.GetCDIdiomaDisp());
    return codes;
}

std::vector<std::string> marketNames(clsInicio& start)
{
    std::vector<std::string> names;
    for (; !start.EOFMercado(); start.NextMercado())
        names.push_back(start.GetDSMercado());
    return names;
}

TEST(LanguageLists, LanguagesAndMarketsInFileOrder)
{
    ProgramFolderGuard folder(fixture("core"));
    clsInicio start;
    start.Inicia();
    EXPECT_EQ(languageCodes(start), (std::vector<std::string>{"POR", "ENG", "SEM"}));
    EXPECT_EQ(start.GetDSIdiomaDispByIndex(1), "English");
    EXPECT_EQ(start.GetCDIdiomaDispByIndex(0), "POR");
    start.Inicia(); // again: cursor back at the start, no entries doubled
    EXPECT_EQ(languageCodes(start).size(), 3u);

    start.CarregaMercado("ENG");
    EXPECT_EQ(marketNames(start), (std::vector<std::string>{"United States", "Brazil"}));
    EXPECT_EQ(start.GetCDMercadoByIndex(1), "BR");
    EXPECT_THROW(start.CarregaMercado("XXX"), DataError);
}

TEST(LanguageLists, DefaultMarketAndStandard)
{
    ProgramFolderGuard folder(fixture("core"));
    clsInicio start;
    start.Inicia();
    EXPECT_EQ(start.MercadoPadraoIdioma("ENG"), "U");
    EXPECT_THROW(start.MercadoPadraoIdioma("XXX"), DataError);

    start.CarregaMercado("POR");
    EXPECT_EQ(start.Norma(0), "NBR");
    EXPECT_EQ(start.Norma(1), ""); // market without defaults, even after a standard was found
    EXPECT_EQ(start.Norma(5), ""); // no such entry
}

TEST(LanguageLists, AMissingFileOffersNothingAndNeverFails)
{
    clsInicio start;
    {
        ProgramFolderGuard folder(fixture("core"));
        start.Inicia();
        start.CarregaMercado("POR");
        EXPECT_EQ(start.Norma(0), "NBR");
    }
    ProgramFolderGuard folder(fixture("empty"));
    clsInicio fresh;
    fresh.Inicia();
    EXPECT_TRUE(fresh.EOFIdioma());
    EXPECT_FALSE(fresh.NextIdiomaDisp());
    EXPECT_EQ(fresh.GetCDIdiomaDisp(), "");
    fresh.CarregaMercado("POR");
    EXPECT_TRUE(fresh.EOFMercado());
    EXPECT_EQ(fresh.GetDSMercadoByIndex(0), "");
    EXPECT_EQ(fresh.MercadoPadraoIdioma("POR"), "");
    EXPECT_EQ(start.Norma(0), "NBR"); // the remembered standard when the file does not load
}

TEST(OpeningTexts, PurposeEndsAtTheColonAndAdvantagesFollow)
{
    ProgramFolderGuard folder(fixture("core"));
    clsAbertura opening;
    opening.Inicia("POR");
    EXPECT_EQ(opening.Finalidade(), "Finalidade:\r");
    EXPECT_EQ(opening.Vantagens(), "\u00BB um\r\n\u00BB dois");
    EXPECT_EQ(opening.Copyright(), "Direitos reservados");
    EXPECT_EQ(opening.btAcessar(), "acessar.png");

    opening.Inicia("ENG"); // no colon: the first character, and all but the first two
    EXPECT_EQ(opening.Finalidade(), "N");
    EXPECT_EQ(opening.Vantagens(), " colon here");
    EXPECT_EQ(opening.btAcessar(), "access.png");
}

} // namespace
