// A folder of this fuzzing process for the files each input is written to,
// on tmpfs when there is one, removed when the process ends normally.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace tilewright::fuzzing {

class FuzzFolder {
public:
    explicit FuzzFolder(const std::string& name) {
        const std::filesystem::path shm("/dev/shm");
        const auto base = std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        dir_ = base / (name + "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        path_ = dir_.string() + "/";
    }
    ~FuzzFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::filesystem::path dir_;
    std::string path_;
};

}  // namespace tilewright::fuzzing
