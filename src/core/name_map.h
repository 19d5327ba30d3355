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
        const char* p = s.data();
        const size_t n = s.size();
        uint64_t h = (0x9e3779b97f4a7c15ULL + n) * kMix;  // spread, so that no byte of a name cancels it
        uint64_t last = 0;                                // the bytes after the whole words
        if (n >= 8) {
            for (size_t i = 0; i + 8 < n; i += 8) {
                h = (h ^ load<uint64_t>(p + i)) * kMix;
                h ^= h >> 32;
            }
            last = load<uint64_t>(p + n - 8);  // may overlap the last whole word
        } else if (n >= 4) {
            last = load<uint32_t>(p) | uint64_t{load<uint32_t>(p + n - 4)} << 32;
        } else if (n > 0) {
            last = uint64_t{static_cast<unsigned char>(p[0])} |
                   uint64_t{static_cast<unsigned char>(p[n / 2])} << 8 |
                   uint64_t{static_cast<unsigned char>(p[n - 1])} << 16;
        }
        h = (h ^ last) * kMix;
        h ^= h >> 33;
        h *= 0xc4ceb9fe1a85ec53ULL;
        h ^= h >> 33;
        return static_cast<size_t>(h);
    }

private:
    template <typename Word>
    static Word load(const char* p) noexcept {
        Word w;
        std::memcpy(&w, p, sizeof w);
        return w;
    }
};

template <typename Value>
using NameMap = std::unordered_map<std::string, Value, NameHash, std::equal_to<>>;

}  // namespace splat
