#pragma once
// The game's name: the main window's title, the caption of a message that
// has none of its own and the application name.

namespace splat {

inline constexpr const char* kGameTitle = "Splat League";

}  // namespace splat
