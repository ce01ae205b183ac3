// qev-words, the command-line companion: writes amounts out in words for scripts and batch work.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qev {

// Exit statuses of qev-words.
inline constexpr int kExitConverted = 0; // every amount written out
inline constexpr int kExitRejected = 1;  // some amount rejected or not convertible
inline constexpr int kExitUsage = 2;     // bad command line
inline constexpr int kExitIoError = 3;   // input could not be read or output not written

// Where the tool reads its amounts: standard input, or bytes in tests and fuzzers.
class ByteInput {
public:
    virtual ~ByteInput() = default;
    // Reads up to `size` bytes: how many, 0 at the end of input, or -1 with the reason.
    virtual std::ptrdiff_t Read(char* data, std::size_t size, std::string& reason) = 0;
};

// Where it writes: standard output and error, or strings.
class ByteOutput {
public:
    virtual ~ByteOutput() = default;
    // Writes every byte, or gives the reason why not.
    virtual bool Write(std::string_view bytes, std::string& reason) = 0;
};

class StringInput : public ByteInput {
public:
    explicit StringInput(std::string_view bytes) : bytes_(bytes) {}
    std::ptrdiff_t Read(char* data, std::size_t size, std::string&) override {
        const std::size_t count = bytes_.copy(data, size);
        bytes_.remove_prefix(count);
        return static_cast<std::ptrdiff_t>(count);
    }

private:
    std::string_view bytes_;
};

class StringOutput : public ByteOutput {
public:
    bool Write(std::string_view bytes, std::string&) override {
        text.append(bytes);
        return true;
    }
    std::string text;
};

// Runs qev-words on the arguments that follow the program name, reading amounts from `in` when
// none is given. `lineBuffered` writes each result at once instead of in blocks.
int RunWordsTool(const std::vector<std::string>& args, ByteInput& in, ByteOutput& out,
                 ByteOutput& err, bool lineBuffered = false);

} // namespace qev
