#include "tests/run_program.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace qev::test {

namespace {

#ifdef _WIN32

std::wstring Wide(std::string_view text) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

// One argument quoted so that the program's CommandLineToArgvW gives it back unchanged.
void AppendQuoted(std::wstring& line, const std::wstring& arg) {
    line += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(2 * backslashes, L'\\');
    line += L'"';
}

HANDLE Inheritable(const std::filesystem::path& path, bool write) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(path.wstring().c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

#endif

} // namespace

int RunProgram(const std::string& program, const std::vector<std::string>& args,
               const std::filesystem::path& in, const std::filesystem::path& out,
               const std::filesystem::path& err) {
#ifdef _WIN32
    std::wstring line;
    AppendQuoted(line, Wide(program));
    for (const std::string& arg : args) {
        line += L' ';
        AppendQuoted(line, Wide(arg));
    }
    const HANDLE handles[] = {Inheritable(in, false), Inheritable(out, true),
                              Inheritable(err, true)};
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = handles[0];
    startup.hStdOutput = handles[1];
    startup.hStdError = handles[2];
    PROCESS_INFORMATION process{};
    // Wine, busy making a new prefix for a test beside this one, now and then fails to start a
    // process: a few more tries before it counts as a failure.
    bool started = false;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                 nullptr, nullptr, &startup, &process);
        if (!started) {
            std::fprintf(stderr, "run_program: CreateProcessW failed (error %lu)\n",
                         GetLastError());
            Sleep(1000);
        }
    }
    for (const HANDLE handle : handles) {
        CloseHandle(handle);
    }
    if (!started) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
#else
    const int streams[3] = {open(in.c_str(), O_RDONLY | O_CLOEXEC),
                            open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600),
                            open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)};
    const int pid = StartProgram(program, args, streams);
    for (const int fd : streams) {
        close(fd);
    }
    return pid < 0 ? -1 : WaitForProgram(pid);
#endif
}

#ifndef _WIN32
int StartProgram(const std::string& program, const std::vector<std::string>& args,
                 const int (&streams)[3]) {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    for (int fd = 0; fd < 3; ++fd) {
        if (streams[fd] < 0) {
            posix_spawn_file_actions_addclose(&files, fd);
        } else {
            posix_spawn_file_actions_adddup2(&files, streams[fd], fd);
        }
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    return spawned == 0 ? pid : -1;
}

int WaitForProgram(int pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      std::string_view input) {
    const ScratchFolder folder;
    WriteFile(folder / "in", input);
    ProgramRun run;
    run.status = RunProgram(program, args, folder / "in", folder / "out", folder / "err");
    run.out = ReadFile(folder / "out");
    run.err = ReadFile(folder / "err");
    return run;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes));
}

ScratchFolder::ScratchFolder() {
    static std::atomic<unsigned> count{0};
    path_ = std::filesystem::temp_directory_path() /
            ("qev-test-" + std::to_string(std::random_device{}()) + "-" + std::to_string(count++));
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace qev::test
