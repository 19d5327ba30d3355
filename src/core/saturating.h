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

// a * b, held at the 64-bit limits instead of overflowing.
inline int64_t multiplySaturating(int64_t a, int64_t b) {
    int64_t product = 0;
    if (!__builtin_mul_overflow(a, b, &product)) return product;
    const bool negative = (a < 0) != (b < 0);
    return negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
}

}  // namespace splat
