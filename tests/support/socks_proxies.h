#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Real SOCKS proxies on loopback for a whole test executable, started by
// tests/support/socks/socks-up.sh and stopped by socks-down.sh. Register it once per
// executable, at namespace scope in one test file:
//
//   static ::testing::Environment* const socks_proxies =
//       ::testing::AddGlobalTestEnvironment(new tamaris::test::SocksProxies);
//
// The ports are fixed, so such executables pass LOCKS socks to tamaris_add_test.
namespace tamaris::test {

// OpenSSH `ssh -D`: SOCKS 4, 4A and 5, no authentication.
inline constexpr int kSshSocksPort = 11082;
// Dante: SOCKS 4 and 5 without authentication; refuses SOCKS 4A (code 91).
inline constexpr int kDanteSocksPort = 11080;
// microsocks: SOCKS 5 with user name and password only.
inline constexpr int kMicrosocksPort = 11090;
inline constexpr const char* kMicrosocksUser = "socktest";
inline constexpr const char* kMicrosocksPassword = "S0cks-Pass";
inline constexpr const char* kProxyHost = "127.0.0.1";

class SocksProxies : public ::testing::Environment {
  public:
    void SetUp() override {
        char pattern[] = "/tmp/tamaris-socks-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr) << "no temporary directory";
        dir_ = pattern;
        // The proxies inherit the script's output: send it to a file, not to the test's pipe.
        const int status = Script("socks-up.sh");
        ASSERT_EQ(status, 0) << "the SOCKS proxies did not start:\n" << ReadLog();
    }

    void TearDown() override {
        if (dir_.empty()) return;
        Script("socks-down.sh");
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
        dir_.clear();
    }

    // Where the proxies keep their state and logs while they run.
    const std::string& Dir() const { return dir_; }

  private:
    int Script(const char* name) const {
        const std::string command = "D='" + dir_ +
                                    "' sh '" TAMARIS_SOURCE_DIR "/tests/support/socks/" + name +
                                    "' >>'" + dir_ + "/scripts.log' 2>&1 </dev/null";
        return std::system(command.c_str());
    }

    std::string ReadLog() const {
        std::ifstream log(dir_ + "/scripts.log");
        return std::string(std::istreambuf_iterator<char>(log), {});
    }

    std::string dir_;
};

}  // namespace tamaris::test
