#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A profile file in Windows INI form: "[Section]" lines open sections, "key=value" lines
// follow. Section and key names match without regard to ASCII case; blanks around names and
// values are ignored; lines may end in CR LF or LF. Text is kept as the file's bytes
// (Windows-1252), with no conversion.
//
// The file is read once by the constructor; changes are made in memory and written by Save,
// so many keys cost one write. Lines that are not touched (comments, unknown sections, their
// order) are written back byte for byte; new lines end in CR LF.
class IniFile {
  public:
    // A missing or unreadable file reads as empty.
    explicit IniFile(std::string path);

    const std::string& Path() const { return path_; }
    // False when the file exists but could not be read: Save then refuses to replace it.
    bool Readable() const { return !unreadable_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view default_value) const;
    // A value that is not a decimal integer in the range of int reads as the default.
    int ReadInteger(std::string_view section, std::string_view key, int default_value) const;
    // Stored as an integer: any non-zero integer is true.
    bool ReadBool(std::string_view section, std::string_view key, bool default_value) const;

    // Line breaks in names and values would open new lines in the file: they become blanks.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // Names as spelled in the file, in file order, each once.
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> SectionKeys(std::string_view section) const;
    // The section's entries in file order as "key=value", blanks around both removed.
    std::vector<std::string> SectionLines(std::string_view section) const;
    bool SectionExists(std::string_view section) const;

    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view key);

    // Writes a temporary file beside the target, flushes it to disk and renames it over the
    // target. On failure returns false with the reason in *error; the old file stays whole.
    // A file that exists but could not be read is never replaced: its content would be lost.
    bool Save(std::string* error = nullptr);

  private:
    struct Line {
        std::string text;  // without its line end
        std::string end;   // "\r\n", "\n" or "" for a last line without one
    };
    struct Range {
        std::size_t header;  // index of the "[Section]" line
        std::size_t end;     // one past the section's last line
    };

    bool FindSection(std::string_view section, Range* range) const;
    // Index of the key's line inside the range, or the range's end when missing.
    std::size_t FindKey(const Range& range, std::string_view key) const;
    void Insert(std::size_t at, std::string text);

    std::string path_;
    std::vector<Line> lines_;
    bool unreadable_ = false;
};

}  // namespace platform
