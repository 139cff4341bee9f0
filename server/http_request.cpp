#include "server/http_request.h"

#include <charconv>

#include "server/text.h"

namespace babillon {
namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsToken(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (c <= ' ' || c >= 127 || c == ':') return false;
    }
    return true;
}

}  // namespace

std::string HttpRequest::Header(std::string_view lower_name) const {
    for (const auto& [name, value] : headers) {
        if (name == lower_name) return value;
    }
    return {};
}

std::string HttpRequest::SessionCookie() const {
    for (const auto& [name, value] : headers) {
        if (name != "cookie") continue;
        for (const std::string& part : Split(value, ';')) {
            const std::string_view pair = Trim(part);
            if (pair.starts_with("IDENTIFIANT=")) {
                return std::string(pair.substr(std::string_view("IDENTIFIANT=").size()));
            }
        }
    }
    return {};
}

HttpRequestReader::Status HttpRequestReader::Feed(std::string_view bytes) {
    if (status_ != Status::incomplete) return status_;
    buffer_.append(bytes);
    if (!head_parsed_) {
        size_t end = buffer_.find("\r\n\r\n");
        size_t separator = 4;
        const size_t bare = buffer_.find("\n\n");
        if (bare != std::string::npos && (end == std::string::npos || bare < end)) {
            end = bare;
            separator = 2;
        }
        if (end == std::string::npos) {
            if (buffer_.size() > kMaxRequestBytes) status_ = Status::malformed;
            return status_;
        }
        head_parsed_ = true;
        body_start_ = end + separator;
        status_ = ParseHead(std::string_view(buffer_).substr(0, end));
        if (status_ == Status::malformed) return status_;
        if (body_start_ + body_length_ > kMaxRequestBytes) return status_ = Status::malformed;
    }
    if (buffer_.size() - body_start_ < body_length_) return status_;
    request_.body = buffer_.substr(body_start_, body_length_);
    buffer_.clear();
    return status_ = Status::complete;
}

HttpRequestReader::Status HttpRequestReader::ParseHead(std::string_view head) {
    std::vector<std::string> lines = Split(head, '\n');
    for (std::string& line : lines) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    const std::vector<std::string> words = Split(lines[0], ' ');
    if (words.size() != 3 || !IsToken(words[0]) || !words[1].starts_with('/') ||
        !words[2].starts_with("HTTP/")) {
        return Status::malformed;
    }
    request_.method = words[0];
    const size_t question = words[1].find('?');
    request_.path = words[1].substr(0, question);
    if (question != std::string::npos) request_.query = words[1].substr(question + 1);

    bool has_length = false;
    for (size_t i = 1; i < lines.size(); ++i) {
        const size_t colon = lines[i].find(':');
        if (colon == std::string::npos || !IsToken(std::string_view(lines[i]).substr(0, colon))) {
            return Status::malformed;
        }
        std::string name = AsciiLower(std::string_view(lines[i]).substr(0, colon));
        const std::string_view value = Trim(std::string_view(lines[i]).substr(colon + 1));
        if (name == "content-length") {
            size_t length = 0;
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), length);
            if (error != std::errc() || end != value.data() + value.size() ||
                (has_length && length != body_length_) || length > kMaxRequestBytes) {
                return Status::malformed;
            }
            has_length = true;
            body_length_ = length;
        }
        request_.headers.emplace_back(std::move(name), std::string(value));
    }
    return Status::incomplete;
}

}  // namespace babillon
