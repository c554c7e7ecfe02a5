// pelgo-size's batch: 1000 cases (the example cases over a range of motor
// powers), each run through the wizard's steps and answered as a JSON line.

#include "Batch.h"
#include "Report.h"
#include "SizingCase.h"

#include "pelgo/ProgramFolder.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

std::vector<json> exampleCases()
{
    const char* names[] = {"pump", "fan", "conveyor", "crusher", "inside-delta", "large-high-inertia"};
    std::vector<json> examples;
    for (const char* name : names) {
        std::ifstream file(std::string(PELGO_SOURCE_DIR) + "/examples/" + name + ".json");
        examples.push_back(json::parse(file));
    }
    return examples;
}

// 1000 input lines: the example cases in turn.
std::vector<std::string> thousandLines()
{
    const std::vector<json> examples = exampleCases();
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i)
        lines.push_back(examples[i % examples.size()].dump());
    return lines;
}

// The batch as pelgo-size --batch runs it; the argument is the number of threads.
void BM_BatchOf1000Cases(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    pelgo::size::keepFreedMemory(); // as pelgo-size does at start
    const std::vector<std::string> lines = thousandLines();
    for (auto _ : state)
        benchmark::DoNotOptimize(pelgo::size::answerLines(lines, static_cast<unsigned>(state.range(0))));
}
BENCHMARK(BM_BatchOf1000Cases)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_OneCase(benchmark::State& state)
{
    pelgo::setProgramFolder(PELGO_PROGRAM_DIR);
    const json sizingCase = exampleCases().front();
    for (auto _ : state)
        benchmark::DoNotOptimize(pelgo::size::runCase(sizingCase).ramp.setting);
}
BENCHMARK(BM_OneCase)->Unit(benchmark::kMillisecond);

} // namespace
