#include "platformfile.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>

#include "gamefile.h"
#include "windowssystem.h"

#include <shellapi.h>

namespace tilewright::platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return {argv, argv + argc};
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(Utf8(wide[i]));
    LocalFree(wide);
    return arguments;
}

bool StandardErrorIsConsole() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

Status WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    auto failure = [&](DWORD code) {
        return Error{ErrorKind::FileUnwritable,
                     "Cannot write " + Quoted(path) + ": " + (InUse(code) ? kInUse : SystemReason(code)) + "."};
    };
    const std::wstring wide = Wide(path);
    const HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return failure(GetLastError());
    DWORD code = ERROR_SUCCESS;
    for (std::size_t written = 0; written < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 30));
        DWORD n = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &n, nullptr)) {
            code = GetLastError();
            break;
        }
        if (n == 0) {
            code = ERROR_DISK_FULL;
            break;
        }
        written += n;
    }
    if (!CloseHandle(file) && code == ERROR_SUCCESS) code = GetLastError();
    if (code == ERROR_SUCCESS) return {};
    DeleteFileW(wide.c_str());
    return failure(code);
}

}  // namespace tilewright::platform
