#pragma once
// Where the game finds its sound and picture files: beside the program, then
// in the installed data folder, then in the working directory.

#include <string>
#include <string_view>
#include <vector>

namespace splat {

// The places searched, in order: the program's own folder, the installed
// data folder (<prefix>/share/splat-league) and the working directory.
std::vector<std::string> assetDirectories();

// Each of those places followed by its "assets" subfolder, where a build
// tree keeps the files.
std::vector<std::string> assetFolders();

// The path of the first regular file `name` in `directories`; empty when
// there is none. A name with a folder separator is not looked up.
std::string findAsset(std::string_view name, const std::vector<std::string>& directories);

// The same over assetFolders().
std::string findAsset(std::string_view name);

// What the player is told when `name` is in none of the folders.
std::string assetNotFoundMessage(std::string_view name);

}  // namespace splat
