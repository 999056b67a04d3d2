// Helpers of the Windows implementation files only: UTF-16 paths for the wide
// system calls, and the system's own text for an error code.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "platformfile.h"

namespace tilewright::platform {

inline std::wstring Wide(const std::string& utf8) { return PathFromUtf8(utf8).wstring(); }

inline std::string Utf8(const std::wstring& wide) { return Utf8FromPath(std::filesystem::path(wide)); }

// The system's message for `code` without its final full stop and line end,
// as in "The process cannot access the file because it is being used by
// another process".
inline std::string SystemReason(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length ? std::wstring(text, length) : L"system error " + std::to_wstring(code);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L'.' ||
                               reason.back() == L' '))
        reason.pop_back();
    return Utf8(reason);
}

// Another program holds the file open without sharing it (the game client,
// a second editor).
inline bool InUse(DWORD code) { return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION; }

inline const char kInUse[] = "it is in use by another program";

}  // namespace tilewright::platform
