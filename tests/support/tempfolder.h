// A fresh folder under the system's temporary directory, removed afterwards.
// Its path() ends with a separator, as the editor's folder strings do.
#pragma once

#include <filesystem>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace tilewright::testing {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tilewright-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder under " + pattern);
        dir_ = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path() const { return dir_.string() + "/"; }
    std::string file(const std::string& name) const { return path() + name; }

private:
    std::filesystem::path dir_;
};

}  // namespace tilewright::testing
