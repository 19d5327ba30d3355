#pragma once
// The clock seam: calendar time in whole seconds.

#include <cstdint>
#include <ctime>

namespace splat {

class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t nowSeconds() const = 0;
};

class SystemClock final : public Clock {
public:
    int64_t nowSeconds() const override { return static_cast<int64_t>(std::time(nullptr)); }
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(int64_t seconds = 1000000000) : seconds_(seconds) {}
    int64_t nowSeconds() const override { return seconds_; }
    void set(int64_t seconds) { seconds_ = seconds; }

private:
    int64_t seconds_;
};

}  // namespace splat
