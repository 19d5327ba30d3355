#pragma once
// Names of the numbered controls of the management pages ("replace3", "Panel28").

#include <string>

namespace splat::management {

inline std::string numbered(const char* stem, int n) {
    return stem + std::to_string(n);
}

}  // namespace splat::management
