#include "filereplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "gamefile.h"

namespace tilewright {
namespace {

Error Unwritable(const std::string& path, const std::string& why) {
    return Error{ErrorKind::FileUnwritable, "Cannot write " + Quoted(path) + ": " + why + "."};
}

// The file itself, when `path` is a symbolic link: that is what gets replaced.
std::string Target(const std::string& path) {
    std::error_code ec;
    const auto resolved = std::filesystem::canonical(path, ec);
    return ec ? path : resolved.string();
}

std::string FolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

// Closes and removes the temporary file unless it has been renamed.
class TemporaryFile {
public:
    TemporaryFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!renamed_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }
    void Renamed() { renamed_ = true; }

private:
    std::string path_;
    int fd_;
    bool renamed_ = false;
};

Status WriteAll(int fd, std::span<const std::uint8_t> bytes, const std::string& path) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Unwritable(path, std::strerror(n < 0 ? errno : ENOSPC));
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return {};
}

}  // namespace

Status CheckReplaceable(const std::string& givenPath) {
    const std::string path = Target(givenPath);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return Unwritable(givenPath, std::strerror(errno));
    if (!S_ISREG(st.st_mode)) return Unwritable(givenPath, "it is not a regular file");
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return Unwritable(givenPath, errno == EACCES ? "the file is read-only" : std::strerror(errno));
    const std::string folder = FolderOf(path);
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return Unwritable(givenPath, errno == EACCES ? "its folder " + Quoted(folder) + " is read-only"
                                                     : std::strerror(errno));
    return {};
}

Status ReplaceFileContents(const std::string& givenPath, std::span<const std::uint8_t> bytes) {
    if (Status replaceable = CheckReplaceable(givenPath); !replaceable) return replaceable;
    const std::string path = Target(givenPath);
    struct stat original {};
    if (::stat(path.c_str(), &original) != 0) return Unwritable(givenPath, std::strerror(errno));

    const std::filesystem::path target(path);
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return Unwritable(givenPath, std::string("no temporary file: ") + std::strerror(errno));
    TemporaryFile temporary(pattern, fd);

    if (Status written = WriteAll(temporary.fd(), bytes, givenPath); !written) return written;
    // The owner is kept where the system lets us; the permission bits always.
    if (::fchown(temporary.fd(), original.st_uid, original.st_gid) != 0 && errno != EPERM)
        return Unwritable(givenPath, std::strerror(errno));
    if (::fchmod(temporary.fd(), original.st_mode & 07777) != 0) return Unwritable(givenPath, std::strerror(errno));
    if (::fsync(temporary.fd()) != 0) return Unwritable(givenPath, std::string("flush: ") + std::strerror(errno));
    if (!temporary.Close()) return Unwritable(givenPath, std::strerror(errno));
    if (::rename(temporary.path().c_str(), path.c_str()) != 0) return Unwritable(givenPath, std::strerror(errno));
    temporary.Renamed();

    // The rename itself reaches the disk with the folder.
    const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

}  // namespace tilewright
