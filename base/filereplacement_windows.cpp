// The whole-file replacement on Windows: the temporary file beside the
// original is written, flushed with FlushFileBuffers and moved over it with
// MoveFileExW, which replaces the original in one step.
#include <random>

#include "filereplacement.h"
#include "gamefile.h"
#include "windowssystem.h"

namespace tilewright {
namespace {

using platform::SystemReason;
using platform::Wide;

Error Unwritable(const std::string& path, const std::string& why) {
    return Error{ErrorKind::FileUnwritable, "Cannot write " + Quoted(path) + ": " + why + "."};
}

Error Unwritable(const std::string& path, DWORD code) {
    return Unwritable(path, platform::InUse(code) ? platform::kInUse : SystemReason(code));
}

std::filesystem::path FolderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(L".");
}

// Closes and removes the temporary file unless it has been moved.
class TemporaryFile {
public:
    TemporaryFile(std::wstring path, HANDLE handle) : path_(std::move(path)), handle_(handle) {}
    ~TemporaryFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        if (!moved_) DeleteFileW(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    HANDLE handle() const { return handle_; }
    const std::wstring& path() const { return path_; }
    bool Close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)); }
    void Moved() { moved_ = true; }

private:
    std::wstring path_;
    HANDLE handle_;
    bool moved_ = false;
};

// A new file named ".<name>.<six letters>" in the original's folder.
HANDLE CreateTemporary(const std::filesystem::path& target, std::wstring& name) {
    std::random_device seed;
    std::mt19937 random(seed());
    const wchar_t letters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring suffix;
        for (int i = 0; i < 6; ++i) suffix += letters[random() % 36];
        name = (FolderOf(target) / (L"." + target.filename().wstring() + L"." + suffix)).wstring();
        const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

Status WriteAll(HANDLE file, std::span<const std::uint8_t> bytes, const std::string& path) {
    while (!bytes.empty()) {
        DWORD n = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), std::size_t{1} << 30));
        if (!WriteFile(file, bytes.data(), chunk, &n, nullptr)) return Unwritable(path, GetLastError());
        if (n == 0) return Unwritable(path, ERROR_DISK_FULL);
        bytes = bytes.subspan(n);
    }
    return {};
}

}  // namespace

Status CheckReplaceable(const std::string& path) {
    const std::wstring wide = Wide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Unwritable(path, GetLastError());
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return Unwritable(path, "it is not a regular file");
    if (attributes & FILE_ATTRIBUTE_READONLY) return Unwritable(path, "the file is read-only");
    // Replacing takes the right to delete the original: a program that holds
    // it open without sharing would make the last step fail.
    const HANDLE original = CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (original == INVALID_HANDLE_VALUE) return Unwritable(path, GetLastError());
    CloseHandle(original);
    const std::filesystem::path target = platform::PathFromUtf8(path);
    std::wstring probe;
    const HANDLE file = CreateTemporary(target, probe);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code == ERROR_ACCESS_DENIED)
            return Unwritable(path, "its folder " + Quoted(platform::Utf8FromPath(FolderOf(target))) + " is read-only");
        return Unwritable(path, code);
    }
    CloseHandle(file);
    DeleteFileW(probe.c_str());
    return {};
}

Status ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (Status replaceable = CheckReplaceable(path); !replaceable) return replaceable;
    const std::filesystem::path target = platform::PathFromUtf8(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    std::wstring name;
    const HANDLE file = CreateTemporary(target, name);
    if (file == INVALID_HANDLE_VALUE) return Unwritable(path, "no temporary file: " + SystemReason(GetLastError()));
    TemporaryFile temporary(name, file);

    if (Status written = WriteAll(temporary.handle(), bytes, path); !written) return written;
    if (!FlushFileBuffers(temporary.handle())) return Unwritable(path, "flush: " + SystemReason(GetLastError()));
    if (!temporary.Close()) return Unwritable(path, GetLastError());
    // The original's attributes (hidden, archive...) stay with the file.
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(temporary.path().c_str(), attributes);
    if (!MoveFileExW(temporary.path().c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Unwritable(path, GetLastError());
    temporary.Moved();
    return {};
}

}  // namespace tilewright
