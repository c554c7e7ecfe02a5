// Loading a section of the shipped text catalogue and reading texts from it,
// as a screen does when it starts.
#include "pelgo/DataFile.h"
#include "pelgo/ProgramFolder.h"
#include "pelgo/clsPelgo_Geral.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

void BM_CarregaXMLAnd20Texts(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    static const std::array<const char*, 4> tags{"TIDIOMA", "TMERCADO", "TIDIOMA", "TMERCADO"};
    for (auto _ : state) {
        pelgo::clsPelgo_Geral catalogue;
        catalogue.CarregaXML("ESP", "INICIAL");
        for (int i = 0; i < 20; ++i)
            benchmark::DoNotOptimize(catalogue.GetTextosPelgo(tags[i % tags.size()]));
    }
}
BENCHMARK(BM_CarregaXMLAnd20Texts)->Unit(benchmark::kMicrosecond);

// The first CarregaXML after the catalogue file changed: the whole file parsed.
void BM_CatalogueParse(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    for (auto _ : state) {
        pelgo::DataFile file("Textos_pagina_pelgo.xml");
        benchmark::DoNotOptimize(file.find("ESP"));
    }
}
BENCHMARK(BM_CatalogueParse)->Unit(benchmark::kMicrosecond);

} // namespace
