#include "gamefile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platformfile.h"

namespace tilewright {
namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
               return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string ResolveGameFile(const std::string& folder, const std::string& fileName) {
    return FindGameFile(folder, fileName).value_or(folder + fileName);
}

std::optional<std::string> FindGameFile(const std::string& folder, const std::string& fileName) {
    using platform::PathFromUtf8;
    using platform::Utf8FromPath;
    const std::string exact = folder + fileName;
    std::error_code ec;
    const std::filesystem::path joined = PathFromUtf8(exact);
    if (std::filesystem::exists(joined, ec)) return exact;

    const std::string wanted = Utf8FromPath(joined.filename());
    std::filesystem::path dir = joined.parent_path();
    if (dir.empty()) dir = ".";

    std::string found;
    int matches = 0;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = Utf8FromPath(it->path().filename());
        if (EqualIgnoringCase(name, wanted)) {
            found = Utf8FromPath(joined.parent_path() / PathFromUtf8(name));
            ++matches;
        }
    }
    // Two candidates differing only in case: neither is "the" file.
    if (matches != 1) return std::nullopt;
    return found;
}

Result<GameFile> GameFile::OpenForReading(const std::string& folder, const std::string& fileName) {
    const std::string path = ResolveGameFile(folder, fileName);
    return Open(path, Access::Read, ErrorKind::FileUnreadable, "for reading");
}

Result<GameFile> GameFile::OpenForWriting(const std::string& folder, const std::string& fileName) {
    const std::string path = ResolveGameFile(folder, fileName);
    return Open(path, Access::ReadWrite, ErrorKind::FileUnwritable, "for writing");
}

GameFile::GameFile(GameFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)), path_(std::move(other.path_)), identity_(other.identity_) {}

GameFile& GameFile::operator=(GameFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, kNoHandle);
        path_ = std::move(other.path_);
        identity_ = other.identity_;
    }
    return *this;
}

GameFile::~GameFile() { Close(); }

Status GameFile::ReadExactlyAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
    auto got = ReadAt(offset, out);
    RETURN_IF_ERROR(got);
    if (*got != out.size())
        return Error{ErrorKind::OutOfBounds, "Cannot read " + std::to_string(out.size()) + " bytes at position " +
                                                 std::to_string(offset + 1) + " of " + Quoted(path_) +
                                                 ": the file ends first."};
    return {};
}

}  // namespace tilewright
