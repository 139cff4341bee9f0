#include "directory/wildcard.h"

#include <vector>

bool MatchWildcard(std::string_view text, std::string_view pattern) {
    const std::size_t n = text.size();
    const std::size_t m = pattern.size();
    // next[j]: whether text from i + 1 matches pattern from j; row[j] the same from i.
    std::vector<char> next(m + 1), row(m + 1);
    for (std::size_t i = n + 1; i-- > 0;) {
        for (std::size_t j = m + 1; j-- > 0;) {
            const std::string_view p = pattern.substr(j);
            bool match;
            if (p == "*") {
                match = true;
            } else if (i == n) {
                match = p.empty();
            } else if (p.empty()) {
                match = false;
            } else if (p.front() == '*') {
                match = row[j + 1] || next[j];
            } else {
                match = (p.front() == '?' || p.front() == text[i]) && next[j + 1];
            }
            row[j] = match;
        }
        next.swap(row);
    }
    return next[0];
}
