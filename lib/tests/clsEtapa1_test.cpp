#include "MotorTestSupport.h"

#include "pelgo/DataError.h"
#include "pelgo/clsEtapa1.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelgo {
namespace {

using test::fixture;
using test::MotorDataCopy;
using test::ProgramFolderGuard;
using test::xmlDocument;

std::vector<std::string> walkPowers(clsEtapa1& step)
{
    std::vector<std::string> powers;
    while (!step.EOFPotencias()) {
        powers.push_back(step.Potencia());
        step.NextPotencias();
    }
    return powers;
}

TEST(clsEtapa1, IniciaReadsListsDefaultsAndTexts)
{
    ProgramFolderGuard folder(fixture("motor"));
    clsEtapa1 step;
    ASSERT_EQ(step.Inicia("POR", "NBR", "BR"), 0);

    EXPECT_EQ(step.CDMotorPadrao(), 101);
    EXPECT_EQ(step.PoloPadrao(), 4);
    EXPECT_EQ(step.CategoriaPadrao(), "N");
    EXPECT_EQ(step.TensaoPadrao(), 380);
    EXPECT_EQ(step.UnidadePadrao(), "cv");

    EXPECT_EQ(step.TDadosdoMotor(), "Dados do motor");
    EXPECT_EQ(step.TPotenciaNominal(), "Potência");
    // Captions lose their list markup: each item starts a line with "» ".
    EXPECT_EQ(step.TMensagem(), "Escolha:\r\n» a linha\r\n» a potência");
    EXPECT_EQ(step.btVoltar(), "bt_voltar_por.png");
    EXPECT_EQ(step.btAjuda(), "bt_ajuda_por.png");
    EXPECT_EQ(step.btAvancar(), "bt_avancar_por.png");

    // The product code is the element name after its two-character prefix.
    EXPECT_EQ(step.cd_ProdutoByIndex(0), "101");
    EXPECT_EQ(step.ds_ProdutoByIndex(0), "Linha Premium 60 Hz");
    EXPECT_EQ(step.cd_ProdutoByIndex(1), "12");
    EXPECT_EQ(step.ds_ProdutoByIndex(1), "Linha Antiga 50 Hz");
    EXPECT_EQ(step.frequenciaByIndex(1), 50);

    EXPECT_EQ(step.NrPolosByIndex(2), 6);
    EXPECT_EQ(step.CategoriaByIndex(1), "D");
    EXPECT_EQ(step.VlTensaoByIndex(2), 440);
    EXPECT_EQ(step.UnidadeByIndex(1), "cv");
    EXPECT_EQ(step.TipoUnidadeByIndex(1), "vl_potencia_cv");
    EXPECT_EQ(step.UnidadeByIndex(2), "");
}

TEST(clsEtapa1, ListCursorsWalkToTheEndAndStop)
{
    ProgramFolderGuard folder(fixture("motor"));
    clsEtapa1 step;
    ASSERT_EQ(step.Inicia("POR", "NBR", "BR"), 0);

    EXPECT_FALSE(step.EOFProdutos());
    EXPECT_EQ(step.cd_Produto(), "101");
    EXPECT_EQ(step.Frequencia(), 60);
    EXPECT_TRUE(step.NextProduto());
    EXPECT_EQ(step.ds_Produto(), "Linha Antiga 50 Hz");
    EXPECT_TRUE(step.NextProduto()); // Next on the last entry succeeds and reaches the end
    EXPECT_TRUE(step.EOFProdutos());
    EXPECT_FALSE(step.NextProduto());
    EXPECT_EQ(step.cd_Produto(), "");

    std::vector<std::int16_t> poles;
    for (; !step.EOFPolos(); step.NextPolos())
        poles.push_back(step.NrPolos());
    EXPECT_EQ(poles, (std::vector<std::int16_t>{2, 4, 6}));

    std::vector<std::string> categories;
    for (; !step.EOFCategorias(); step.NextCategorias())
        categories.push_back(step.Categoria());
    EXPECT_EQ(categories, (std::vector<std::string>{"N", "D"}));

    std::vector<std::int16_t> voltages;
    for (; !step.EOFTensao(); step.NextTensao())
        voltages.push_back(step.VlTensao());
    EXPECT_EQ(voltages, (std::vector<std::int16_t>{220, 380, 440}));

    std::vector<std::string> units;
    for (; !step.EOFUnidades(); step.NextUnidades())
        units.push_back(step.Unidade());
    EXPECT_EQ(units, (std::vector<std::string>{"kW", "cv"}));
}

TEST(clsEtapa1, MarketNotOfferedGivesOneWhateverTheOtherFiles)
{
    MotorDataCopy data;
    data.remove("Nr_Polos.xml");
    data.remove("Padrao_Mercado.xml");
    clsEtapa1 step;
    EXPECT_EQ(step.Inicia("POR", "NBR", "LA"), 1);
    EXPECT_TRUE(step.EOFProdutos());
}

TEST(clsEtapa1, AFileThatDoesNotLoadGivesItsCode)
{
    const struct {
        const char* file;
        std::int16_t code;
    } cases[] = {
        {"Produto_Idioma.xml", 2}, {"Nr_Polos.xml", 3},         {"Categoria_Norma.xml", 4},
        {"Tensao_Nominal.xml", 5}, {"Unidade_Potencia.xml", 6}, {"Padrao_Mercado.xml", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        MotorDataCopy data;
        data.remove(c.file);
        clsEtapa1 step;
        EXPECT_EQ(step.Inicia("POR", "NBR", "BR"), c.code);
        // Lists of the files after the failing one stay empty.
        EXPECT_EQ(step.EOFUnidades(), c.code <= 6);
        EXPECT_EQ(step.EOFPolos(), c.code <= 3);
    }
    MotorDataCopy data;
    data.write("Tensao_Nominal.xml", "<tensoes><tensao vl_tensao=\"380\"/>"); // not well formed
    clsEtapa1 step;
    EXPECT_EQ(step.Inicia("POR", "NBR", "BR"), 5);
}

TEST(clsEtapa1, BrokenDataIsADataError)
{
    const struct {
        const char* what;
        const char* file;
        std::string content;
        const char* standard;
    } cases[] = {
        {"standard missing", "Produto_Idioma.xml", "", "IEC"},
        {"language missing", "Produto_Idioma.xml",
         xmlDocument("<p><NBR><ENG><BR><CD1 ds_produto_idioma=\"x\" cd_frequencia=\"60\"/></BR></ENG></NBR></p>"), "NBR"},
        {"market without lines", "Produto_Idioma.xml", xmlDocument("<p><NBR><POR><BR/></POR></NBR></p>"), "NBR"},
        {"frequency not a number", "Produto_Idioma.xml",
         xmlDocument("<p><NBR><POR><BR><CD1 ds_produto_idioma=\"x\" cd_frequencia=\"sixty\"/></BR></POR></NBR></p>"),
         "NBR"},
        {"line without product code", "Produto_Idioma.xml",
         xmlDocument("<p><NBR><POR><BR><CD ds_produto_idioma=\"x\" cd_frequencia=\"60\"/></BR></POR></NBR></p>"), "NBR"},
        {"no poles", "Nr_Polos.xml", xmlDocument("<polos/>"), "NBR"},
        {"poles not a number", "Nr_Polos.xml", xmlDocument("<polos><polo nr_polos=\"four\"/></polos>"), "NBR"},
        {"no category of the standard", "Categoria_Norma.xml",
         xmlDocument("<c><IEC><categoria cd_categoria=\"N\"/></IEC></c>"), "NBR"},
        {"unit without type", "Unidade_Potencia.xml", xmlDocument("<u><unidade cd_unidade=\"kW\"/></u>"), "NBR"},
        {"market defaults missing", "Padrao_Mercado.xml", xmlDocument("<m><U cd_linha=\"1\"/></m>"), "NBR"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MotorDataCopy data;
        if (!c.content.empty())
            data.write(c.file, c.content);
        clsEtapa1 step;
        EXPECT_THROW(step.Inicia("POR", c.standard, "BR"), DataError);
    }
}

TEST(clsEtapa1, PowersAreWrittenInTheRegionalForm)
{
    ProgramFolderGuard folder(fixture("motor"));
    clsEtapa1 step;
    {
        test::LocaleGuard locale(test::kCommaLocale);
        ASSERT_TRUE(step.CarregaPotenciaNominal("NBR", 60, 101, 4, "vl_potencia_kw"));
        EXPECT_FALSE(step.EOFPotencias());
        EXPECT_EQ(step.Potencia(), "0,75");
        EXPECT_EQ(walkPowers(step), (std::vector<std::string>{"0,75", "7,5", "11"}));
    }
    {
        test::LocaleGuard locale(test::kPointLocale);
        ASSERT_TRUE(step.CarregaPotenciaNominal("NBR", 60, 101, 4, "vl_potencia_kw"));
        EXPECT_EQ(step.Potencia(), "0.75"); // the cursor starts again at the first power
        EXPECT_EQ(step.PotenciaByIndex(1), "7.5");
    }
    ASSERT_TRUE(step.CarregaPotenciaNominal("NBR", 60, 101, 4, "vl_potencia_cv"));
    EXPECT_EQ(walkPowers(step), (std::vector<std::string>{"1", "10", "15"}));
    ASSERT_TRUE(step.CarregaPotenciaNominal("NBR", 60, 101, 2, "vl_potencia_cv"));
    EXPECT_EQ(walkPowers(step), (std::vector<std::string>{"3"}));
}

TEST(clsEtapa1, PowersThatAreNotOfferedGiveFalseAndAnEmptyList)
{
    const struct {
        const char* what;
        std::int16_t frequency;
        std::int16_t poles;
    } cases[] = {{"frequency not offered", 50, 4}, {"poles not offered", 60, 8}};
    ProgramFolderGuard folder(fixture("motor"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clsEtapa1 step;
        ASSERT_TRUE(step.CarregaPotenciaNominal("NBR", 60, 101, 4, "vl_potencia_kw"));
        EXPECT_FALSE(step.CarregaPotenciaNominal("NBR", c.frequency, 101, c.poles, "vl_potencia_kw"));
        // No powers of the previous choice are left behind to be stored by mistake.
        EXPECT_TRUE(step.EOFPotencias());
        EXPECT_EQ(step.PotenciaByIndex(0), "");
    }
}

TEST(clsEtapa1, PowerFileFaults)
{
    {
        MotorDataCopy data;
        data.remove("Potencia_Nominal.xml");
        clsEtapa1 step;
        EXPECT_FALSE(step.CarregaPotenciaNominal("NBR", 60, 101, 4, "vl_potencia_kw"));
    }
    ProgramFolderGuard folder(fixture("motor"));
    clsEtapa1 step;
    EXPECT_THROW(step.CarregaPotenciaNominal("NBR", 60, 999, 4, "vl_potencia_kw"), DataError); // product missing
    EXPECT_THROW(step.CarregaPotenciaNominal("IEC", 60, 101, 4, "vl_potencia_kw"), DataError); // standard missing
    EXPECT_THROW(step.CarregaPotenciaNominal("NBR", 60, 101, 4, "vl_potencia_hp"), DataError); // unit type missing
}

} // namespace
} // namespace pelgo
