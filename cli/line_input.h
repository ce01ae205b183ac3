// What qev-words reads: standard input in UTF-8, converted from UTF-16 when a byte-order mark says
// so, and cut into lines.
#pragma once

#include "cli/words_tool.h"

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qev {

// A line of input longer than this is rejected without being held whole: no amount comes near.
inline constexpr std::size_t kMaxLineLength = std::size_t{1} << 20;

// UTF-16 that comes in pieces, handed on in UTF-8: a surrogate pair cut between two pieces stays
// whole, and one left unpaired becomes U+FFFD.
class Utf16Pieces {
public:
    // Appends the piece in UTF-8, but for a lead surrogate at its end, which waits for the next.
    void Append(std::string& out, std::u16string_view piece);
    // The text has ended: appends a lead surrogate still waiting, as U+FFFD.
    void End(std::string& out);

private:
    char16_t lead_ = 0; // 0: none waiting
};

// The input as UTF-8 for the line reader. A text that opens with a UTF-16 byte-order mark, as
// Notepad saves "Unicode", is converted, little- or big-endian, the mark too (the line reader drops
// it as it does UTF-8's); an odd byte at its end becomes U+FFFD. Any other input is passed on as
// it comes.
class Utf8Input : public ByteInput {
public:
    explicit Utf8Input(ByteInput& in) : in_(in) {}
    std::ptrdiff_t Read(char* data, std::size_t size, std::string& reason) override;

private:
    // Reads until the first two bytes show whether a UTF-16 mark opens the input.
    std::ptrdiff_t ReadStart(char* data, std::size_t size, std::string& reason);
    void Convert(std::string_view bytes);

    ByteInput& in_;
    bool checked_ = false, utf16_ = false, bigEndian_ = false, ended_ = false;
    std::vector<char> block_;
    std::optional<unsigned> odd_; // a byte read without the other of its unit
    std::u16string units_;
    Utf16Pieces pieces_;
    std::string converted_; // converted and not yet read
};

// The lines of the input, read in blocks. A line is held only up to the length limit: the rest of
// a longer one is read past, never kept.
class LineReader {
public:
    explicit LineReader(ByteInput& in) : in_(in), buffer_(kInputBlock) {}

    enum class Next { Line, TooLong, End, ReadError };

    // The next line, without its line feed; valid until the next call. `reason` says why a read
    // failed.
    Next Read(std::string_view& line, std::string& reason) {
        bool tooLong = false;
        for (;;) {
            const char* held = buffer_.data();
            if (const void* feed = std::memchr(held + scanned_, '\n', end_ - scanned_)) {
                const std::size_t at =
                    static_cast<std::size_t>(static_cast<const char*>(feed) - held);
                line = std::string_view(held + start_, at - start_);
                start_ = scanned_ = at + 1;
                markChecked_ = true; // a line that ended before three bytes came: no mark
                return tooLong || line.size() > kMaxLineLength ? Next::TooLong : Next::Line;
            }
            scanned_ = end_;
            if (ended_) {
                line = std::string_view(held + start_, end_ - start_);
                start_ = end_;
                return tooLong ? Next::TooLong : line.empty() ? Next::End : Next::Line;
            }
            if (!ReadBlock(tooLong, reason)) {
                return Next::ReadError;
            }
        }
    }

private:
    static constexpr std::size_t kInputBlock = 64 * 1024;

    // Reads a block after the start of the next line, moved to the front, or after nothing when
    // that start is already too long to keep; false when the read failed.
    bool ReadBlock(bool& tooLong, std::string& reason);

    ByteInput& in_;
    std::vector<char> buffer_;
    std::size_t start_ = 0;   // where the next line starts
    std::size_t scanned_ = 0; // how far it is known to hold no line feed
    std::size_t end_ = 0;     // how much is held
    bool ended_ = false;
    bool markChecked_ = false;
};

} // namespace qev
