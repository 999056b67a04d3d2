// The few things besides GameFile and the file replacement that reach the
// operating system differently on Linux and on Windows. One implementation
// file per system: platformfile_posix.cpp and platformfile_windows.cpp.
// Everywhere else a path is a UTF-8 string; it becomes a system path only here
// and through PathFromUtf8.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "error.h"

namespace tilewright::platform {

// A std::filesystem::path from UTF-8 text and back, byte for byte on Linux
// and through UTF-16 on Windows (where a narrow path would mean the ANSI
// code page, in which "Zoë" or "Spiel\u00df" may not even exist).
inline std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}
inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// The program's arguments as UTF-8, whatever the system's own encoding of them.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Whether standard error is shown on a console (where progress is drawn).
bool StandardErrorIsConsole();

// Standard input and output pass bytes unchanged: a "\n" written is one byte,
// so that a CSV or JSON file is the same on every system.
void UseBinaryStandardStreams();

// Writes `bytes` as the whole content of the file at `path`, made or
// truncated; a file that cannot be written whole is removed again. Not
// flushed to disk: for files that are not game data, like exported pictures.
Status WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace tilewright::platform
