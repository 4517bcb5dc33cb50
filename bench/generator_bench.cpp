// Generation of a full-capacity compiler project (100 windows of 100 buttons and 100 statics)
// against the floor of one fwrite of the same number of bytes, measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "generator/button_action_source.h"
#include "generator/generation_driver.h"
#include "generator/resource_script.h"
#include "generator/text_sink.h"
#include "model/default_project.h"
#include "model/project_file.h"
#include "model/text_field.h"

namespace {

namespace fs = std::filesystem;

fs::path benchDirectory() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / "zim-bench-generator";
        fs::create_directories(d / "out");
        fs::create_directories(d / "LIBRARIES");
        fs::create_directories(d / "Demo");
        for (const char* file : {"MSImg32.Lib", "ZIM.lib", "resource.h", "resource.fd",
                                 "ZIM_User_On_Init.f90", "ZIM_User_On_Exit.f90", "ZIM_W.ico"}) {
            std::FILE* out = std::fopen((d / "LIBRARIES" / file).c_str(), "wb");
            std::fputs(file, out);
            std::fclose(out);
        }
        return d;
    }();
    return dir;
}

// Every window full of classic buttons and text statics with 250-character descriptions;
// the wallpaper has no image, so the only file copies are those of the libraries.
void fillFullCapacity() {
    using namespace zim;
    buildDefaultProject();
    Project& p = project();
    p.program.windowCount = maxWindows;
    p.wallpaper.imagePresent = 0;
    const std::string description(250, 'd');
    setText(button(1, 1).description, description);
    setText(staticControl(1, 1).description, description);
    for (int w = 1; w <= maxWindows; ++w) {
        AppWindow& win = window(w);
        if (w > 1)
            win = window(1);
        win.buttonCount = maxButtons;
        win.staticCount = maxStatics;
        for (int b = 1; b <= maxButtons; ++b)
            button(w, b) = button(1, 1);
        for (int s = 1; s <= maxStatics; ++s)
            staticControl(w, s) = staticControl(1, 1);
    }
}

void ignoreCopies(const std::string&, zim::ImageSource) {}

// Bytes of the two generated text files.
std::size_t textBytes() {
    static const std::size_t size = [] {
        fillFullCapacity();
        zim::StringSink script, source;
        zim::writeResourceScript(script, zim::project(), ignoreCopies);
        zim::writeButtonActionSource(source, zim::project());
        return script.text().size() + source.text().size();
    }();
    return size;
}

void fwriteFloor(benchmark::State& state, std::size_t bytes) {
    const std::vector<char> data(bytes, 'z');
    const fs::path file = benchDirectory() / "floor.bin";
    for (auto _ : state) {
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::fwrite(data.data(), 1, data.size(), out);
        std::fclose(out);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

void BM_FloorFwriteTextBytes(benchmark::State& state) {
    fwriteFloor(state, textBytes());
}

void BM_WriteBothTextFiles(benchmark::State& state) {
    const std::size_t bytes = textBytes();
    fillFullCapacity();
    const fs::path dir = benchDirectory() / "out";
    for (auto _ : state) {
        zim::FileSink script(dir / "Demo.rc");
        zim::writeResourceScript(script, zim::project(), ignoreCopies);
        zim::FileSink source(dir / zim::buttonActionSourceName);
        zim::writeButtonActionSource(source, zim::project());
        if (!script.close().empty() || !source.close().empty())
            state.SkipWithError("a text file could not be written");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

// The whole driver also saves the 34 MB design data and copies the library files.
void BM_GenerateCompilerProject(benchmark::State& state) {
    const std::size_t bytes = textBytes();
    fillFullCapacity();
    const fs::path dir = benchDirectory();
    const zim::GenerationPaths paths{dir / "out", dir / "LIBRARIES", dir / "Demo", "Demo"};
    for (auto _ : state) {
        if (!zim::generateCompilerProject(zim::project(), paths).complete())
            state.SkipWithError("generation failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
    state.counters["writtenBytes"] =
        double(bytes + std::size_t(zim::projectFileSize(zim::project())));
}

void BM_FloorFwriteAllWrittenBytes(benchmark::State& state) {
    fillFullCapacity();
    fwriteFloor(state, textBytes() + std::size_t(zim::projectFileSize(zim::project())));
}

BENCHMARK(BM_FloorFwriteTextBytes)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WriteBothTextFiles)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FloorFwriteAllWrittenBytes)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_GenerateCompilerProject)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
