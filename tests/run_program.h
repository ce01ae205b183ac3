// Runs a program as a script or a batch job does: arguments, standard input from a file or from
// bytes, standard output and error caught whole, and the exit status. Works on Linux and on
// Windows (under Wine too), so the command-line tests are the same on both.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qev::test {

// The program's exit status, or -1 when it could not be started or did not exit normally.
int RunProgram(const std::string& program, const std::vector<std::string>& args,
               const std::filesystem::path& in, const std::filesystem::path& out,
               const std::filesystem::path& err);

struct ProgramRun {
    std::string out;
    std::string err;
    int status = -1;
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      std::string_view input = {});

#ifndef _WIN32
// Starts the program with the descriptors `streams` as its standard input, output and error (-1:
// left closed): its process id, or -1.
int StartProgram(const std::string& program, const std::vector<std::string>& args,
                 const int (&streams)[3]);
// Its exit status once it has ended, or -1.
int WaitForProgram(int pid);
#endif

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

// A folder of its own, removed with everything in it when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

} // namespace qev::test
