#include "shell/user_questions.h"

#include <commdlg.h>

#include <cstring>

#include "archive/user_prompts.h"
#include "shell/picker_rules.h"

namespace zim {

namespace {

UserQuestions realQuestions;
UserQuestions* activeQuestions = &realQuestions;

constexpr DWORD fileFlags = OFN_LONGNAMES | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
constexpr DWORD colourFlags = CC_RGBINIT | CC_SOLIDCOLOR | CC_ANYCOLOR;
static_assert(colourFlags == 0x181, "the colour picker's flags");
constexpr DWORD fontFlags = CF_SCREENFONTS | CF_EFFECTS;
static_assert(fontFlags == 0x101, "the font picker's flags");

// The portable commands write message-box flags and read answers with Win32's own values,
// which are handed through unchanged.
static_assert(box::ok == MB_OK && box::yesNo == MB_YESNO, "message box buttons");
static_assert(box::iconHand == MB_ICONHAND && box::iconQuestion == MB_ICONQUESTION &&
                  box::iconInformation == MB_ICONINFORMATION,
              "message box icons");
static_assert(box::systemModal == MB_SYSTEMMODAL && box::taskModal == MB_TASKMODAL,
              "message box modality");
static_assert(box::answerOk == IDOK && box::answerYes == IDYES && box::answerNo == IDNO,
              "message box answers");

bool runFilePicker(bool save, HINSTANCE instance, HWND owner, const std::string& title,
                   const std::string& filter, std::string& path) {
    const std::string filterList = pickerFilter(filter);
    char file[MAX_PATH] = {};
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.hInstance = instance;
    ofn.lpstrFilter = filterList.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = directory;
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.Flags = fileFlags;
    const BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (chosen)
        path = file;
    return chosen != FALSE;
}

} // namespace

int UserQuestions::messageBox(HWND owner, const std::string& text, const std::string& caption,
                              UINT flags) {
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

int UserQuestions::chooseColour(HWND owner, int initialColour) {
    static COLORREF custom[16];
    std::memcpy(custom, customColours().data(), sizeof custom);
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = static_cast<COLORREF>(initialColour);
    cc.lpCustColors = custom;
    cc.Flags = colourFlags;
    return ChooseColorA(&cc) ? static_cast<int>(cc.rgbResult) : -1;
}

bool UserQuestions::chooseFont(HWND owner, LOGFONTA& font, COLORREF& colour) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    LOGFONTA working = font;
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.hDC = memory;
    cf.lpLogFont = &working;
    cf.rgbColors = colour;
    cf.Flags = fontFlags;
    const bool chosen = ChooseFontA(&cf) != FALSE;
    DeleteDC(memory);
    if (chosen) {
        font = working;
        colour = cf.rgbColors;
    }
    return chosen;
}

bool UserQuestions::openFile(HINSTANCE instance, HWND owner, const std::string& title,
                             const std::string& filter, std::string& path) {
    return runFilePicker(false, instance, owner, title, filter, path);
}

bool UserQuestions::saveFile(HINSTANCE instance, HWND owner, const std::string& title,
                             const std::string& filter, std::string& path) {
    return runFilePicker(true, instance, owner, title, filter, path);
}

UserQuestions& userQuestions() {
    return *activeQuestions;
}

void setUserQuestions(UserQuestions* questions) {
    activeQuestions = questions ? questions : &realQuestions;
}

int ask(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    return userQuestions().messageBox(owner, text, caption, flags);
}

int chooseColour(HWND owner, int initialColour) {
    return userQuestions().chooseColour(owner, initialColour);
}

bool chooseFont(HWND owner, LOGFONTA& font, COLORREF& colour) {
    return userQuestions().chooseFont(owner, font, colour);
}

void openFileDialog(HINSTANCE instance, HWND owner, const std::string& title,
                    const std::string& filter, std::string& path, int& success) {
    success = userQuestions().openFile(instance, owner, title, filter, path) ? 1 : 0;
}

void saveFileDialog(HINSTANCE instance, HWND owner, const std::string& title,
                    const std::string& filter, std::string& path, int& success) {
    success = userQuestions().saveFile(instance, owner, title, filter, path) ? 1 : 0;
}

} // namespace zim
