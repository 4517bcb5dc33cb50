// Start of a generated program until its window 1 is painted, against the hand-written program
// that makes the same window and controls with bare Win32 calls (bare_window_program.cpp),
// alternating in the same run. "Painted": the window and every control are visible and none
// has anything left to paint. The generated program is the runtime tests' bench.exe, built from
// the "Bench window" design by zimtool build (run the runtime tests first).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_timing.h"

namespace {

using zim::bench::median;
using zim::bench::nowMs;

constexpr int rounds = 15;

struct Search {
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK findFirstWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[64] = "";
    GetWindowTextA(window, title, sizeof title);
    if (owner == search->process && std::string(title) == "First Application Window") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK checkChild(HWND child, LPARAM lParam) {
    auto* painted = reinterpret_cast<bool*>(lParam);
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
        *painted = false;
    return *painted;
}

bool painted(HWND window) {
    if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool all = true;
    EnumChildWindows(window, checkChild, reinterpret_cast<LPARAM>(&all));
    return all;
}

// Milliseconds from starting the program until its window 1 is painted; -1 when it never is.
double timeToPainted(const std::string& program) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string line = "\"" + program + "\"";
    // Started in its own folder, where the generated program's hooks leave their files.
    const std::string folder = program.substr(0, program.find_last_of("\\/") + 1);
    const double start = nowMs();
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return -1;
    Search search{process.dwProcessId};
    double elapsed = -1;
    while (nowMs() - start < 20000) {
        if (!search.found)
            EnumWindows(findFirstWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found && painted(search.found)) {
            elapsed = nowMs() - start;
            break;
        }
        Sleep(1);
    }
    if (search.found)
        PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

std::string besideThisProgram(const char* name) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

} // namespace

int main() {
    const std::string generated = ZIM_RUNTIME_BENCH_PROGRAM;
    const std::string bare = besideThisProgram("zim_bare_window_program.exe");
    if (GetFileAttributesA(generated.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::printf("%s is missing: run the runtime tests first (ctest -R runtime)\n",
                    generated.c_str());
        return 1;
    }
    std::vector<double> floor, measured;
    for (int r = 0; r < rounds; ++r) {
        const double bareTime = timeToPainted(bare);
        const double generatedTime = timeToPainted(generated);
        if (bareTime < 0 || generatedTime < 0) {
            std::printf("a program did not paint its window\n");
            return 1;
        }
        floor.push_back(bareTime);
        measured.push_back(generatedTime);
    }
    const double floorMs = median(floor), measuredMs = median(measured);
    std::printf("Start to window 1 painted (median of %d rounds)\n", rounds);
    std::printf("  %-28s %9.3f ms\n", "hand-written Win32 program", floorMs);
    std::printf("  %-28s %9.3f ms\n", "generated program", measuredMs);
    std::printf("  ratio                        %9.3f\n", measuredMs / floorMs);
    return 0;
}
