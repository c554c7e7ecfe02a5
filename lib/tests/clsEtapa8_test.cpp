// Step 8: the texts of the new-current-limit screen.

#include "EngineFixture.h"

#include "pelgo/DataError.h"
#include "pelgo/clsEtapa8.h"

#include <gtest/gtest.h>

namespace {

TEST(Etapa8, IniciaReadsTheTextsOfFourSections)
{
    pelgo::test::EngineFolder folder;
    pelgo::clsEtapa8 step;
    EXPECT_EQ(step.Inicia("POR"), 0);
    EXPECT_EQ(step.PartidaLimitacaoCorrente(), "POR/ETAPA6/PARTIDALIMITACAOCORRENTE");
    EXPECT_EQ(step.TCorrenteMinima(), "POR/ETAPA8/TCORRENTEMINIMA");
    EXPECT_EQ(step.TNovaLimitacaoCorrente(), "POR/ETAPA8/TNOVALIMITACAOCORRENTE");
    EXPECT_EQ(step.TMensagem(), "POR/ETAPA1/TMENSAGEM");
    EXPECT_EQ(step.btCalcular(), "POR/BOTOES/BTCALCULAR");
    EXPECT_EQ(step.btCancelar(), "POR/BOTOES/BTCANCELAR");
    EXPECT_EQ(step.btAjuda(), "POR/BOTOES/BTAJUDA");
}

TEST(Etapa8, MissingCatalogueIsADataError)
{
    pelgo::test::EngineFolder folder;
    folder.remove("Textos_pagina_pelgo.xml");
    pelgo::clsEtapa8 step;
    EXPECT_THROW(step.Inicia("POR"), pelgo::DataError);
}

} // namespace
