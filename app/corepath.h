// The core takes paths as UTF-8 text on every system (it makes the system's
// own path of it); QFile::encodeName would give the ANSI code page on
// Windows, where "Zoë" may not exist.
#pragma once

#include <QString>
#include <string>

namespace tilewright {

inline std::string CorePath(const QString& path) { return path.toStdString(); }

}  // namespace tilewright
