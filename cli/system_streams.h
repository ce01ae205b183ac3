// The process's standard input, output and error as qev-words reads and writes them, one file per
// system: file descriptors on Linux, handles (and the console) on Windows.
#pragma once

#include "cli/line_input.h"
#include "cli/words_tool.h"

#include <functional>
#include <memory>

namespace qev {

std::unique_ptr<ByteInput> StandardInput();
std::unique_ptr<ByteOutput> StandardOutput();
std::unique_ptr<ByteOutput> StandardError();

// Whether standard output is a terminal, where results are wanted a line at a time.
bool StandardOutputIsTerminal();

#ifdef _WIN32
// What is typed into a console, taken in the UTF-16 pieces ReadConsoleW gives and handed on in
// UTF-8, up to a line that starts with Ctrl-Z, where console programs end their input. The pieces
// come from `readPiece` (an empty one: the console's own end of input), so tests can type
// without a console.
class ConsoleInput : public ByteInput {
public:
    using PieceReader = std::function<bool(std::u16string& piece, std::string& reason)>;
    explicit ConsoleInput(PieceReader readPiece) : readPiece_(std::move(readPiece)) {}
    std::ptrdiff_t Read(char* data, std::size_t size, std::string& reason) override;

private:
    PieceReader readPiece_;
    Utf16Pieces utf8_;
    std::string pending_; // typed, and not yet read
    bool atLineStart_ = true;
    bool ended_ = false;
};
#endif

} // namespace qev
