#pragma once
// Names of numbered controls ("replace3", "Panel28", "pagrees5").

#include <string>

namespace splat {

inline std::string numbered(const char* stem, int n) {
    return stem + std::to_string(n);
}

}  // namespace splat
