#include "support/Child.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

bool NeedsQuotes(const std::string& arg) {
    return arg.empty() || arg.find_first_of(" \t\"'&;|<>()$") != std::string::npos;
}

// In the forked child: die with the adapter, take the given standard input, exec.
[[noreturn]] void ExecChild(const std::vector<std::string>& command, const ChildOptions& options,
                            pid_t adapter, int inputFd, int outputFd) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != adapter) _exit(2);
    signal(SIGPIPE, SIG_DFL);
    if (inputFd < 0) inputFd = open("/dev/null", O_RDONLY);
    if (inputFd >= 0) dup2(inputFd, STDIN_FILENO);
    if (outputFd >= 0) {
        dup2(outputFd, STDOUT_FILENO);
        dup2(outputFd, STDERR_FILENO);
    }
    if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0) {
        std::fprintf(stderr, "cannot change to %s: %s\n", options.workingDirectory.c_str(),
                     std::strerror(errno));
        _exit(127);
    }
    std::vector<char*> argv;
    for (const std::string& arg : command)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(errno));
    _exit(127);
}

ChildResult Wait(pid_t pid) {
    ChildResult result;
    result.started = true;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            result.exitCode = 127;
            return result;
        }
    }
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    if (result.exitCode == 127) result.started = false;
    return result;
}

// Writes the files to the pipe; stops early when the tool closes its end.
void Feed(int fd, const std::vector<std::string>& files) {
    std::vector<char> buffer(1 << 20);
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        while (in) {
            in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            const char* data = buffer.data();
            std::size_t left = static_cast<std::size_t>(in.gcount());
            while (left > 0) {
                const ssize_t written = write(fd, data, left);
                if (written < 0 && errno == EINTR) continue;
                if (written <= 0) return;
                data += written;
                left -= static_cast<std::size_t>(written);
            }
        }
    }
}

pid_t Spawn(const std::vector<std::string>& command, const ChildOptions& options, int inputFd, int outputFd,
            int parentEnd) {
    const pid_t adapter = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        if (parentEnd >= 0) close(parentEnd);
        ExecChild(command, options, adapter, inputFd, outputFd);
    }
    return pid;
}

}  // namespace

int ChildResult::adapterExitCode() const {
    if (!started) return 127;
    if (signal != 0) return 2;
    return exitCode;
}

std::string CommandText(const std::vector<std::string>& command) {
    std::string text;
    for (const std::string& arg : command) {
        if (!text.empty()) text += ' ';
        text += NeedsQuotes(arg) ? '"' + arg + '"' : arg;
    }
    return text;
}

ChildResult RunTool(const std::vector<std::string>& command, const ChildOptions& options) {
    Say("Running: " + CommandText(command));
    int feed[2] = {-1, -1};
    if (!options.feedFiles.empty()) {
        if (pipe(feed) != 0) return {};
        signal(SIGPIPE, SIG_IGN);
    }
    const pid_t pid = Spawn(command, options, feed[0], -1, feed[1]);
    if (feed[0] >= 0) {
        close(feed[0]);
        if (pid > 0) Feed(feed[1], options.feedFiles);
        close(feed[1]);
    }
    return pid > 0 ? Wait(pid) : ChildResult{};
}

ChildResult CaptureTool(const std::vector<std::string>& command, std::string& output) {
    output.clear();
    int out[2];
    if (pipe(out) != 0) return {};
    const pid_t pid = Spawn(command, {}, -1, out[1], out[0]);
    close(out[1]);
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    return pid > 0 ? Wait(pid) : ChildResult{};
}

void Say(const std::string& line) {
    std::fputs((line + '\n').c_str(), stdout);
    std::fflush(stdout);
}

void Complain(const std::string& adapter, const std::string& line) {
    std::fflush(stdout);
    std::fputs((adapter + ": " + line + '\n').c_str(), stderr);
    std::fflush(stderr);
}
