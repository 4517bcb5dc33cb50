#include "zimtool/tool_command.h"

#include <windows.h>

namespace zim {

namespace {

std::string lastError() {
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   GetLastError(), 0, text, sizeof text, nullptr);
    return text;
}

} // namespace

ToolRun runTool(const ToolCommand& command, const std::filesystem::path& directory) {
    ToolRun run;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        run.output = "cannot make a pipe: " + lastError();
        return run;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    // The command line in the ANSI code page, as names are; the program and folder as wide paths.
    const std::string line = commandLineOf(command);
    std::wstring wideLine(static_cast<std::size_t>(
                              MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, nullptr, 0)),
                          L'\0');
    MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, wideLine.data(),
                        static_cast<int>(wideLine.size()));
    const BOOL created =
        CreateProcessW(command.program.c_str(), wideLine.data(), nullptr, nullptr, TRUE,
                       CREATE_NO_WINDOW, nullptr, directory.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    if (!created) {
        run.output = "cannot start: " + lastError();
        CloseHandle(readEnd);
        return run;
    }
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
        run.output.append(buffer, got);
    CloseHandle(readEnd);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    run.started = true;
    run.exitCode = static_cast<int>(code);
    return run;
}

} // namespace zim
