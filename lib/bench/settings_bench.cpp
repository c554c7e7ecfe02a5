// The parameter screens' start on the shipped data, as the screens do it:
// the catalogue and Classe_Termica.xml are read afresh on every start.
#include "pelgo/ClasseTermica.h"
#include "pelgo/DataError.h"
#include "pelgo/ProgramFolder.h"
#include "pelgo/clsCalculoEconomia.h"
#include "pelgo/clsEtapa10.h"
#include "pelgo/clsEtapa9.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// One lookup in the last band, the longest walk of the file.
void BM_ObtemClasseTermica(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    for (auto _ : state)
        benchmark::DoNotOptimize(pelgo::ClasseTermica::ObtemClasseTermica(120, 320, 100));
}
BENCHMARK(BM_ObtemClasseTermica)->Unit(benchmark::kMicrosecond);

void BM_Etapa9Inicia(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    for (auto _ : state) {
        pelgo::clsEtapa9 step;
        try {
            benchmark::DoNotOptimize(
                step.Inicia("POR", true, true, 12, 100, 170, 35, std::sqrt(3.0), 0, 15, 300, 170, 3, 250));
        } catch (const pelgo::DataError& error) {
            state.SkipWithError(error.what());
            break;
        }
    }
}
BENCHMARK(BM_Etapa9Inicia)->Unit(benchmark::kMicrosecond);

// Both methods available: two thermal-class lookups.
void BM_Etapa10Inicia(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    for (auto _ : state) {
        pelgo::clsEtapa10 step;
        try {
            benchmark::DoNotOptimize(
                step.Inicia("ENG", true, 3, std::sqrt(3.0), 0, 100, 170, 350, 250, 15, 8, true, 3, 300, 170));
        } catch (const pelgo::DataError& error) {
            state.SkipWithError(error.what());
            break;
        }
    }
}
BENCHMARK(BM_Etapa10Inicia)->Unit(benchmark::kMicrosecond);

void BM_CalculoEconomia(benchmark::State& state)
{
    pelgo::clsCalculoEconomia economia;
    for (auto _ : state) {
        economia.CalculoEconomia("POR", 1.5, 24, 366, 0.85);
        benchmark::DoNotOptimize(economia.EconomiaAnualValor());
    }
}
BENCHMARK(BM_CalculoEconomia);

} // namespace
