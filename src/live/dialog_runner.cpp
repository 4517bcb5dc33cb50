#include "live/dialog_runner.h"

namespace zim {

namespace {

void appendText(std::vector<WORD>& buffer, const std::string& text) {
    const int length = static_cast<int>(text.size());
    const int wide = length ? MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0) : 0;
    const std::size_t start = buffer.size();
    buffer.resize(start + static_cast<std::size_t>(wide) + 1, 0);
    if (wide > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), length,
                            reinterpret_cast<wchar_t*>(buffer.data() + start), wide);
}

} // namespace

std::vector<WORD> buildDialogTemplate(const DialogFrame& frame) {
    std::vector<WORD> buffer(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(buffer.data());
    header->style = frame.style;
    header->dwExtendedStyle = frame.extendedStyle;
    header->cdit = 0;
    header->x = frame.x;
    header->y = frame.y;
    header->cx = frame.width;
    header->cy = frame.height;
    buffer.push_back(0); // no menu
    buffer.push_back(0); // the predefined dialog class
    appendText(buffer, frame.caption);
    if (frame.style & DS_SETFONT) {
        buffer.push_back(frame.pointSize);
        appendText(buffer, frame.face);
    }
    return buffer;
}

INT_PTR runModalDialog(HINSTANCE instance, HWND owner, const DialogFrame& frame, DLGPROC procedure,
                       LPARAM parameter) {
    const std::vector<WORD> dialog = buildDialogTemplate(frame);
    return DialogBoxIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(dialog.data()),
                                   owner, procedure, parameter);
}

HWND createModelessDialog(HINSTANCE instance, HWND owner, const DialogFrame& frame,
                          DLGPROC procedure, LPARAM parameter, DWORD animationTime) {
    DialogFrame hidden = frame;
    hidden.style &= ~static_cast<DWORD>(WS_VISIBLE);
    const std::vector<WORD> dialog = buildDialogTemplate(hidden);
    HWND window = CreateDialogIndirectParamA(
        instance, reinterpret_cast<LPCDLGTEMPLATEA>(dialog.data()), owner, procedure, parameter);
    if (!window)
        return nullptr;
    if (animationTime != 0 && AnimateWindow(window, animationTime, animateFlags)) {
        return window;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

} // namespace zim
