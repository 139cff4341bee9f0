#include "platform/ini_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <ctime>
#include <limits>
#include <utility>

namespace platform {
namespace {

// Settings files are a few kilobytes; anything this large is not one of ours.
constexpr off_t kMaxFileSize = 16 * 1024 * 1024;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// "[name]" -> name. The last ']' closes the name, so that a name holding ']' reads back.
bool ParseHeader(std::string_view line, std::string_view* name) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return false;
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos) return false;
    *name = Trim(line.substr(1, close - 1));
    return true;
}

// "key=value" -> key, value. Comment lines (';') and lines without '=' are not entries.
bool ParseEntry(std::string_view line, std::string_view* key, std::string_view* value) {
    line = Trim(line);
    if (line.empty() || line.front() == ';' || line.front() == '[') return false;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    *key = Trim(line.substr(0, eq));
    *value = Trim(line.substr(eq + 1));
    return !key->empty();
}

std::string OneLine(std::string_view text) {
    std::string out(Trim(text));
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

// The reasons reach the user in message boxes: French, in Windows-1252.
std::string FrenchReason(int err) {
    switch (err) {
        case EACCES:
        case EPERM:
            return "acc\xE8s refus\xE9";
        case ENOSPC:
            return "le disque est plein";
        case EDQUOT:
            return "le quota du disque est d\xE9pass\xE9";
        case EFBIG:
            return "le fichier d\xE9passe la taille permise";
        case EROFS:
            return "le disque est en lecture seule";
        case ENOENT:
        case ENOTDIR:
            return "le dossier n'existe pas";
        case EISDIR:
            return "un dossier porte ce nom";
        case EIO:
            return "erreur d'entr\xE9"
                   "e-sortie";
        default:
            return "erreur syst\xE8me " + std::to_string(err);
    }
}

std::string Describe(const std::string& what, const std::string& path, int err) {
    return what + " " + path + " : " + FrenchReason(err);
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        unreadable_ = errno != ENOENT;
        return;
    }
    std::string bytes;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxFileSize) {
        unreadable_ = true;
    } else {
        char buffer[8192];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) unreadable_ = true;
            if (n <= 0) break;
            bytes.append(buffer, static_cast<std::size_t>(n));
            if (bytes.size() > static_cast<std::size_t>(kMaxFileSize)) {
                unreadable_ = true;
                break;
            }
        }
    }
    ::close(fd);
    if (unreadable_) return;

    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t lf = bytes.find('\n', start);
        if (lf == std::string::npos) {
            lines_.push_back({bytes.substr(start), ""});
            break;
        }
        std::size_t text_end = lf;
        if (text_end > start && bytes[text_end - 1] == '\r') --text_end;
        lines_.push_back(
            {bytes.substr(start, text_end - start), bytes.substr(text_end, lf + 1 - text_end)});
        start = lf + 1;
    }
}

bool IniFile::FindSection(std::string_view section, Range* range) const {
    std::string_view name;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!ParseHeader(lines_[i].text, &name) || !SameName(name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !ParseHeader(lines_[end].text, &name)) ++end;
        *range = {i, end};
        return true;
    }
    return false;
}

