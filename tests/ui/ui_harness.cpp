#include "ui_harness.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "shell/message_loop.h"

namespace zim::test {

namespace {

constexpr UINT actionDelayMs = 10;     // the dialog's loop runs the action once it idles
constexpr UINT answerTimeoutMs = 2000; // how long a dialog may wait for its answer

// A dialog this thread activated, with the one timer that acts on it: its planned action, or
// the guard that closes it when it stays unanswered. A timer belongs to its dialog only, so a
// timer left over from a dialog that is gone never acts on a later one.
struct GuardedDialog {
    unsigned order = 0;               // activation order: the highest open one is innermost
    std::function<void(HWND)> action; // planned, not yet run
    bool acting = false;              // its action is running
    unsigned waits = 0;               // times its action waited for the dialog to show
    UINT_PTR timer = 0;
};

std::deque<std::function<void(HWND)>> plannedActions;
std::map<HWND, GuardedDialog> dialogs;
std::map<UINT_PTR, HWND> timerDialogs;
unsigned activations = 0;
HHOOK dialogHook = nullptr;

void arm(HWND dialog, UINT delay, TIMERPROC act) {
    GuardedDialog& guarded = dialogs[dialog];
    if (guarded.timer) {
        KillTimer(nullptr, guarded.timer);
        timerDialogs.erase(guarded.timer);
    }
    // A thread timer is dispatched by whatever loop runs, the dialog's own modal loop too.
    guarded.timer = SetTimer(nullptr, 0, delay, act);
    timerDialogs[guarded.timer] = dialog;
}

// The open dialog a timer was set for, once; null for a timer whose dialog is gone.
HWND takeTimerDialog(UINT_PTR timer) {
    KillTimer(nullptr, timer);
    const auto owner = timerDialogs.find(timer);
    if (owner == timerDialogs.end())
        return nullptr;
    HWND dialog = owner->second;
    timerDialogs.erase(owner);
    const auto guarded = dialogs.find(dialog);
    if (guarded == dialogs.end() || guarded->second.timer != timer)
        return nullptr;
    guarded->second.timer = 0;
    return IsWindow(dialog) ? dialog : nullptr;
}

// Whether no dialog activated after this one is still open: then the running loop is its own.
bool isInnermost(HWND dialog) {
    const unsigned order = dialogs[dialog].order;
    for (const auto& [other, guarded] : dialogs)
        if (guarded.order > order && IsWindow(other))
            return false;
    return true;
}

void CALLBACK closeUnanswered(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = takeTimerDialog(timer);
    if (!dialog)
        return;
    if (dialogs[dialog].acting || !isInnermost(dialog)) {
        arm(dialog, answerTimeoutMs, closeUnanswered); // a dialog above it is answered first
        return;
    }
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner && IsWindowEnabled(owner))
        return; // modeless: nobody waits for it
    ADD_FAILURE() << "the dialog \"" << windowText(dialog)
                  << "\" was left unanswered, so the test closed it";
    EndDialog(dialog, 0);
}

void CALLBACK runPlannedAction(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = takeTimerDialog(timer);
    if (!dialog)
        return;
    // An animated or slow dialog is activated before it shows; a user acts on what is shown.
    constexpr unsigned maxWaits = answerTimeoutMs / actionDelayMs;
    if (!IsWindowVisible(dialog) && dialogs[dialog].waits++ < maxWaits) {
        arm(dialog, actionDelayMs, runPlannedAction);
        return;
    }
    const std::function<void(HWND)> action = std::move(dialogs[dialog].action);
    dialogs[dialog].acting = true;
    action(dialog);
    const auto guarded = dialogs.find(dialog);
    if (guarded == dialogs.end())
        return; // the action destroyed it
    guarded->second.acting = false;
    arm(dialog, answerTimeoutMs, closeUnanswered);
}

bool isTopLevelDialog(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "#32770" && !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD);
}

void forget(HWND window) {
    const auto guarded = dialogs.find(window);
    if (guarded == dialogs.end())
        return;
    if (guarded->second.action)
        ADD_FAILURE() << "the dialog \"" << windowText(window)
                      << "\" closed before the test's action on it ran";
    KillTimer(nullptr, guarded->second.timer);
    timerDialogs.erase(guarded->second.timer);
    dialogs.erase(guarded);
}

LRESULT CALLBACK watchDialogs(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && !dialogs.count(window) && isTopLevelDialog(window)) {
        GuardedDialog& guarded = dialogs[window];
        guarded.order = ++activations;
        if (plannedActions.empty()) {
            arm(window, answerTimeoutMs, closeUnanswered);
        } else {
            guarded.action = std::move(plannedActions.front());
            plannedActions.pop_front();
            arm(window, actionDelayMs, runPlannedAction);
        }
    } else if (code == HCBT_DESTROYWND) {
        forget(window);
    }
    return CallNextHookEx(dialogHook, code, wParam, lParam);
}

// Each test starts without planned actions and must use all it planned.
struct PlannedActionCheck : ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { plannedActions.clear(); }
    void OnTestEnd(const ::testing::TestInfo&) override {
        EXPECT_TRUE(plannedActions.empty())
            << plannedActions.size() << " planned dialog action(s) found no dialog";
        plannedActions.clear();
    }
};

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

bool ScriptedQuestions::chooseFont(HWND, LOGFONTA& font, COLORREF& colour) {
    if (fonts_.empty())
        return false;
    const auto& [face, chosen] = fonts_.front();
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
    colour = chosen;
    fonts_.pop_front();
    return true;
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
    plannedActions.push_back(std::move(action));
}

bool dialogActionsDone() {
    return plannedActions.empty();
}

void guardDialogs() {
    if (dialogHook)
        return;
    dialogHook = SetWindowsHookExA(WH_CBT, watchDialogs, nullptr, GetCurrentThreadId());
    ::testing::UnitTest::GetInstance()->listeners().Append(new PlannedActionCheck);
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

} // namespace zim::test
