// A fresh folder under the system's temporary directory, removed afterwards.
// Its path() ends with a separator, as the editor's folder strings do.
#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

namespace tilewright::testing {

class TempFolder {
public:
    // A new folder of a random name; create_directory tells whether it was new.
    TempFolder() {
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        std::random_device seed;
        std::mt19937 random(seed());
        for (int attempt = 0; attempt < 100 && dir_.empty(); ++attempt) {
            const auto candidate = base / ("tilewright-" + std::to_string(random() % 1000000000));
            if (std::filesystem::create_directory(candidate)) dir_ = candidate;
        }
        if (dir_.empty()) throw std::runtime_error("cannot make a temporary folder under " + base.string());
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
