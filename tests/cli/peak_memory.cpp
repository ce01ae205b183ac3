// Test helper: runs a command and writes its peak resident memory, in KiB, to a report file; exits
// with the command's status. A process's peak counts the memory of the process it was started
// from, so the command is started from this small one rather than from the test program.
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: peak_memory REPORT COMMAND [ARG...]\n", stderr);
        return 125;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) {
        return 125;
    }
    FILE* report = std::fopen(argv[1], "w");
    if (report == nullptr) {
        return 125;
    }
    std::fprintf(report, "%ld\n", usage.ru_maxrss);
    std::fclose(report);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 126;
}
