#include "platformfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "gamefile.h"

namespace tilewright::platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

bool StandardErrorIsConsole() { return ::isatty(2) == 1; }

void UseBinaryStandardStreams() {}

Status WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    auto failure = [&](int err) {
        return Error{ErrorKind::FileUnwritable, "Cannot write " + Quoted(path) + ": " + std::strerror(err) + "."};
    };
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return failure(errno);
    std::size_t written = 0;
    int err = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0) return {};
    ::unlink(path.c_str());
    return failure(err);
}

}  // namespace tilewright::platform
