#include "ui_harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "shell/message_loop.h"

namespace zim::test {

namespace {

std::deque<std::function<void(HWND)>> pendingActions;
HHOOK activationHook = nullptr;
HWND dialogToDrive = nullptr;
// The dialog each pending timer was set for: a timer left over from a dialog that is gone
// must never act on a later one.
std::map<UINT_PTR, HWND> timerDialogs;

HWND takeTimerDialog(UINT_PTR timer) {
    KillTimer(nullptr, timer);
    const auto it = timerDialogs.find(timer);
    HWND dialog = it == timerDialogs.end() ? nullptr : it->second;
    if (it != timerDialogs.end())
        timerDialogs.erase(it);
    return dialog == dialogToDrive && IsWindow(dialog) ? dialog : nullptr;
}

// A modal dialog that no test planned for would wait for a user forever: end it and fail.
void CALLBACK closeUnexpectedDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!takeTimerDialog(timer))
        return;
    HWND owner = GetWindow(dialogToDrive, GW_OWNER);
    if (!owner || IsWindowEnabled(owner))
        return; // a modeless dialog
    char caption[256] = {};
    GetWindowTextA(dialogToDrive, caption, sizeof caption);
    ADD_FAILURE() << "an unexpected modal dialog \"" << caption << "\" was closed";
    EndDialog(dialogToDrive, 0);
}

void CALLBACK runPendingAction(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!takeTimerDialog(timer) || pendingActions.empty())
        return;
    auto action = std::move(pendingActions.front());
    pendingActions.pop_front();
    action(dialogToDrive);
}

bool isDialog(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "#32770";
}

LRESULT CALLBACK watchActivation(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && isDialog(window) && window != dialogToDrive) {
        dialogToDrive = window;
        // A thread timer is dispatched by the dialog's own modal loop.
        const UINT_PTR timer =
            SetTimer(nullptr, 0, pendingActions.empty() ? 500 : 10,
                     pendingActions.empty() ? closeUnexpectedDialog : runPendingAction);
        timerDialogs[timer] = window;
    }
    return CallNextHookEx(activationHook, code, wParam, lParam);
}

// Watches from the first test on, so that no test can hang on a dialog it did not plan for.
struct ActivationWatch : ::testing::Environment {
    void SetUp() override {
        activationHook = SetWindowsHookExA(WH_CBT, watchActivation, nullptr, GetCurrentThreadId());
    }
};
const auto* const activationWatch = ::testing::AddGlobalTestEnvironment(new ActivationWatch);

} // namespace

int ScriptedQuestions::messageBox(HWND, const std::string& text, const std::string& caption,
                                  UINT flags) {
    asked_.push_back({text, caption, flags});
    if (!answers_.empty()) {
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return (flags & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
}

int ScriptedQuestions::chooseColour(HWND, int initialColour) {
    coloursAskedFrom.push_back(initialColour);
    if (colours_.empty())
        return -1;
    const int colour = colours_.front();
    colours_.pop_front();
    return colour;
}

bool ScriptedQuestions::openFile(HINSTANCE, HWND, const std::string&, const std::string& filter,
                                 std::string& path) {
    fileFilters.push_back(filter);
    if (files_.empty())
        return false;
    path = files_.front();
    files_.pop_front();
    return true;
}

void onNextDialog(std::function<void(HWND)> action) {
    dialogToDrive = nullptr;
    pendingActions.push_back(std::move(action));
}

bool dialogActionsDone() {
    return pendingActions.empty();
}

void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        pumpMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void pressKey(WORD key, bool withAlt) {
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD vk, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (withAlt)
        add(VK_MENU, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (withAlt)
        add(VK_MENU, KEYEVENTF_KEYUP);
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)),
              inputs.size());
    pumpThroughLoop();
}

void mouseClick(HWND window, HWND releaseOver) {
    auto over = [](HWND target, DWORD flags) {
        RECT r;
        GetWindowRect(target, &r);
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = (r.left + r.right) / 2 * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = (r.top + r.bottom) / 2 * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
        return input;
    };
    // Both at once: a control that holds the button down may keep a timer running meanwhile.
    INPUT inputs[] = {over(window, MOUSEEVENTF_LEFTDOWN),
                      over(releaseOver ? releaseOver : window, MOUSEEVENTF_LEFTUP)};
    ASSERT_EQ(SendInput(2, inputs, sizeof(INPUT)), 2u);
    pumpThroughLoop();
}

void pumpThroughLoop() {
    const DWORD start = GetTickCount();
    for (DWORD idleSince = start; GetTickCount() - idleSince < 150;) {
        if (GetTickCount() - start > 3000)
            return; // a timer that never stops
        MSG message;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        processMessage(message);
        idleSince = GetTickCount();
    }
}

std::string windowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

HWND findChild(HWND parent, int id, const char* className) {
    struct Search {
        int id;
        const char* className;
        HWND found;
    } search{id, className, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (GetDlgCtrlID(child) != s->id)
                return TRUE;
            char name[64] = {};
            GetClassNameA(child, name, sizeof name);
            if (s->className && lstrcmpiA(name, s->className) != 0)
                return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findChildByText(HWND parent, const std::string& text) {
    struct Search {
        const std::string* text;
        HWND found;
    } search{&text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (windowText(child) != *s->text)
                return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
}

void captureScreen(HWND window, const RECT& area, const std::string& path) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 300; Sleep(20))
        pumpMessages();
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(dc, old);
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(static_cast<size_t>((width * 3 + 3) & ~3) * height);
    GetDIBits(dc, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr) << path;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    EXPECT_EQ(std::fclose(out), 0) << path;
}

std::string screenshotFolder() {
    const char* folder = std::getenv("ZIM_SCREENSHOT_DIR");
    return folder ? folder : "";
}

} // namespace zim::test
