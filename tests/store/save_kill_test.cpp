// Kills a process with SIGKILL while it saves a data file, a hundred times per file, and
// checks each time that the file is whole: the contents before the save or after it.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_dir.h"

extern char** environ;

namespace {

constexpr int kKills = 100;

// Runs store_saver and returns its pid; with wait_for_first_save, returns once the first
// save is done, so that the kill falls among saves rather than during start-up.
pid_t StartSaver(const std::string& dir, const std::string& kind, const std::string& mode) {
    std::vector<std::string> args = {STORE_SAVER_PATH, dir, kind, mode};
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t pid = -1;
    if (posix_spawn(&pid, args[0].c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (pid > 0 && mode == "loop") {
        char first;
        if (read(out[0], &first, 1) != 1) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            pid = -1;
        }
    }
    close(out[0]);
    return pid;
}

int RunSaver(const std::string& dir, const std::string& kind, const std::string& mode) {
    const pid_t pid = StartSaver(dir, kind, mode);
    int status = -1;
    if (pid > 0) waitpid(pid, &status, 0);
    return status;
}

// A file already full of other entries, so that a save has many bytes to write.
std::string BaseFile(const std::string& section, const std::string& value) {
    std::string text = "[" + section + "]\r\n";
    for (int i = 0; i < 300; ++i) text += "entree" + std::to_string(i) + "=" + value + "\r\n";
    return text;
}

struct DataFile {
    const char* kind;
    const char* name;
    std::string base;  // empty: the saver writes the whole file
};

class SaveKillTest : public ::testing::TestWithParam<DataFile> {};

TEST_P(SaveKillTest, FileIsAlwaysTheOldOrTheNewOne) {
    const DataFile& file = GetParam();
    TempDataDir dir;
    if (!file.base.empty()) dir.Write(file.name, file.base);
    ASSERT_EQ(RunSaver(dir.dir(), file.kind, "a"), 0);
    const std::string a = dir.Read(file.name);
    ASSERT_EQ(RunSaver(dir.dir(), file.kind, "b"), 0);
    const std::string b = dir.Read(file.name);
    ASSERT_NE(a, b);
    ASSERT_GT(b.size(), 2000u);

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delay_us(0, 20000);
    int old_or_new[2] = {0, 0};
    for (int kill_number = 0; kill_number < kKills; ++kill_number) {
        const pid_t pid = StartSaver(dir.dir(), file.kind, "loop");
        ASSERT_GT(pid, 0) << "store_saver did not start its saves";
        std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "store_saver ended by itself: " << status;
        const std::string now = dir.Read(file.name);
        ASSERT_TRUE(now == a || now == b)
            << file.name << " after kill " << kill_number << ": " << now.size() << " bytes, "
            << "expected " << a.size() << " or " << b.size();
        ++old_or_new[now == b];
    }
    int leftovers = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.dir())) {
        leftovers += entry.path().filename().string() != file.name;
    }
    std::cout << file.name << ": " << old_or_new[0] << " times a, " << old_or_new[1]
              << " times b, " << leftovers << " temporary files left by the kills\n";
}

INSTANTIATE_TEST_SUITE_P(
    DataFiles, SaveKillTest,
    ::testing::Values(DataFile{"config", "config.vek", ""},
                      DataFile{"identities", "ID.vek", BaseFile("Ancien", "valeur")},
                      DataFile{"macros", "macros.vek", BaseFile("Macros", "un texte de macro")},
                      DataFile{"rooms", "salons.vek", BaseFile("Salons", "null")}),
    [](const ::testing::TestParamInfo<DataFile>& info) { return std::string(info.param.kind); });

}  // namespace
