// The process's standard input, output and error as qev-words reads and writes them, one file per
// system: file descriptors on Linux, handles (and the console) on Windows.
#pragma once

#include "cli/words_tool.h"

#include <memory>

namespace qev {

std::unique_ptr<ByteInput> StandardInput();
std::unique_ptr<ByteOutput> StandardOutput();
std::unique_ptr<ByteOutput> StandardError();

// Whether standard output is a terminal, where results are wanted a line at a time.
bool StandardOutputIsTerminal();

} // namespace qev
