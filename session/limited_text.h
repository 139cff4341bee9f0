#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A text field with a fixed maximum length in bytes: assigning a longer text keeps its
// first bytes, as the session's and the records' fixed-length fields do.
template <std::size_t N>
class LimitedText {
public:
    LimitedText() = default;
    LimitedText(std::string_view text) { assign(text); }  // NOLINT: converts like a string
    LimitedText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    const std::string& str() const { return text_; }
    operator const std::string&() const { return text_; }  // NOLINT
    bool empty() const { return text_.empty(); }
    std::size_t size() const { return text_.size(); }
    static constexpr std::size_t capacity = N;
    friend bool operator==(const LimitedText& a, std::string_view b) { return a.text_ == b; }

private:
    void assign(std::string_view text) { text_.assign(text.substr(0, N)); }
    std::string text_;
};
