// Replacing a whole file all or nothing: the new content goes to a temporary
// file in the same folder, is flushed to disk and renamed over the original,
// whose permissions it takes. A crash or a full disk leaves either the old
// file or the new one, and a write that fails removes its temporary file.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "error.h"

namespace tilewright {

// Refuses, before anything is written, a file that is read-only, sits in a
// folder that cannot take the temporary file, or is no regular file.
Status CheckReplaceable(const std::string& path);

// Checks as above, then replaces the file's content with `bytes`.
Status ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace tilewright
