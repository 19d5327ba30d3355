#pragma once
// A map keyed by control name that is looked up with a string_view, without
// building a string for every lookup (the refresh writes ~190 labels).

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace splat {

struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
};

template <typename Value>
using NameMap = std::unordered_map<std::string, Value, NameHash, std::equal_to<>>;

}  // namespace splat
