// Save and load of a full-capacity Project against the floor of plain buffered I/O of the
// same number of bytes, measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include <sys/resource.h>

#include "model/default_project.h"
#include "model/project_file.h"

namespace {

namespace fs = std::filesystem;

fs::path benchDirectory() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / "zim-bench";
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

void fillFullCapacity() {
    using namespace zim;
    buildDefaultProject();
    Project& p = project();
    p.program.windowCount = maxWindows;
    for (int w = 1; w <= maxWindows; ++w) {
        AppWindow& win = window(w);
        if (w > 1)
            win = window(1);
        win.imageCount = maxImages;
        win.buttonCount = maxButtons;
        win.staticCount = maxStatics;
        for (int b = 1; b <= maxButtons; ++b)
            button(w, b) = button(1, 1);
        for (int s = 1; s <= maxStatics; ++s)
            staticControl(w, s) = staticControl(1, 1);
    }
}

const std::size_t fullSize = 34770236;

void BM_FloorWriteThenRead(benchmark::State& state) {
    std::vector<char> data(fullSize, 'z');
    const fs::path file = benchDirectory() / "floor.bin";
    for (auto _ : state) {
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::fwrite(data.data(), 1, data.size(), out);
        std::fclose(out);
        std::FILE* in = std::fopen(file.c_str(), "rb");
        benchmark::DoNotOptimize(std::fread(data.data(), 1, data.size(), in));
        std::fclose(in);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(fullSize) * 2);
}

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs first, before the floor allocates its buffer, so that the growth of the peak resident
// size is what saving and loading need beyond the Project itself.
void BM_SaveThenLoadFullProject(benchmark::State& state) {
    fillFullCapacity();
    const fs::path dir = benchDirectory();
    const long before = peakResidentKiB();
    for (auto _ : state) {
        if (!zim::saveProjectFile(dir, "Default project") ||
            !zim::loadProjectFile(dir, "Default project"))
            state.SkipWithError("save or load failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(fullSize) * 2);
    state.counters["project_KiB"] = double(sizeof(zim::Project)) / 1024;
    state.counters["peak_growth_KiB"] = double(peakResidentKiB() - before);
}

BENCHMARK(BM_SaveThenLoadFullProject)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FloorWriteThenRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
