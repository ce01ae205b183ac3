#include "cli/words_tool.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#define QEV_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define QEV_ISATTY(fd) isatty(fd)
#endif

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return qev::RunWordsTool(args, std::cin, std::cout, std::cerr, QEV_ISATTY(0) != 0);
}
