// The shipped thermal classes and the shipped texts of the parameter, graph
// and saving screens.
#include "pelgo/ClasseTermica.h"
#include "pelgo/clsEtapa11.h"
#include "pelgo/clsEtapa12.h"
#include "pelgo/clsEtapa13.h"
#include "pelgo/clsEtapa14.h"
#include "pelgo/clsPelgo_Geral.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace pelgo {
namespace {

using test::ProgramFolderGuard;
using test::shippedData;

TEST(ShippedSettingsData, ThermalClassRisesWithTimeAndCurrent)
{
    ProgramFolderGuard folder(shippedData());
    const struct {
        double tempo;
        double razao; // rms starting current / rated current
        const char* classe;
    } casos[] = {
        {3, 3.5, "10"},   // a short, light start
        {3, 10, "20"},
        {8, 3, "10"},
        {15, 4.5, "15"},
        {25, 5, "25"},
        {35, 2.5, "10"},
        {50, 3.5, "25"},
        {120, 3.2, "30"},
        {120, 4, ""},     // beyond class 30: no class protects this start
    };
    for (const auto& caso : casos)
        EXPECT_EQ(ClasseTermica::ObtemClasseTermica(caso.tempo, caso.razao * 100, 100), caso.classe)
            << caso.tempo << " s at " << caso.razao << " x In";
}

TEST(ShippedSettingsData, EveryLanguageHasTheTexts)
{
    ProgramFolderGuard folder(shippedData());
    const std::vector<std::pair<const char*, std::vector<const char*>>> secoes = {
        {"ETAPA9",
         {"TPARAMETRIZACAO", "TTRIMPOTACCELTIME", "TTRIMPOTMOTORCURRENT", "TTRIMPOTPEDESTALVOLTAGE", "TMODOOPERACAO",
          "TRELEBYPASS", "TTENSAOINICIALP01", "TTEMPORAMPAACEL", "TLIMITACAOCORRENTEP11", "TAJUSTECORRENTEP21",
          "TCLASSETERMICA", "TFATORSERVISSO", "PARAMETROSCONFIGURA", "PARAMETROSREGULACAO", "PARAMETROSMOTOR"}},
        {"ETAPA11",
         {"GRAFICOSPARTIDA", "GCORRENTEPARTIDA", "GCORRENTEPU", "GROTACAO", "GCORRENTEPARTIDAPU", "GTENSAOSAIDA",
          "GTENSAO", "GTEMPO", "GTENSAOSAIDASS", "GCONJUGADO", "GSOFTSTARTERCARGA"}},
        {"ETAPA12", {"GRAFICOSCORRENTE"}},
        {"ETAPA13", {"GRAFICOSMOTOR", "GACELERACAOMOTOR"}},
        {"CALCULO_ECONOMIA",
         {"ECONOMIAEXPLICAT1", "ECONOMIAEXPLICAT2", "THORASOPERACAODIA", "TNRDIASOPERACAOANO", "TUNIDADEDIAS",
          "TCUSTOKW", "UNIDADEVALOR", "TECONOMIAANUALKWH", "TECONOMIAANUALVALOR", "TINVALIDO"}},
        {"IMPRESSAO_PELGO", {"TIMPRIMIR"}},
    };
    for (const char* idioma : {"POR", "ENG", "ESP"}) {
        clsPelgo_Geral catalogo;
        for (const auto& [secao, tags] : secoes) {
            catalogo.CarregaXML(idioma, secao);
            for (const char* tag : tags)
                EXPECT_FALSE(catalogo.GetTextosPelgo(tag).empty()) << idioma << "/" << secao << "/" << tag;
        }
        // The legends of two curves are one text split at ",".
        catalogo.CarregaXML(idioma, "ETAPA11");
        for (const char* legendas : {"GCORRENTEPARTIDAPU", "GSOFTSTARTERCARGA"}) {
            const std::string texto = catalogo.GetTextosPelgo(legendas);
            EXPECT_EQ(std::count(texto.begin(), texto.end(), ','), 1) << idioma << "/" << legendas;
        }
        // The parameter labels name the device parameter.
        catalogo.CarregaXML(idioma, "ETAPA9");
        EXPECT_NE(catalogo.GetTextosPelgo("TLIMITACAOCORRENTEP11").find("(P11)"), std::string::npos) << idioma;

        EXPECT_EQ(clsEtapa11().Inicia(idioma), 0);
        EXPECT_EQ(clsEtapa12().Inicia(idioma), 0);
        EXPECT_EQ(clsEtapa13().Inicia(idioma), 0);
        EXPECT_EQ(clsEtapa14().Inicia(idioma), 0);
    }
}

} // namespace
} // namespace pelgo
