#include "TestSupport.h"

#include "pelgo/DataError.h"
#include "pelgo/clsPelgo_Geral.h"

#include <filesystem>
#include <fstream>

using namespace pelgo;
using namespace pelgo::test;

namespace {

class Catalogue : public ::testing::Test {
protected:
    ProgramFolderGuard folder{fixture("core")};
    clsPelgo_Geral catalogue;
};

TEST_F(Catalogue, ServesTextsOfTheLastChosenSection)
{
    catalogue.CarregaXML("POR", "ETAPA1");
    EXPECT_EQ(catalogue.GetTextosPelgo("TMENSAGEM"), "Mensagem da etapa 1");
    catalogue.CarregaXML("POR", "ETAPA2");
    EXPECT_EQ(catalogue.GetTextosPelgo("TMENSAGEM"), "Mensagem da etapa 2");
    EXPECT_EQ(catalogue.GetTextosPelgo("ANINHADO"), "texto aninhado"); // any depth below the section
    catalogue.CarregaXML("ENG", "ETAPA1");
    EXPECT_EQ(catalogue.GetTextosPelgo("PELGO"), "Title ENG");
}

TEST_F(Catalogue, MissingPiecesAreDataErrors)
{
    EXPECT_THROW(catalogue.GetTextosPelgo("PELGO"), DataError); // no section chosen yet
    EXPECT_THROW(catalogue.CarregaXML("XXX", "ETAPA1"), DataError);
    EXPECT_THROW(catalogue.CarregaXML("ENG", "ETAPA2"), DataError);
    catalogue.CarregaXML("POR", "ETAPA2");
    EXPECT_THROW(catalogue.GetTextosPelgo("NADA"), DataError);
    EXPECT_THROW(catalogue.GetTextosPelgo("SEMTEXTO"), DataError);
    try {
        catalogue.GetTextosPelgo("NADA");
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), "Textos_pagina_pelgo.xml");
        EXPECT_NE(std::string(error.what()).find("POR/ETAPA2/NADA"), std::string::npos);
    }
    ProgramFolderGuard empty(fixture("empty"));
    EXPECT_THROW(catalogue.CarregaXML("POR", "ETAPA1"), DataError);
}

TEST_F(Catalogue, TrocaHtmlTurnsListMarkupIntoLinesWhateverTheCase)
{
    const std::string expected = "Lead:\r\n\u00BB one\r\n\u00BB two";
    EXPECT_EQ(catalogue.TrocaHTML("Lead:<ul><li>one</li><li>two</li></ul>"), expected);
    EXPECT_EQ(catalogue.TrocaHTML("Lead:<UL><LI>one</LI><Li>two</lI></Ul>"), expected);
    EXPECT_EQ(catalogue.TrocaHTML("a<BR>b</br>c"), "abc");
    EXPECT_EQ(catalogue.TrocaHTML(""), "");
}

struct ConsisteCase {
    const char* locale;
    const char* value;
    const char* min;
    const char* max;
    const char* message;
};

class Consiste : public Catalogue, public ::testing::WithParamInterface<ConsisteCase> {};

TEST_P(Consiste, AnswersWithTheFirstMatchingMessage)
{
    const ConsisteCase& c = GetParam();
    LocaleGuard guard(c.locale);
    catalogue.CarregaXML("POR", "CONSISTE");
    EXPECT_EQ(catalogue.Consiste(c.value, "X", c.min, c.max), c.message)
        << c.value << " [" << c.min << ", " << c.max << "]";
}

INSTANTIATE_TEST_SUITE_P(Cases, Consiste, ::testing::Values(
    ConsisteCase{kPointLocale, "", "1", "2", "X vazio"},
    ConsisteCase{kPointLocale, " ", "1", "2", "X não é número"},
    ConsisteCase{kPointLocale, "abc", "", "", "X não é número"},
    ConsisteCase{kPointLocale, "1", "1", "2", ""},
    ConsisteCase{kPointLocale, "2", "1", "2", ""},
    ConsisteCase{kPointLocale, "0.99", "1", "2", "X fora da faixa"},
    ConsisteCase{kPointLocale, "2.01", "1", "2", "X fora da faixa"},
    ConsisteCase{kPointLocale, "5", "", "2", ""},
    ConsisteCase{kPointLocale, "5", "1", "", ""},
    ConsisteCase{kCommaLocale, "0,5", "0,4", "0,99", ""},
    ConsisteCase{kCommaLocale, "0,3", "0,4", "0,99", "X fora da faixa"},
    ConsisteCase{kCommaLocale, "0.5", "0,4", "0,99", "X fora da faixa"})); // "0.5" reads 5 here

TEST_F(Catalogue, ABoundThatIsNotANumberFailsTheCall)
{
    catalogue.CarregaXML("POR", "CONSISTE");
    EXPECT_THROW(catalogue.Consiste("1", "X", "a", "2"), std::invalid_argument);
}

TEST_F(Catalogue, LoadTorquePointsUseTheMinimumAndMaximumMessages)
{
    LocaleGuard guard(kPointLocale);
    catalogue.CarregaXML("POR", "CONSISTE");
    EXPECT_EQ(catalogue.ConsisteEspecialEtapa4("", "C10", "0", "1"), "C10 vazio");
    EXPECT_EQ(catalogue.ConsisteEspecialEtapa4("x", "C10", "0", "1"), "C10 não é número");
    EXPECT_EQ(catalogue.ConsisteEspecialEtapa4("-0.1", "C10", "0", "1"), "C10 abaixo do mínimo");
    EXPECT_EQ(catalogue.ConsisteEspecialEtapa4("1.5", "C10", "0", "1"), "C10 acima do máximo");
    EXPECT_EQ(catalogue.ConsisteEspecialEtapa4("0", "C10", "0", "1"), "");
    EXPECT_EQ(catalogue.ConsisteEspecialEtapa4("1", "C10", "0", "1"), "");
}

TEST(CatalogueFile, AChangedFileIsReadAgain)
{
    const auto folder = std::filesystem::temp_directory_path() / "pelgo_catalogue_test";
    std::filesystem::create_directories(folder / "XML");
    const auto write = [&](const std::string& text) {
        std::ofstream(folder / "XML" / "Textos_pagina_pelgo.xml")
            << "<t><POR><ETAPA1><PELGO ds_texto=\"" << text << "\"/></ETAPA1></POR></t>";
    };
    ProgramFolderGuard guard(folder.string());
    clsPelgo_Geral catalogue;
    write("first");
    catalogue.CarregaXML("POR", "ETAPA1");
    EXPECT_EQ(catalogue.GetTextosPelgo("PELGO"), "first");
    write("second text");
    catalogue.CarregaXML("POR", "ETAPA1");
    EXPECT_EQ(catalogue.GetTextosPelgo("PELGO"), "second text");
    std::filesystem::remove(folder / "XML" / "Textos_pagina_pelgo.xml");
    EXPECT_THROW(catalogue.CarregaXML("POR", "ETAPA1"), DataError);
    std::filesystem::remove_all(folder);
}

} // namespace
