#include "cli/system_streams.h"

#include "engine/text_services.h"

#include <windows.h>

namespace qev {

namespace {

// The reason of a failed read or write, in the words the Linux build uses for the same failure.
std::string Reason(DWORD error) {
    switch (error) {
    case ERROR_INVALID_HANDLE:
        return "Bad file descriptor";
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return "Broken pipe";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "No space left on device";
    case ERROR_ACCESS_DENIED:
        return "Permission denied";
    default:
        return "Windows error " + std::to_string(error);
    }
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

// Standard input: the bytes of a file or pipe as they are (a Ctrl-Z byte is data); what is typed
// into a console, read in UTF-16 and handed on in UTF-8, ending at a line that starts with Ctrl-Z,
// as console programs do.
class HandleInput : public ByteInput {
public:
    explicit HandleInput(HANDLE handle) : handle_(handle), console_(IsConsole(handle)) {}

    std::ptrdiff_t Read(char* data, std::size_t size, std::string& reason) override {
        if (console_) {
            return ReadConsole(data, size, reason);
        }
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
    std::ptrdiff_t ReadConsole(char* data, std::size_t size, std::string& reason) {
        while (pending_.empty() && !ended_) {
            char16_t typed[4096];
            DWORD count = 0;
            if (!ReadConsoleW(handle_, typed, 4096, &count, nullptr)) {
                reason = Reason(GetLastError());
                return -1;
            }
            const std::u16string_view text(typed, count);
            const bool lineStart = atLineStart_;
            atLineStart_ = text.ends_with(u'\n');
            if (count == 0 || (lineStart && text.starts_with(u'\x1a'))) {
                ended_ = true;
            } else {
                AppendUtf8(pending_, text);
            }
        }
        const std::size_t count = pending_.copy(data, size);
        pending_.erase(0, count);
        return static_cast<std::ptrdiff_t>(count);
    }

    HANDLE handle_;
    bool console_;
    std::string pending_;
    bool atLineStart_ = true;
    bool ended_ = false;
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

std::unique_ptr<ByteInput> StandardInput() {
    return std::make_unique<HandleInput>(GetStdHandle(STD_INPUT_HANDLE));
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
