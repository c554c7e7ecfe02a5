// One whole sizing through the wizard's step logic, steps 1 to 6, as a user
// who keeps every default: each step reads its data files afresh.

#include "pelgo/ProgramFolder.h"
#include "pelgo/clsPelgo.h"
#include "pelgo/wizard/Etapa1.h"
#include "pelgo/wizard/Etapa2.h"
#include "pelgo/wizard/Etapa3.h"
#include "pelgo/wizard/Etapa4.h"
#include "pelgo/wizard/Etapa5.h"
#include "pelgo/wizard/Etapa6.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using namespace pelgo;
using namespace pelgo::wizard;

template <class Step>
void pass(Step& step, clsPelgo& record)
{
    if (!step.forward(record).ok())
        throw std::runtime_error("a default was refused");
}

void BM_SizingThroughSteps1To6(benchmark::State& state)
{
    setProgramFolder(PELGO_PROGRAM_DIR);
    for (auto _ : state) {
        clsPelgo record;
        record.SetTitulo("ENG");
        record.SetIdioma("ENG");
        record.setMercado("IEC");
        record.setNorma("IEC");
        {
            Etapa1 step(record);
            step.choosePower(step.powers().findText("30"));
            pass(step, record);
        }
        { Etapa2 step(record); pass(step, record); }
        { Etapa3 step(record); pass(step, record); }
        { Etapa4 step(record); pass(step, record); }
        { Etapa5 step(record); pass(step, record); }
        Etapa6 results(record);
        if (!results.sized())
            throw std::runtime_error("the sizing failed");
        benchmark::DoNotOptimize(record.PedestalTensao());
    }
}
BENCHMARK(BM_SizingThroughSteps1To6)->Unit(benchmark::kMillisecond);

} // namespace
