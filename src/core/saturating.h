#pragma once
// Money never overflows: sums and products are taken in 64 bits and clamped
// to the 32-bit range.

#include <cstdint>
#include <limits>

namespace splat {

constexpr int32_t clampToInt32(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

// field += delta, saturating at the 32-bit limits.
constexpr void addSaturating(int32_t& field, int64_t delta) {
    field = clampToInt32(static_cast<int64_t>(field) + delta);
}

}  // namespace splat
