// Shell timings, each beside its floor measured in the same run:
//  - filling the structure tree of a full-capacity project (21,103 items) with
//    buildStructureTree, against a bare loop that deletes the tree's items and inserts the same
//    items with the same TVM_INSERTITEMA calls;
//  - the time from starting ZimDesigner.exe to the creation of its main window, less the
//    2000 ms the backdrop's timer waits (only when the distribution folder is given).
// Usage: zim_bench_shell [DIST_FOLDER]
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "model/default_project.h"
#include "model/project.h"
#include "shell/shell_state.h"
#include "shell/structure_tree.h"
#include "shell/structure_tree_items.h"

namespace {

using namespace zim;
using bench::median;
using bench::nowMs;

constexpr int rounds = 7;

void fillFullProject() {
    buildDefaultProject();
    Project& p = project();
    p.program.windowCount = maxWindows;
    for (int w = 1; w <= maxWindows; ++w) {
        window(w).imageCount = maxImages;
        window(w).buttonCount = maxButtons;
        window(w).staticCount = maxStatics;
    }
}

// The floor: the same deletion and insertions, from a table made beforehand.
void bareFill(HWND tree, const std::vector<StructureItem>& items) {
    SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    std::vector<HTREEITEM> inserted(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        TVINSERTSTRUCTA insert = {};
        insert.hParent = items[i].parent < 0 ? TVI_ROOT : inserted[items[i].parent];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(items[i].text.c_str());
        insert.item.iImage = items[i].image;
        insert.item.iSelectedImage = items[i].image;
        insert.item.lParam = items[i].code;
        inserted[i] = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }
}

void benchTreeFill() {
    fillFullProject();
    const std::vector<StructureItem> items = structureTreeItems(project());
    HWND host = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 700, nullptr,
                                nullptr, hInstance, nullptr);
    HWND tree = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                                WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES |
                                    TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                10, 30, 280, 620, host, nullptr, hInstance, nullptr);
    prepareStructureTree(tree, RGB(224, 224, 224));
    bareFill(tree, items); // both start from a full tree

    std::vector<double> floor, fill;
    for (int round = 0; round < rounds; ++round) {
        double start = nowMs();
        bareFill(tree, items);
        floor.push_back(nowMs() - start);
        start = nowMs();
        buildStructureTree(tree, 0);
        fill.push_back(nowMs() - start);
    }
    const int count = static_cast<int>(SendMessageA(tree, TVM_GETCOUNT, 0, 0));
    std::printf("tree fill, %d items (median of %d rounds)\n", count, rounds);
    std::printf("  bare insert loop    %9.1f ms\n", median(floor));
    std::printf("  buildStructureTree  %9.1f ms\n", median(fill));
    std::printf("  ratio               %9.3f\n", median(fill) / median(floor));
    DestroyWindow(host);
}

// Starts the program in its folder and waits for its main window; returns the milliseconds, or
// a negative value when it did not appear.
double timeToMainWindow(const std::string& folder) {
    const std::string program = folder + "\\ZimDesigner.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const double start = nowMs();
    if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return -1;
    double found = -1;
    while (nowMs() - start < 15000) {
        if (HWND main = FindWindowA("WizardMainWindowClass", nullptr)) {
            found = nowMs() - start;
            PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        }
        Sleep(1);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return found;
}

void benchStartUp(const std::string& folder) {
    std::vector<double> times;
    for (int round = 0; round < 3; ++round) {
        const double ms = timeToMainWindow(folder);
        if (ms < 0) {
            std::printf("start-up: the main window did not appear\n");
            return;
        }
        times.push_back(ms);
    }
    std::printf("start-up to main window (median of 3): %.1f ms, less the 2000 ms timer: %.1f ms\n",
                median(times), median(times) - 2000.0);
}

} // namespace

int main(int argc, char** argv) {
    hInstance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0x2FF};
    InitCommonControlsEx(&controls);
    createSharedResources();
    benchTreeFill();
    if (argc > 1)
        benchStartUp(argv[1]);
    releaseSharedResources();
    return 0;
}
