// qev-words' entry point: the system's standard streams and arguments handed to the tool.
#include "cli/words_tool.h"

#include <iostream>

#ifdef _WIN32
#include "engine/text_services.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

// Text for a console goes through WriteConsoleW, so Chinese shows whatever the console's code
// page. A character cut at the end of a write waits for the rest.
class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {}
    ~ConsoleBuffer() override { sync(); }

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            pending_.push_back(traits_type::to_char_type(c));
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        pending_.append(bytes, static_cast<std::size_t>(count));
        return count;
    }
    int sync() override {
        const std::size_t whole = pending_.size() - CutCharacterBytes();
        const int units = MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(whole),
                                              nullptr, 0);
        std::wstring text(static_cast<std::size_t>(units), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(whole), text.data(),
                            units);
        pending_.erase(0, whole);
        for (std::size_t done = 0; done < text.size();) {
            DWORD written = 0;
            if (!WriteConsoleW(console_, text.data() + done, static_cast<DWORD>(text.size() - done),
                               &written, nullptr) ||
                written == 0) {
                return -1;
            }
            done += written;
        }
        return 0;
    }

private:
    // The bytes of a character whose end has not been written yet.
    std::size_t CutCharacterBytes() const {
        std::size_t tail = 0;
        while (tail < 3 && tail < pending_.size() &&
               (static_cast<unsigned char>(pending_[pending_.size() - 1 - tail]) & 0xc0) == 0x80) {
            ++tail;
        }
        if (tail == pending_.size()) {
            return 0;
        }
        const auto lead = static_cast<unsigned char>(pending_[pending_.size() - 1 - tail]);
        const std::size_t length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
        return length > tail + 1 ? tail + 1 : 0;
    }

    HANDLE console_;
    std::string pending_;
};

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

} // namespace

// The arguments as Windows holds them, in UTF-16, so no character is lost to a code page.
int wmain(int argc, wchar_t** argv) {
    // Bytes in and out as they are: no CR added before LF, no end of input at a Ctrl-Z byte.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        qev::AppendUtf8(args.emplace_back(), reinterpret_cast<const char16_t*>(argv[i]));
    }
    std::ostream out(std::cout.rdbuf());
    std::ostream err(std::cerr.rdbuf());
    ConsoleBuffer outConsole(GetStdHandle(STD_OUTPUT_HANDLE));
    ConsoleBuffer errConsole(GetStdHandle(STD_ERROR_HANDLE));
    if (IsConsole(GetStdHandle(STD_OUTPUT_HANDLE))) {
        out.rdbuf(&outConsole);
    }
    if (IsConsole(GetStdHandle(STD_ERROR_HANDLE))) {
        err.rdbuf(&errConsole);
    }
    err.setf(std::ios::unitbuf);
    return qev::RunWordsTool(args, std::cin, out, err, _isatty(0) != 0);
}

#else

#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return qev::RunWordsTool(args, std::cin, std::cout, std::cerr, isatty(0) != 0);
}

#endif
