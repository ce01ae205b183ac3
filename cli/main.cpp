// qev-words' entry point: the system's arguments and standard streams handed to the tool.
#include "cli/system_streams.h"
#include "cli/words_tool.h"

#ifdef _WIN32
#include "engine/text_services.h"

// The arguments as Windows holds them, in UTF-16, so no character is replaced by a look-alike of
// the code page.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        qev::AppendUtf8(args.emplace_back(), reinterpret_cast<const char16_t*>(argv[i]));
    }
#else
int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
#endif
    const auto in = qev::StandardInput();
    const auto out = qev::StandardOutput();
    const auto err = qev::StandardError();
    return qev::RunWordsTool(args, *in, *out, *err, qev::StandardOutputIsTerminal());
}
