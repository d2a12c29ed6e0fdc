// The process check over long process lists in which no name matches: the cost per record.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "actions/ProcessCheck.h"

namespace {

// Every other name has the length of the name looked for and differs only in its last letters, so
// that half the records are compared byte by byte; the rest differ in length, as most do on a real
// machine.
std::vector<Text> SyntheticProcesses(std::size_t count) {
    std::vector<Text> names;
    names.reserve(count);
    char name[48];
    for (std::size_t i = 0; i < count; ++i) {
        if (i % 2 == 0) {
            std::snprintf(name, sizeof(name), "TARNWICK%04zu", i % 10000);  // 12 bytes, like "Tarnwick.exe"
        } else {
            std::snprintf(name, sizeof(name), "service-host-%zu.exe", i);
        }
        names.emplace_back(name);
    }
    return names;
}

void BM_CheckWithoutMatch(benchmark::State& state) {
    const std::vector<Text> processes = SyntheticProcesses(static_cast<std::size_t>(state.range(0)));
    const Text name = "Tarnwick.exe";
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnyProcessNamed(processes, name));
    }
    state.counters["time_per_record"] =
        benchmark::Counter(static_cast<double>(processes.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CheckWithoutMatch)->Arg(1024)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
