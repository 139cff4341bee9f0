#include "platform/exe_dir.h"

#include <unistd.h>

#include <climits>
#include <mutex>
#include <utility>

#include "platform/cp1252.h"

namespace platform {
namespace {

std::mutex override_mutex;
std::string override_dir;

std::string OwnDir() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return "./";
    std::string path(buffer, static_cast<std::size_t>(n));
    return path.substr(0, path.rfind('/') + 1);
}

// File names on this system are UTF-8; a malformed sequence gives U+FFFD, which the code
// page conversion turns into '?'.
std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80         ? 0
                          : (lead >> 5) == 6  ? 1
                          : (lead >> 4) == 14 ? 2
                          : (lead >> 3) == 30 ? 3
                                              : -1;
        char32_t cp = extra == 0   ? lead
                      : extra == 1 ? lead & 0x1F
                      : extra == 2 ? lead & 0x0F
                                   : lead & 0x07;
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            ok = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!ok) {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (cp >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

}  // namespace

std::string ExeDir() {
    {
        std::lock_guard<std::mutex> lock(override_mutex);
        if (!override_dir.empty()) return override_dir;
    }
    static const std::string own = OwnDir();
    return own;
}

std::string ExeDirText() {
    return Utf16ToAnsi(Utf8ToUtf16(ExeDir()));
}

std::string DataFilePath(std::string_view name) {
    return ExeDir() + std::string(name);
}

void SetExeDirOverride(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    std::lock_guard<std::mutex> lock(override_mutex);
    override_dir = std::move(dir);
}

}  // namespace platform
