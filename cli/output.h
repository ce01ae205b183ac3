// What qev-words writes: results in blocks, each write checked so that the first one to fail ends
// the run, and the bytes of a message made safe to show on a terminal.
#pragma once

#include "cli/words_tool.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace qev {

// Results are written in blocks of about this size, so long streams go fast.
inline constexpr std::size_t kOutputBlock = 64 * 1024;

// The tool's two outputs. The first write that fails ends the run: nothing after it could be
// trusted to arrive.
class Outputs {
public:
    Outputs(ByteOutput& out, ByteOutput& err) : out_(out), err_(err) {}

    bool Failed() const { return failed_; }

    // Standard output goes in blocks, or a result at a time when line-buffered. A result is
    // written in place: Room(n) gives n free bytes, Written(end) keeps what went there.
    char* Room(std::size_t size) {
        if (used_ + size > buffer_.size()) {
            Flush();
            buffer_.resize(std::max(buffer_.size(), kOutputBlock + size));
        }
        return buffer_.data() + used_;
    }
    void Written(const char* end) {
        used_ = static_cast<std::size_t>(end - buffer_.data());
        if (used_ >= kOutputBlock) {
            Flush();
        }
    }
    void Out(std::string_view bytes);
    void Flush();

    // Messages go out at once, after what standard output has so far.
    void Err(const std::string& message);

private:
    void Send(std::string_view bytes);

    ByteOutput& out_;
    ByteOutput& err_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
};

// Bytes safe to show on a terminal: control characters and bytes that are not UTF-8 as \xNN,
// invisible characters as \u{XXXX}.
std::string Printable(std::string_view bytes);

// An amount as a message quotes it, printable: cut at a character boundary when long.
std::string Quoted(std::string_view amount);

// Appends the text in UTF-8, converted in pieces, so no text is too long for the system's
// conversion.
void AppendUtf8InPieces(std::string& out, std::u16string_view text);

} // namespace qev
