#pragma once
// The game's texts (UTF-8 in std::string) as Qt strings.

#include <QString>
#include <string_view>

namespace splat::ui {

inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace splat::ui
