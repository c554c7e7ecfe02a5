#include "TestSupport.h"

#include "pelgo/DataFile.h"
#include "pelgo/ListCursor.h"

using namespace pelgo;
using namespace pelgo::test;

namespace {

class DataFileTest : public ::testing::Test {
protected:
    ProgramFolderGuard folder{fixture("core")};
};

TEST_F(DataFileTest, FindsTheFirstDescendantInDocumentOrder)
{
    DataFile file("Padrao_Mercado.xml");
    ASSERT_TRUE(file.loaded());
    EXPECT_EQ(file.text(file.find("BR"), "ds_norma"), "NBR");
    EXPECT_EQ(DataFile::count(file.root(), "BR"), 2u);
    EXPECT_EQ(file.text(file.find(file.find("U"), "BR"), "ds_norma"), "aninhado");
    EXPECT_FALSE(file.find("ZZ"));
    EXPECT_EQ(DataFile::children(file.root()).size(), 2u);
}

TEST_F(DataFileTest, MissingPiecesAreDataErrorsNamingFileAndElement)
{
    DataFile file("Padrao_Mercado.xml");
    try {
        file.require("ZZ");
        FAIL() << "no error";
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), "Padrao_Mercado.xml");
        EXPECT_NE(std::string(error.what()).find("ZZ"), std::string::npos);
    }
    try {
        file.text(file.find("U"), "cd_linha");
        FAIL() << "no error";
    } catch (const DataError& error) {
        EXPECT_NE(std::string(error.what()).find("cd_linha"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("U"), std::string::npos);
    }
    DataFile missing("Nao_Existe.xml");
    EXPECT_FALSE(missing.loaded());
    EXPECT_FALSE(missing.root());
    EXPECT_THROW(missing.require("BR"), DataError);
}

TEST_F(DataFileTest, AttributesReadAsTextRealOrRegionalInteger)
{
    DataFile file("Padrao_Mercado.xml");
    const auto br = file.find("BR");
    EXPECT_DOUBLE_EQ(file.real(br, "real"), 0.75);
    EXPECT_DOUBLE_EQ(file.real(br, "sem_numero"), 0.0);
    {
        LocaleGuard guard(kPointLocale);
        EXPECT_EQ(file.integer(br, "cd_linha"), 101);
        EXPECT_EQ(file.integer(br, "inteiro_par"), 2);
        EXPECT_EQ(file.integer(br, "inteiro_impar"), 4);
    }
    {
        LocaleGuard guard(kCommaLocale);
        EXPECT_EQ(file.integer(br, "inteiro_par"), 25); // the point groups digits under this locale
    }
    EXPECT_THROW(file.integer(br, "inteiro_grande"), DataError);
    EXPECT_THROW(file.integer(br, "inteiro_texto"), DataError);
}

TEST(ListCursorTest, WalksLikeAScreenFillingAListBox)
{
    ListCursor<std::string> list;
    EXPECT_TRUE(list.eof());
    EXPECT_FALSE(list.next());
    EXPECT_EQ(list.current(), "");
    list.add("a");
    list.add("b");
    EXPECT_FALSE(list.eof());
    EXPECT_EQ(list.current(), "a");
    EXPECT_TRUE(list.next());
    EXPECT_EQ(list.current(), "b");
    EXPECT_TRUE(list.next()); // Next on the last entry succeeds and reaches EOF
    EXPECT_TRUE(list.eof());
    EXPECT_FALSE(list.next());
    EXPECT_EQ(list.position(), 2u);
    EXPECT_EQ(list.byIndex(1), "b");
    EXPECT_EQ(list.byIndex(2), "");
    EXPECT_EQ(list.byIndex(-1), "");
    list.rewind();
    EXPECT_EQ(list.current(), "a");
}

} // namespace
