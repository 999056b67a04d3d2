// GameFile's system calls on Windows: wide paths, positioned ReadFile and
// WriteFile, FlushFileBuffers. A file another program holds open without
// sharing is refused as in use.
#include <algorithm>

#include "gamefile.h"
#include "windowssystem.h"

namespace tilewright {
namespace {

using platform::InUse;
using platform::SystemReason;

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return at;
}

// Chunks of at most 1 GiB: one ReadFile or WriteFile moves a DWORD's worth.
DWORD Chunk(std::size_t left) { return static_cast<DWORD>(std::min<std::size_t>(left, std::size_t{1} << 30)); }

}  // namespace

Result<GameFile> GameFile::Open(const std::string& path, Access access, ErrorKind failure, const char* purpose) {
    auto refused = [&](const std::string& why) {
        return Error{failure, "Cannot open " + Quoted(path) + " " + purpose + ": " + why + "."};
    };
    const std::wstring wide = platform::Wide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return refused("it is a folder");
    // Windows refuses such a write anyway; said before trying, it is the same
    // under wine as root, where only the attribute tells.
    if (access == Access::ReadWrite && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return refused("the file is read-only");
    // Others may go on reading the file while a record is written, but not write it.
    const DWORD share = access == Access::Read ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
    const DWORD rights = access == Access::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const HANDLE file = CreateFileW(wide.c_str(), rights, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_INVALID_NAME)
            return Error{ErrorKind::FileMissing, "Cannot find " + Quoted(path) + ": " + SystemReason(code) + "."};
        if (InUse(code)) return refused(platform::kInUse);
        return refused(SystemReason(code));
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return refused("it is not a regular file");
    }
    if (!GetFileInformationByHandle(file, &info)) {
        const DWORD code = GetLastError();
        CloseHandle(file);
        return refused(SystemReason(code));
    }
    // Last write time in 100-nanosecond steps.
    const std::uint64_t written = (std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) | info.ftLastWriteTime.dwLowDateTime;
    const FileIdentity identity{info.dwVolumeSerialNumber,
                                (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow,
                                (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow,
                                static_cast<std::int64_t>(written) * 100};
    return GameFile(reinterpret_cast<std::intptr_t>(file), path, identity);
}

void GameFile::Close() {
    if (handle_ != kNoHandle) CloseHandle(AsHandle(handle_));
    handle_ = kNoHandle;
}

Result<std::size_t> GameFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
    std::size_t done = 0;
    while (done < out.size()) {
        const std::uint64_t at = offset + done;
        OVERLAPPED position = At(at);
        DWORD n = 0;
        if (!ReadFile(AsHandle(handle_), out.data() + done, Chunk(out.size() - done), &n, &position)) {
            const DWORD code = GetLastError();
            if (code == ERROR_HANDLE_EOF) break;
            return Error{ErrorKind::FileUnreadable, "Cannot read " + Quoted(path_) + " at byte " + std::to_string(at + 1) +
                                                        ": " + SystemReason(code) + "."};
        }
        if (n == 0) break;
        done += n;
    }
    return done;
}

Status GameFile::WriteAllAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        OVERLAPPED position = At(offset + done);
        DWORD n = 0;
        if (!WriteFile(AsHandle(handle_), bytes.data() + done, Chunk(bytes.size() - done), &n, &position)) {
            const DWORD code = GetLastError();
            return Error{ErrorKind::FileUnwritable, "Cannot write " + Quoted(path_) + " at position " +
                                                        std::to_string(offset + 1) + ": " +
                                                        (InUse(code) ? platform::kInUse : SystemReason(code)) + "."};
        }
        if (n == 0) break;
        done += n;
    }
    if (done != bytes.size())
        return Error{ErrorKind::FileUnwritable, "Only " + std::to_string(done) + " of " + std::to_string(bytes.size()) +
                                                    " bytes could be written to " + Quoted(path_) + " at position " +
                                                    std::to_string(offset + 1) + "."};
    return {};
}

Status GameFile::SyncAndClose() {
    const bool flushed = FlushFileBuffers(AsHandle(handle_));
    const DWORD flushError = GetLastError();
    const bool closed = CloseHandle(AsHandle(handle_));
    const DWORD closeError = GetLastError();
    handle_ = kNoHandle;
    if (!flushed)
        return Error{ErrorKind::FileUnwritable, "Cannot flush " + Quoted(path_) + " to disk: " + SystemReason(flushError) + "."};
    if (!closed) return Error{ErrorKind::FileUnwritable, "Cannot close " + Quoted(path_) + ": " + SystemReason(closeError) + "."};
    return {};
}

}  // namespace tilewright