std::size_t IniFile::FindKey(const Range& range, std::string_view key) const {
    std::string_view k, v;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (ParseEntry(lines_[i].text, &k, &v) && SameName(k, key)) return i;
    }
    return range.end;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view default_value) const {
    Range range{};
    if (!FindSection(section, &range)) return std::string(default_value);
    const std::size_t at = FindKey(range, key);
    if (at == range.end) return std::string(default_value);
    std::string_view k, v;
    ParseEntry(lines_[at].text, &k, &v);
    return std::string(v);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int default_value) const {
    const std::string text = ReadString(section, key, "");
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '+') return default_value;
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) return default_value;
    return value;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool default_value) const {
    return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

void IniFile::Insert(std::size_t at, std::string text) {
    // The line before the new one must end, or the two would run together.
    if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), {std::move(text), "\r\n"});
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string entry = OneLine(key) + "=" + OneLine(value);
    Range range{};
    if (!FindSection(section, &range)) {
        Insert(lines_.size(), "[" + OneLine(section) + "]");
        Insert(lines_.size(), entry);
        return;
    }
    const std::size_t at = FindKey(range, key);
    if (at != range.end) {
        lines_[at].text = entry;
        return;
    }
    // After the section's last non-blank line, so that a blank line before the next
    // section stays where it is.
    std::size_t after = range.header + 1;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (!Trim(lines_[i].text).empty()) after = i + 1;
    }
    Insert(after, entry);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    std::string_view name;
    for (const Line& line : lines_) {
        if (!ParseHeader(line.text, &name)) continue;
        bool seen = false;
        for (const std::string& known : names) seen = seen || SameName(known, name);
        if (!seen) names.emplace_back(name);
    }
    return names;
}

std::vector<std::string> IniFile::SectionKeys(std::string_view section) const {
    std::vector<std::string> keys;
    for (const std::string& line : SectionLines(section))
        keys.push_back(line.substr(0, line.find('=')));
    return keys;
}

std::vector<std::string> IniFile::SectionLines(std::string_view section) const {
    std::vector<std::string> out;
    Range range{};
    if (!FindSection(section, &range)) return out;
    std::string_view k, v;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (ParseEntry(lines_[i].text, &k, &v))
            out.push_back(std::string(k) + "=" + std::string(v));
    }
    return out;
}

bool IniFile::SectionExists(std::string_view section) const {
    Range range{};
    return FindSection(section, &range);
}

void IniFile::EraseSection(std::string_view section) {
    Range range{};
    while (FindSection(section, &range)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range.header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range.end));
    }
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
    Range range{};
    if (!FindSection(section, &range)) return;
    const std::size_t at = FindKey(range, key);
    if (at != range.end) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
}

namespace {

// A save killed between creating its temporary file and the rename leaves that file behind.
// Removes those of `path` older than ten minutes: a save in progress, ours or another
// process's, takes far less.
void RemoveStaleTemporaries(const std::string& dir, const std::string& path) {
    const std::string prefix = path.substr(path.rfind('/') + 1) + ".tmp";
    DIR* listing = ::opendir(dir.c_str());
    if (!listing) return;
    const std::time_t old = std::time(nullptr) - 10 * 60;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const std::string file = dir + name;
        struct stat info {};
        if (::lstat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_mtime < old) {
            ::unlink(file.c_str());
        }
    }
    ::closedir(listing);
}

}  // namespace

bool IniFile::Save(std::string* error) {
    auto fail = [error](std::string reason) {
        if (error) *error = std::move(reason);
        return false;
    };
    if (unreadable_)
        return fail("Le fichier " + path_ + " est illisible ; il n'est pas remplac\xE9.");

    std::string bytes;
    for (const Line& line : lines_) bytes += line.text + line.end;

    const std::size_t slash = path_.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path_.substr(0, slash + 1);
    std::string temp = path_ + ".tmpXXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(
            Describe("Impossible de cr\xE9"
                     "er un fichier \xE0 c\xF4t\xE9 de",
                     path_, errno));

    struct stat old {};
    const mode_t mode = ::stat(path_.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    int err = 0;
    errno = 0;
    if (!WriteAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) {
        err = errno != 0 ? errno : EIO;
    }
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return fail(
            Describe("Impossible d'\xE9"
                     "crire",
                     path_, err));
    }
    if (::rename(temp.c_str(), path_.c_str()) != 0) {
        const int rename_errno = errno;
        ::unlink(temp.c_str());
        return fail(Describe("Impossible de remplacer", path_, rename_errno));
    }
    // The rename itself is durable only once the directory is flushed.
    const int dir_fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir_fd >= 0) {
        ::fsync(dir_fd);
        ::close(dir_fd);
    }
    RemoveStaleTemporaries(dir, path_);
    return true;
}

}  // namespace platform
