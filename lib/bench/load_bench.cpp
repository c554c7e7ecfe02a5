// Starting the load step and the installation step on the shipped data, as
// their screens do: every data file and the text catalogue are read afresh.
#include "pelgo/ProgramFolder.h"
#include "pelgo/clsEtapa4.h"
#include "pelgo/clsEtapa5.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Etapa4Inicia(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    for (auto _ : state) {
        pelgo::clsEtapa4 step;
        benchmark::DoNotOptimize(step.Inicia("POR", 22));
    }
}
BENCHMARK(BM_Etapa4Inicia)->Unit(benchmark::kMicrosecond);

// Inicia followed by the load type the screen selects first.
void BM_Etapa4IniciaAndFirstLoad(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    for (auto _ : state) {
        pelgo::clsEtapa4 step;
        step.Inicia("POR", 22);
        step.CarregaComplement("POR", 1, 0.155);
        benchmark::DoNotOptimize(step.MaiorCMax());
    }
}
BENCHMARK(BM_Etapa4IniciaAndFirstLoad)->Unit(benchmark::kMicrosecond);

// Inicia with the connections of a large motor, then both unit lists.
void BM_Etapa5Inicia(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    for (auto _ : state) {
        pelgo::clsEtapa5 step;
        benchmark::DoNotOptimize(step.Inicia("ENG", 150, "U"));
        step.CarregaAltitude(1);
        step.CarregaTemperatura(1);
    }
}
BENCHMARK(BM_Etapa5Inicia)->Unit(benchmark::kMicrosecond);

} // namespace
