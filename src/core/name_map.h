#pragma once
// A map keyed by control name that is looked up with a string_view, without
// building a string for every lookup (the refresh writes ~190 labels).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace splat {

// FNV-1a, inline: control names are short, and the standard hash is an
// out-of-line call for each of them.
struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const noexcept {
        uint64_t h = 14695981039346656037ULL;
        for (const char ch : s) h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ULL;
        return static_cast<size_t>(h);
    }
};

template <typename Value>
using NameMap = std::unordered_map<std::string, Value, NameHash, std::equal_to<>>;

}  // namespace splat
