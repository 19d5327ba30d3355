#pragma once
// Joins texts into one string with a single allocation: a chain of `+` makes
// a new buffer at almost every step, and the play-by-play builds several
// such lines on every tick.

#include <string>
#include <string_view>

namespace splat {

template <typename... Parts>
std::string join(const Parts&... parts) {
    const std::string_view views[] = {std::string_view(parts)...};
    size_t size = 0;
    for (const std::string_view v : views) size += v.size();
    std::string out;
    out.reserve(size);
    for (const std::string_view v : views) out += v;
    return out;
}

}  // namespace splat
