#pragma once
// A map keyed by control name that is looked up with a string_view, without
// building a string for every lookup (the refresh writes ~190 labels).

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace splat {

// Inline and eight bytes at a time: control names are short, and both the
// standard hash (an out-of-line call) and a byte-wise one (a multiply for
// every character, one after the other) cost a refresh of ~200 lookups more
// than the rest of the lookup.
struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const noexcept {
        constexpr uint64_t kMix = 0xff51afd7ed558ccdULL;
        uint64_t h = 0x9e3779b97f4a7c15ULL ^ s.size();
        size_t i = 0;
        for (; i + 8 <= s.size(); i += 8) {
            uint64_t word;
            std::memcpy(&word, s.data() + i, 8);
            h = (h ^ word) * kMix;
            h ^= h >> 32;
        }
        uint64_t rest = 0;  // the last few bytes, without a call to memcpy
        for (size_t k = i; k < s.size(); ++k)
            rest |= uint64_t{static_cast<unsigned char>(s[k])} << (8 * (k - i));
        h = (h ^ rest) * kMix;
        h ^= h >> 33;
        h *= 0xc4ceb9fe1a85ec53ULL;
        h ^= h >> 33;
        return static_cast<size_t>(h);
    }
};

template <typename Value>
using NameMap = std::unordered_map<std::string, Value, NameHash, std::equal_to<>>;

}  // namespace splat
