#include "live_test_support.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "live/edit_windows.h"
#include "live/live_classes.h"
#include "live/preview.h"
#include "live/win32_handles.h"
#include "shell/switching_window.h"

namespace zim::test {

namespace {

void put16(std::vector<unsigned char>& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void put32(std::vector<unsigned char>& out, unsigned value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putInfoHeader(std::vector<unsigned char>& out, int width, int height, int bits,
                   unsigned imageSize) {
    put32(out, 40);
    put32(out, static_cast<unsigned>(width));
    put32(out, static_cast<unsigned>(height));
    put16(out, 1);
    put16(out, static_cast<unsigned>(bits));
    put32(out, 0);
    put32(out, imageSize);
    for (int i = 0; i < 4; ++i)
        put32(out, 0);
}

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// The GDI handle table that Wine, like Windows, keeps in the process environment block: each
// entry in use has a type.
struct GdiHandleEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t user;
};
constexpr size_t gdiTableOffset = 0xF8; // of GdiSharedHandleTable in the 64-bit PEB
constexpr int gdiTableEntries = 0x10000;

DWORD gdiTableCount() {
    using CurrentEnvironment = void*(WINAPI*)();
    const auto currentEnvironment = reinterpret_cast<CurrentEnvironment>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetCurrentPeb")));
    if (!currentEnvironment)
        return 0;
    auto* environment = static_cast<unsigned char*>(currentEnvironment());
    auto* table = *reinterpret_cast<GdiHandleEntry**>(environment + gdiTableOffset);
    DWORD count = 0;
    for (int i = 0; table && i < gdiTableEntries; ++i)
        count += table[i].type != 0;
    return count;
}

DWORD threadWindowCount() {
    DWORD count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* total = reinterpret_cast<DWORD*>(data);
            ++*total;
            EnumChildWindows(
                window,
                [](HWND, LPARAM inner) -> BOOL {
                    ++*reinterpret_cast<DWORD*>(inner);
                    return TRUE;
                },
                data);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

} // namespace

void writeBitmap(const std::string& path, int width, int height,
                 const std::function<COLORREF(int, int)>& colour) {
    const int row = (width * 3 + 3) & ~3;
    std::vector<unsigned char> bytes = {'B', 'M'};
    put32(bytes, static_cast<unsigned>(54 + row * height));
    put32(bytes, 0);
    put32(bytes, 54);
    putInfoHeader(bytes, width, height, 24, static_cast<unsigned>(row * height));
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colour(x, y);
            bytes.push_back(GetBValue(c));
            bytes.push_back(GetGValue(c));
            bytes.push_back(GetRValue(c));
        }
        bytes.resize(bytes.size() + static_cast<size_t>(row - width * 3), 0);
    }
    writeFile(path, bytes);
}

void writeIcon(const std::string& path, COLORREF colour, bool cursor) {
    std::vector<unsigned char> bytes;
    put16(bytes, 0);
    put16(bytes, cursor ? 2 : 1);
    put16(bytes, 1);
    bytes.insert(bytes.end(), {16, 16, 0, 0});
    put16(bytes, cursor ? 0 : 1); // hot spot x for a cursor, planes for an icon
    put16(bytes, cursor ? 0 : 32);
    put32(bytes, 40 + 1024 + 64);
    put32(bytes, 22);
    putInfoHeader(bytes, 16, 32, 32, 1024 + 64);
    for (int i = 0; i < 256; ++i)
        bytes.insert(bytes.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour), 255});
    bytes.resize(bytes.size() + 64, 0);
    writeFile(path, bytes);
}

RECT centredInClient(HWND owner, SIZE size) {
    RECT client;
    GetClientRect(owner, &client);
    MapWindowPoints(owner, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const LONG left = client.left + (client.right - client.left - size.cx) / 2;
    const LONG top = client.top + (client.bottom - client.top - size.cy) / 2;
    return {left, top, left + size.cx, top + size.cy};
}

GuiObjects guiObjects() {
    HANDLE process = GetCurrentProcess();
    DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    if (gdi == 0)
        gdi = gdiTableCount();
    if (user == 0)
        user = threadWindowCount();
    return {gdi, user};
}

void LiveTest::SetUp() {
    ShellTest::SetUp();
    mainWindow_ = start();
}

// A test that failed halfway may leave a preview or an edit window behind; none may reach the
// next test.
void LiveTest::TearDown() {
    closeEditWindow();
    if (previewRunning())
        closeFirstWindow();
    pumpUntil([] { return !previewRunning(); }, 2000);
    pumpMessages();
    releasePreviewClasses();
    releaseEditWindowClass();
    ShellTest::TearDown();
}

HWND LiveTest::liveWindow(int w) {
    return loadHandle<HWND>(window(w).hwnd);
}

HWND LiveTest::wallpaperWindow() {
    return loadHandle<HWND>(project().wallpaper.hwnd);
}

HWND LiveTest::waitForFirstWindow() {
    pumpUntil([] { return liveWindow(1) != nullptr; });
    return liveWindow(1);
}

void LiveTest::pressBack() {
    click(GetDlgItem(switchingWindow, backButtonId));
    waitForPreviewEnd();
}

void LiveTest::waitForPreviewEnd() {
    pumpUntil([] { return !previewRunning() && !liveClassRegistered(designedClassName(1)); });
}

bool LiveTest::designerShown() {
    return IsWindowVisible(mainWindow) && IsWindowEnabled(mainWindow) &&
           !IsWindowVisible(switchingWindow) && !IsWindowEnabled(switchingWindow);
}

} // namespace zim::test
