#include "pelgo/ClasseTermica.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace pelgo {
namespace {

using test::fixture;
using test::ProgramFolderGuard;

struct Caso {
    double tempo;
    double correnteEficaz;
    double correnteNominal;
    const char* classe;
};

// Bands (..10], (10..20], (20..); In = 100 A, so the ratio is Irms / 100.
TEST(ClasseTermica, WalksTheBandsAndTheirEntriesInOrder)
{
    ProgramFolderGuard folder(fixture("settings/base"));
    const Caso casos[] = {
        {10, 250, 100, "A10"},     // Max is inclusive
        {10.01, 250, 100, "B20"},  // Min is exclusive
        {25, 250, 100, "C30"},     // empty Max: open above
        {0, 250, 100, "A10"},      // empty Min: open below
        {-1, 250, 100, "A10"},
        {5, 300, 100, "A10"},      // ratio equal to the limit still qualifies
        {5, 301, 100, "A20"},
        {5, 900, 100, "A30"},      // an empty limit takes any ratio
        {15, 200, 100, "B10"},
        {15, 401, 100, ""},        // the band has no class for it: no later band is tried
        {25, 301, 100, ""},
        {5, 250, 0, "A30"},        // no rated current: only the open entry qualifies
        {15, 250, 0, ""},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(ClasseTermica::ObtemClasseTermica(caso.tempo, caso.correnteEficaz, caso.correnteNominal),
                  caso.classe)
            << "t = " << caso.tempo << " s, Irms = " << caso.correnteEficaz << " A, In = " << caso.correnteNominal;
}

TEST(ClasseTermica, SkipsBandsAndEntriesThatLackAnAttribute)
{
    ProgramFolderGuard folder(fixture("settings/irregular"));
    const Caso casos[] = {
        {0, 100, 100, "ZERO"},   // the band without Min is skipped; both bounds empty hold t <= 0
        {5, 50, 100, "10"},      // entries without a limit or without a class are skipped
        {5, 450, 100, "10"},     // "  4.5 x" reads as 4.5
        {5, 460, 100, "20"},     // "abc" reads as 0
        {5, 700, 100, ""},       // the first matching band decides even though a later one would match
        {50, 100, 100, "DEPOIS"},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(ClasseTermica::ObtemClasseTermica(caso.tempo, caso.correnteEficaz, caso.correnteNominal),
                  caso.classe)
            << "t = " << caso.tempo << " s, Irms = " << caso.correnteEficaz << " A";
}

TEST(ClasseTermica, MissingOrBrokenFileGivesNoClass)
{
    for (const char* pasta : {"settings/broken", "settings/no-such-folder"}) {
        ProgramFolderGuard folder(fixture(pasta));
        EXPECT_EQ(ClasseTermica::ObtemClasseTermica(5, 300, 100), "") << pasta;
    }
}

TEST(ClasseTermica, TimeThatIsNotANumberMatchesNoBand)
{
    ProgramFolderGuard folder(fixture("settings/base"));
    EXPECT_EQ(ClasseTermica::ObtemClasseTermica(std::numeric_limits<double>::quiet_NaN(), 250, 100), "");
}

} // namespace
} // namespace pelgo
