// The results screen's sizing on the shipped data: Inicia, the voltage-ramp
// sizing and the current-limit sizing of a new step-6 object, every data file
// and the text catalogue read afresh. Goal: under 5 ms for the three together.
#include "pelgo/ProgramFolder.h"
#include "pelgo/clsEtapa6.h"

#include <benchmark/benchmark.h>

#include <locale>

namespace {

// A 37 kW 4-pole motor at 380 V 60 Hz starting a centrifugal pump.
const char* const kCCn = "2.3|2.2|2.1|2.05|2|2.1|2.3|2.6|2.8|2.2|0";
const char* const kIIn = "7|6.9|6.8|6.7|6.5|6.3|6|5.5|4.7|3.2|1";
const char* const kC = "30|6|9|14|20|29|39|52|66|82|100";

void sizeBothMethods(pelgo::clsEtapa6& step)
{
    step.Inicia("POR");
    if (step.DimensionamentoRampaTensao(false, "POR", 40, 1000, 0.25, kCCn, 0.81, kC, 200, kIIn, 60, 4, 0.37, 0.74,
                                        69, 12, 600, 90, 1, 1, 1, 6, 220, 380))
        step.DimensionamentoTensaoCorrente(false, "POR", 2.0, kCCn, kC, kIIn, 0.81, 200, 60, 4, 0.37, 0.74, 12, 69,
                                           600, 90, 1, 1, 1, 6, 40, 1000, 220, 380);
}

void BM_ResultsScreenSizing(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    std::locale::global(std::locale::classic());
    for (auto _ : state) {
        pelgo::clsEtapa6 step;
        sizeBothMethods(step);
        benchmark::DoNotOptimize(step.ModeloTarvoLimitacaoCorrente());
    }
}
BENCHMARK(BM_ResultsScreenSizing)->Unit(benchmark::kMillisecond);

} // namespace
