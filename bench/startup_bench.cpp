// Start-up of the core: the main window created, its start-up sequence run and the saved state
// restored, over team and stadium lists of growing size. Prints the time per start-up and the
// peak of heap memory it used.
//   cmake --preset bench && cmake --build --preset bench && build/bench/startup_bench

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "app/wiring.h"
#include "model/form1.h"
#include "tests/native/support/fakes.h"

namespace {

std::atomic<size_t> gLiveBytes{0};
std::atomic<size_t> gPeakBytes{0};

void CountAllocation(size_t size) {
    size_t live = gLiveBytes.fetch_add(size) + size;
    size_t peak = gPeakBytes.load();
    while (live > peak && !gPeakBytes.compare_exchange_weak(peak, live)) {
    }
}

}  // namespace

// Every allocation carries its size in front, so the live total can be kept exactly. The compiler
// cannot see that these replace the global pair, hence the pragma.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(size_t size) {
    auto* block = static_cast<size_t*>(std::malloc(size + sizeof(std::max_align_t)));
    if (!block)
        throw std::bad_alloc();
    *block = size;
    CountAllocation(size);
    return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}
void operator delete(void* p) noexcept {
    if (!p)
        return;
    auto* block = reinterpret_cast<size_t*>(static_cast<char*>(p) - sizeof(std::max_align_t));
    gLiveBytes.fetch_sub(*block);
    std::free(block);
}
void operator delete(void* p, size_t) noexcept {
    operator delete(p);
}

namespace pp {
namespace {

const std::string kRoot = "C:\\Games\\FIFA 09 Demo\\";

// Names in no particular order, some differing only in case, as real list files are.
std::string ListFile(int count, const char* stem) {
    std::string text;
    uint32_t x = 12345;
    for (int i = 0; i < count; ++i) {
        x = x * 1103515245u + 12345u;
        text += (x & 0x100 ? "Club " : "club ") + std::to_string(x % 1000003) + " " + stem + "," + std::to_string(i) +
                "\r\n";
    }
    return text;
}

void BM_StartUp(benchmark::State& state) {
    const int teams = static_cast<int>(state.range(0));
    FakeOs fake;
    for (const char* f : kRequiredFiles)
        fake.files.Put(kRoot + f, "");
    fake.files.Put(kRoot + kTeamListFile, ListFile(teams, "Town"));
    fake.files.Put(kRoot + kStadiumListFile, ListFile(teams, "Park"));
    // A stored selection near the end of the lists, so the restore looks up real records.
    for (const char* key : {"cb1", "cb2", "cb5"})
        fake.settings.values[MemorySettingsStore::Address("KWTR", "09PP", key)] = std::to_string(teams - 1);
    size_t peak = 0;
    for (auto _ : state) {
        // The stand-ins log every call; emptied each time, so a log that grows over thousands of
        // runs is not taken for the start-up's own memory.
        fake.files.lookups.clear();
        fake.files.deletions.clear();
        fake.pictures.loads.clear();
        const size_t before = gLiveBytes.load();
        gPeakBytes = before;
        Form1 form(fake.os);
        WireHandlers(form);
        form.Load();
        benchmark::DoNotOptimize(form.Combo1.List().Count());
        peak = std::max(peak, gPeakBytes.load() - before);
    }
    state.counters["peak_heap_MiB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    state.SetComplexityN(teams);
}

BENCHMARK(BM_StartUp)->Arg(30)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace pp

BENCHMARK_MAIN();
