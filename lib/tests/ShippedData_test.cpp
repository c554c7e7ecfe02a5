// The shipped installation data: languages, markets and opening texts.
#include "TestSupport.h"

#include "pelgo/clsAbertura.h"
#include "pelgo/clsInicio.h"
#include "pelgo/clsPelgo.h"

using namespace pelgo;
using namespace pelgo::test;

namespace {

TEST(ShippedData, EveryLanguageOffersItsDefaultMarketWithAStandardAndOpeningTexts)
{
    ProgramFolderGuard folder(shippedData());
    clsInicio start;
    start.Inicia();
    std::vector<std::string> languages;
    for (; !start.EOFIdioma(); start.NextIdiomaDisp())
        languages.push_back(start.GetCDIdiomaDisp());
    ASSERT_EQ(languages, (std::vector<std::string>{"POR", "ENG", "ESP"}));

    for (const std::string& language : languages) {
        SCOPED_TRACE(language);
        start.CarregaMercado(language);
        const std::string defaultMarket = start.MercadoPadraoIdioma(language);
        bool offered = false;
        for (std::int16_t i = 0; !start.EOFMercado(); start.NextMercado(), ++i) {
            EXPECT_NE(start.Norma(i), "") << start.GetCDMercado();
            offered = offered || start.GetCDMercado() == defaultMarket;
        }
        EXPECT_TRUE(offered) << defaultMarket;

        clsPelgo record;
        record.SetTitulo(language);
        EXPECT_NE(record.Titulo(), "");

        clsAbertura opening;
        opening.Inicia(language);
        EXPECT_EQ(opening.Finalidade().back(), '\r');
        EXPECT_EQ(opening.Vantagens().rfind("\u00BB ", 0), 0u);
        EXPECT_NE(opening.Copyright(), "");
        EXPECT_NE(opening.btAcessar(), "");
    }
}

} // namespace
