#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "platform/exe_dir.h"

// The directory that stands for the program's own, holding the files of one input. It lives
// in memory where it can: the stores write every file through a temporary one and fsync it.
inline const std::string& FuzzDataDir() {
    // Never destroyed: the handler that removes it runs after the static destructors.
    static const std::string* dir = [] {
        std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        pattern += "/tamaris-fuzz-XXXXXX";
        Require(::mkdtemp(pattern.data()) != nullptr);
        platform::SetExeDirOverride(pattern);
        std::atexit([] {
            const std::string command = "rm -rf '" + FuzzDataDir() + "'";
            Require(std::system(command.c_str()) == 0);
        });
        return new std::string(pattern + "/");
    }();
    return *dir;
}

inline std::string FuzzDataPath(const char* name) {
    return FuzzDataDir() + name;
}

inline void WriteFuzzFile(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    Require(fd >= 0);
    Require(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
    ::close(fd);
}
