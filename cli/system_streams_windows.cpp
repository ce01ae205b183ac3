#include "cli/system_streams.h"

#include "engine/text_services.h"

#include <windows.h>

namespace qev {

namespace {

// The reason of a failed read or write, in the words the Linux build uses for the same failure;
// any other in the system's own words, and its number.
std::string Reason(DWORD error) {
    switch (error) {
    case ERROR_INVALID_HANDLE:
        return "Bad file descriptor";
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
    case ERROR_PIPE_NOT_CONNECTED:
        return "Broken pipe";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "No space left on device";
    case ERROR_ACCESS_DENIED:
        return "Permission denied";
    default:
        break;
    }
    wchar_t* words = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    std::u16string text(reinterpret_cast<const char16_t*>(words), words != nullptr ? length : 0);
    LocalFree(words);
    while (!text.empty() &&
           std::u16string_view(u" \r\n.\u3002").find(text.back()) != std::u16string_view::npos) {
        text.pop_back(); // the line break and the full stop, as the Linux words have none
    }
    std::string reason;
    AppendUtf8(reason, text);
    return reason + (reason.empty() ? "" : " ") + "(Windows error " + std::to_string(error) + ")";
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

// Standard input from a file or pipe: its bytes as they are (a Ctrl-Z byte is data).
class HandleInput : public ByteInput {
public:
    explicit HandleInput(HANDLE handle) : handle_(handle) {}

    std::ptrdiff_t Read(char* data, std::size_t size, std::string& reason) override {
        DWORD count = 0;
        if (ReadFile(handle_, data, static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30)),
                     &count, nullptr)) {
            return count;
        }
        const DWORD error = GetLastError();
        if (error == ERROR_BROKEN_PIPE) {
            return 0; // the writing end has closed: the end of input
        }
        reason = Reason(error);
        return -1;
    }

private:
    HANDLE handle_;
};

// Standard output and error: bytes to a file or pipe; to a console, UTF-16 through WriteConsoleW,
// so Chinese shows whatever the console's code page.
class HandleOutput : public ByteOutput {
public:
    explicit HandleOutput(HANDLE handle) : handle_(handle), console_(IsConsole(handle)) {}

    bool Write(std::string_view bytes, std::string& reason) override {
        if (console_) {
            return WriteConsole(bytes, reason);
        }
        while (!bytes.empty()) {
            DWORD count = 0;
            if (!WriteFile(handle_, bytes.data(),
                           static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 30)), &count,
                           nullptr) ||
                count == 0) {
                reason = Reason(GetLastError());
                return false;
            }
            bytes.remove_prefix(count);
        }
        return true;
    }

private:
    bool WriteConsole(std::string_view bytes, std::string& reason) {
        // A character cut at the end of a write waits for its other bytes.
        pending_.append(bytes);
        std::size_t whole = pending_.size();
        for (std::size_t back = 1; back <= 3 && back <= pending_.size(); ++back) {
            const auto byte = static_cast<unsigned char>(pending_[pending_.size() - back]);
            if ((byte & 0xc0) != 0x80) {
                const std::size_t length = byte >= 0xf0   ? 4
                                           : byte >= 0xe0 ? 3
                                           : byte >= 0xc0 ? 2
                                                          : 1;
                whole -= length > back ? back : 0;
                break;
            }
        }
        const int units =
            MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(whole), nullptr, 0);
        std::wstring text(static_cast<std::size_t>(units), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(whole), text.data(),
                            units);
        pending_.erase(0, whole);
        for (std::size_t done = 0; done < text.size();) {
            DWORD written = 0;
            if (!WriteConsoleW(handle_, text.data() + done, static_cast<DWORD>(text.size() - done),
                               &written, nullptr) ||
                written == 0) {
                reason = Reason(GetLastError());
                return false;
            }
            done += written;
        }
        return true;
    }

    HANDLE handle_;
    bool console_;
    std::string pending_;
};

} // namespace

std::ptrdiff_t ConsoleInput::Read(char* data, std::size_t size, std::string& reason) {
    while (pending_.empty() && !ended_) {
        std::u16string piece;
        if (!readPiece_(piece, reason)) {
            return -1;
        }
        // What comes before a line that starts with Ctrl-Z is input; that line and all after it
        // are not.
        std::size_t kept = 0;
        for (; kept < piece.size() && !(atLineStart_ && piece[kept] == u'\x1a'); ++kept) {
            atLineStart_ = piece[kept] == u'\n';
        }
        ended_ = piece.empty() || kept < piece.size();
        utf8_.Append(pending_, std::u16string_view(piece).substr(0, kept));
        if (ended_) {
            utf8_.End(pending_);
        }
    }
    const std::size_t count = pending_.copy(data, size);
    pending_.erase(0, count);
    return static_cast<std::ptrdiff_t>(count);
}

std::unique_ptr<ByteInput> StandardInput() {
    const HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
    if (!IsConsole(handle)) {
        return std::make_unique<HandleInput>(handle);
    }
    return std::make_unique<ConsoleInput>([handle](std::u16string& piece, std::string& reason) {
        piece.resize(4096);
        DWORD count = 0;
        if (!ReadConsoleW(handle, piece.data(), 4096, &count, nullptr)) {
            reason = Reason(GetLastError());
            return false;
        }
        piece.resize(count);
        return true;
    });
}

std::unique_ptr<ByteOutput> StandardOutput() {
    return std::make_unique<HandleOutput>(GetStdHandle(STD_OUTPUT_HANDLE));
}

std::unique_ptr<ByteOutput> StandardError() {
    return std::make_unique<HandleOutput>(GetStdHandle(STD_ERROR_HANDLE));
}

bool StandardOutputIsTerminal() {
    return IsConsole(GetStdHandle(STD_OUTPUT_HANDLE));
}

} // namespace qev
