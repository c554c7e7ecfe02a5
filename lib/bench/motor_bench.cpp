// The motor steps on the shipped data: each step's start (files read afresh)
// and the curve estimate that the curve screen repeats on every edit.
#include "pelgo/ProgramFolder.h"
#include "pelgo/clsEtapa1.h"
#include "pelgo/clsEtapa2.h"
#include "pelgo/clsEtapa3.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Etapa1_Inicia(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    for (auto _ : state) {
        pelgo::clsEtapa1 step;
        benchmark::DoNotOptimize(step.Inicia("POR", "NBR", "BR"));
        // The screen fills the power list as soon as the defaults are chosen.
        benchmark::DoNotOptimize(step.CarregaPotenciaNominal("NBR", 60, 101, 4, "vl_potencia_cv"));
    }
}
BENCHMARK(BM_Etapa1_Inicia)->Unit(benchmark::kMillisecond);

void BM_Etapa2_Inicia(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    for (auto _ : state) {
        pelgo::clsEtapa2 step;
        benchmark::DoNotOptimize(step.Inicia("POR", "IEC", 50, "N", 202, 8, 315, 400)); // late in the table
    }
}
BENCHMARK(BM_Etapa2_Inicia)->Unit(benchmark::kMillisecond);

void BM_Etapa3_Inicia(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    for (auto _ : state) {
        pelgo::clsEtapa3 step;
        benchmark::DoNotOptimize(step.Inicia("POR", 50, "N", 202, 8, 315, "IEC", "IEC", 430, "400L"));
    }
}
BENCHMARK(BM_Etapa3_Inicia)->Unit(benchmark::kMillisecond);

// Arguments: category D (1) or N (0).
void BM_EstimarTabela(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    const char* category = state.range(0) ? "D" : "N";
    pelgo::clsEtapa3 step;
    step.EstimarTabela("NBR", 4, 10, "132M", category, 2.6, 2.2, 6.8); // the step has read its frame table
    for (auto _ : state) {
        step.EstimarTabela("NBR", 4, 10, "132M", category, 2.6, 2.2, 6.8);
        benchmark::DoNotOptimize(step.CCnByIndex(5));
    }
}
BENCHMARK(BM_EstimarTabela)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
