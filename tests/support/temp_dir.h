#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "platform/exe_dir.h"

// A fresh directory under /tmp that the data files of the program go to for one test; removed
// with everything in it afterwards.
class TempDataDir {
  public:
    explicit TempDataDir(const std::string& sub = "") {
        std::string pattern = "/tmp/tamaris-config-XXXXXX";
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
        dir_ = sub.empty() ? root_ : root_ + "/" + sub;
        std::filesystem::create_directories(dir_);
        platform::SetExeDirOverride(dir_);
    }
    ~TempDataDir() {
        platform::SetExeDirOverride("");
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempDataDir(const TempDataDir&) = delete;
    TempDataDir& operator=(const TempDataDir&) = delete;

    // With a trailing '/', as ExeDir() gives it.
    std::string dir() const { return dir_ + "/"; }
    std::string path(const std::string& name) const { return dir() + name; }

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream out(path(name), std::ios::binary);
        out << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    int FileCount() const {
        int n = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir_)) ++n;
        return n;
    }

  private:
    std::string root_;
    std::string dir_;
};
