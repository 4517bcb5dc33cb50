#include "zimtool/tool_command.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zim {

ToolRun runTool(const ToolCommand& command, const std::filesystem::path& directory) {
    ToolRun run;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        run.output = std::string("cannot make a pipe: ") + std::strerror(errno) + "\n";
        return run;
    }
    std::vector<std::string> words{command.program.string()};
    words.insert(words.end(), command.args.begin(), command.args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        dup2(pipeEnds[1], STDERR_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        if (chdir(directory.c_str()) == 0)
            execv(argv[0], argv.data());
        const std::string failed = std::string("cannot start: ") + std::strerror(errno) + "\n";
        (void)!write(STDERR_FILENO, failed.data(), failed.size());
        _exit(127);
    }
    close(pipeEnds[1]);
    if (child < 0) {
        close(pipeEnds[0]);
        run.output = std::string("cannot start: ") + std::strerror(errno) + "\n";
        return run;
    }
    char buffer[4096];
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
        if (got > 0)
            run.output.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    run.started = true;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

} // namespace zim
