#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace babillon {

// Header and body together may not exceed this; a larger request is refused with 400.
constexpr size_t kMaxRequestBytes = 64 * 1024;

struct HttpRequest {
    std::string method;
    std::string path;                                          // before '?'
    std::string query;                                         // after '?', still encoded
    std::vector<std::pair<std::string, std::string>> headers;  // names lower-cased
    std::string body;

    std::string Header(std::string_view lower_name) const;
    // Value of the IDENTIFIANT cookie, empty when there is none.
    std::string SessionCookie() const;
};

// Collects the bytes of one request as they arrive. Bytes after the body (the client ends
// some requests with one more CR LF) are ignored.
class HttpRequestReader {
  public:
    enum class Status { incomplete, complete, malformed };

    Status Feed(std::string_view bytes);
    const HttpRequest& request() const { return request_; }

  private:
    Status ParseHead(std::string_view head);

    std::string buffer_;
    Status status_ = Status::incomplete;
    size_t body_start_ = 0;
    size_t body_length_ = 0;
    bool head_parsed_ = false;
    HttpRequest request_;
};

}  // namespace babillon
