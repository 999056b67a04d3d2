// All game files are opened through here. A file is named by a folder string
// followed directly by the file name; when that exact name does not exist,
// the one entry of its directory that matches it ignoring letter case is used
// (folders copied from Windows often hold "tiledata.mul" or "ARTIDX.MUL").
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "error.h"

namespace tilewright {

// The path under which `fileName` is found in `folder`: the exact join when it
// exists, else the single case-insensitive match, else the exact join.
std::string ResolveGameFile(const std::string& folder, const std::string& fileName);
// The same path, but nothing when neither the exact name nor a single match exists.
std::optional<std::string> FindGameFile(const std::string& folder, const std::string& fileName);

// What tells one version of a file from another: the same file has the same
// device and inode (on Windows the volume serial number and file index), and
// a changed one a new size or modification time.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// A file open for one command, closed when the object goes.
class GameFile {
public:
    // Opens `folder` + `fileName` (resolved as above) for reading only.
    static Result<GameFile> OpenForReading(const std::string& folder, const std::string& fileName);
    // Opens an existing file for writing in place; never creates or truncates.
    static Result<GameFile> OpenForWriting(const std::string& folder, const std::string& fileName);

    GameFile(GameFile&& other) noexcept;
    GameFile& operator=(GameFile&& other) noexcept;
    GameFile(const GameFile&) = delete;
    GameFile& operator=(const GameFile&) = delete;
    ~GameFile();

    const std::string& path() const { return path_; }
    std::uint64_t size() const { return identity_.size; }
    const FileIdentity& identity() const { return identity_; }

    // Reads up to out.size() bytes at the 0-based `offset`; returns how many
    // were read, fewer only at the end of the file.
    Result<std::size_t> ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const;
    // Reads exactly out.size() bytes at `offset` or fails naming the position.
    Status ReadExactlyAt(std::uint64_t offset, std::span<std::uint8_t> out) const;
    // Writes all of `bytes` at `offset` with one positioned write. A write
    // that fails or comes up short is reported; part of it may be on disk.
    Status WriteAllAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    // Flushes what was written to stable storage and closes the file.
    Status SyncAndClose();

private:
    enum class Access { Read, ReadWrite };
    // A file descriptor on Linux, a HANDLE on Windows; -1 is neither.
    static constexpr std::intptr_t kNoHandle = -1;

    // The system's part, in gamefile_posix.cpp or gamefile_windows.cpp.
    static Result<GameFile> Open(const std::string& path, Access access, ErrorKind failure, const char* purpose);
    GameFile(std::intptr_t handle, std::string path, const FileIdentity& identity)
        : handle_(handle), path_(std::move(path)), identity_(identity) {}
    void Close();

    std::intptr_t handle_ = kNoHandle;
    std::string path_;
    FileIdentity identity_;
};

}  // namespace tilewright
