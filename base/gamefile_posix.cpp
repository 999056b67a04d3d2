// GameFile's system calls on Linux: positioned pread and pwrite, fsync.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "gamefile.h"

namespace tilewright {
namespace {

std::string Reason(int err) { return std::strerror(err); }

Result<GameFile> OpenFailure(const std::string& path, int err, ErrorKind otherwise, const char* what) {
    if (err == ENOENT || err == ENOTDIR)
        return Error{ErrorKind::FileMissing, "Cannot find " + Quoted(path) + ": " + Reason(err) + "."};
    return Error{otherwise, std::string("Cannot open ") + Quoted(path) + " " + what + ": " + Reason(err) + "."};
}

int Descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

// Only regular files are game files. The open does not block, so that a FIFO
// or device under the game file's name cannot hang the editor; blocking is
// back on once the file is known to be regular.
Result<GameFile> GameFile::Open(const std::string& path, Access access, ErrorKind failure, const char* purpose) {
    const int mode = access == Access::Read ? O_RDONLY : O_RDWR;
    const int fd = ::open(path.c_str(), mode | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return OpenFailure(path, errno, failure, purpose);
    struct stat st {};
    int err = 0;
    if (::fstat(fd, &st) != 0)
        err = errno;
    else if (S_ISDIR(st.st_mode))
        err = EISDIR;
    else if (!S_ISREG(st.st_mode))
        err = EINVAL;
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        err = errno;
    if (err != 0) {
        ::close(fd);
        if (err == EINVAL)
            return Error{failure, "Cannot open " + Quoted(path) + " " + purpose + ": it is not a regular file."};
        return OpenFailure(path, err, failure, purpose);
    }
    const FileIdentity identity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                                static_cast<std::uint64_t>(st.st_size),
                                std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec};
    return GameFile(fd, path, identity);
}

void GameFile::Close() {
    if (handle_ != kNoHandle) ::close(Descriptor(handle_));
    handle_ = kNoHandle;
}

Result<std::size_t> GameFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
    std::size_t done = 0;
    while (done < out.size()) {
        const std::uint64_t at = offset + done;
        if (at > static_cast<std::uint64_t>(INT64_MAX)) break;
        const ssize_t n = ::pread(Descriptor(handle_), out.data() + done, out.size() - done, static_cast<off_t>(at));
        if (n < 0) {
            if (errno == EINTR) continue;
            return Error{ErrorKind::FileUnreadable, "Cannot read " + Quoted(path_) + " at byte " +
                                                        std::to_string(at + 1) + ": " + Reason(errno) + "."};
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

Status GameFile::WriteAllAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    for (;;) {
        const ssize_t n = ::pwrite(Descriptor(handle_), bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            return Error{ErrorKind::FileUnwritable, "Cannot write " + Quoted(path_) + " at position " +
                                                        std::to_string(offset + 1) + ": " + Reason(errno) + "."};
        if (static_cast<std::size_t>(n) != bytes.size())
            return Error{ErrorKind::FileUnwritable,
                         "Only " + std::to_string(n) + " of " + std::to_string(bytes.size()) +
                             " bytes could be written to " + Quoted(path_) + " at position " +
                             std::to_string(offset + 1) + "."};
        return {};
    }
}

Status GameFile::SyncAndClose() {
    const bool synced = ::fsync(Descriptor(handle_)) == 0;
    const int syncErr = errno;
    const bool closed = ::close(Descriptor(handle_)) == 0;
    const int closeErr = errno;
    handle_ = kNoHandle;
    if (!synced)
        return Error{ErrorKind::FileUnwritable,
                     "Cannot flush " + Quoted(path_) + " to disk: " + Reason(syncErr) + "."};
    if (!closed)
        return Error{ErrorKind::FileUnwritable, "Cannot close " + Quoted(path_) + ": " + Reason(closeErr) + "."};
    return {};
}

}  // namespace tilewright
