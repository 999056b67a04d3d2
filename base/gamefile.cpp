#include "gamefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tilewright {
namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
               return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
           });
}

std::string Reason(int err) { return std::strerror(err); }

Result<GameFile> OpenFailure(const std::string& path, int err, ErrorKind otherwise, const char* what) {
    if (err == ENOENT || err == ENOTDIR)
        return Error{ErrorKind::FileMissing, "Cannot find " + Quoted(path) + ": " + Reason(err) + "."};
    return Error{otherwise, std::string("Cannot open ") + Quoted(path) + " " + what + ": " + Reason(err) + "."};
}

}  // namespace

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string ResolveGameFile(const std::string& folder, const std::string& fileName) {
    return FindGameFile(folder, fileName).value_or(folder + fileName);
}

std::optional<std::string> FindGameFile(const std::string& folder, const std::string& fileName) {
    const std::string exact = folder + fileName;
    std::error_code ec;
    if (std::filesystem::exists(exact, ec)) return exact;

    const std::filesystem::path joined(exact);
    const std::string wanted = joined.filename().string();
    std::filesystem::path dir = joined.parent_path();
    if (dir.empty()) dir = ".";

    std::string found;
    int matches = 0;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (EqualIgnoringCase(name, wanted)) {
            found = (joined.parent_path() / name).string();
            ++matches;
        }
    }
    // Two candidates differing only in case: neither is "the" file.
    if (matches != 1) return std::nullopt;
    return found;
}

// Only regular files are game files. The open does not block, so that a FIFO
// or device under the game file's name cannot hang the editor; blocking is
// back on once the file is known to be regular.
Result<GameFile> GameFile::Open(const std::string& path, int mode, ErrorKind failure, const char* purpose) {
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

Result<GameFile> GameFile::OpenForReading(const std::string& folder, const std::string& fileName) {
    const std::string path = ResolveGameFile(folder, fileName);
    return Open(path, O_RDONLY, ErrorKind::FileUnreadable, "for reading");
}

Result<GameFile> GameFile::OpenForWriting(const std::string& folder, const std::string& fileName) {
    const std::string path = ResolveGameFile(folder, fileName);
    return Open(path, O_RDWR, ErrorKind::FileUnwritable, "for writing");
}

GameFile::GameFile(GameFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)), identity_(other.identity_) {}

GameFile& GameFile::operator=(GameFile&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
        identity_ = other.identity_;
    }
    return *this;
}

GameFile::~GameFile() { Close(); }

void GameFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

Result<std::size_t> GameFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
    std::size_t done = 0;
    while (done < out.size()) {
        const std::uint64_t at = offset + done;
        if (at > static_cast<std::uint64_t>(INT64_MAX)) break;
        const ssize_t n = ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(at));
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

Status GameFile::ReadExactlyAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
    auto got = ReadAt(offset, out);
    if (!got) return got.error();
    if (*got != out.size())
        return Error{ErrorKind::OutOfBounds, "Cannot read " + std::to_string(out.size()) + " bytes at position " +
                                                 std::to_string(offset + 1) + " of " + Quoted(path_) +
                                                 ": the file ends first."};
    return {};
}

Status GameFile::WriteAllAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    for (;;) {
        const ssize_t n = ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(offset));
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
    const bool synced = ::fsync(fd_) == 0;
    const int syncErr = errno;
    const bool closed = ::close(fd_) == 0;
    const int closeErr = errno;
    fd_ = -1;
    if (!synced)
        return Error{ErrorKind::FileUnwritable,
                     "Cannot flush " + Quoted(path_) + " to disk: " + Reason(syncErr) + "."};
    if (!closed)
        return Error{ErrorKind::FileUnwritable, "Cannot close " + Quoted(path_) + ": " + Reason(closeErr) + "."};
    return {};
}

}  // namespace tilewright
