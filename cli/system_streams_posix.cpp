#include "cli/system_streams.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace qev {

namespace {

// A descriptor that is non-blocking is waited on, not taken as ended or broken.
bool WaitFor(int fd, short event) {
    pollfd poll{fd, event, 0};
    return ::poll(&poll, 1, -1) >= 0 || errno == EINTR;
}

class DescriptorInput : public ByteInput {
public:
    explicit DescriptorInput(int fd) : fd_(fd) {}
    std::ptrdiff_t Read(char* data, std::size_t size, std::string& reason) override {
        for (;;) {
            const ssize_t count = ::read(fd_, data, size);
            if (count >= 0) {
                return count;
            }
            if (errno != EINTR &&
                !((errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(fd_, POLLIN))) {
                reason = std::strerror(errno);
                return -1;
            }
        }
    }

private:
    int fd_;
};

class DescriptorOutput : public ByteOutput {
public:
    explicit DescriptorOutput(int fd) : fd_(fd) {}
    bool Write(std::string_view bytes, std::string& reason) override {
        while (!bytes.empty()) {
            const ssize_t count = ::write(fd_, bytes.data(), bytes.size());
            if (count > 0) {
                bytes.remove_prefix(static_cast<std::size_t>(count));
            } else if (count == 0 ||
                       (errno != EINTR &&
                        !((errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(fd_, POLLOUT)))) {
                reason = count == 0 ? "nothing written" : std::strerror(errno);
                return false;
            }
        }
        return true;
    }

private:
    int fd_;
};

} // namespace

std::unique_ptr<ByteInput> StandardInput() {
    return std::make_unique<DescriptorInput>(STDIN_FILENO);
}

std::unique_ptr<ByteOutput> StandardOutput() {
    return std::make_unique<DescriptorOutput>(STDOUT_FILENO);
}

std::unique_ptr<ByteOutput> StandardError() {
    return std::make_unique<DescriptorOutput>(STDERR_FILENO);
}

bool StandardOutputIsTerminal() {
    return isatty(STDOUT_FILENO) != 0;
}

} // namespace qev
