#pragma once
// Where the game finds its sound and picture files and its sound module.
//
// An installed game (the executable in <prefix>/bin beside
// <prefix>/share/splat-league) reads them only from its prefix, whatever the
// working directory is. A run from the build tree looks beside the program,
// then in the working directory, each with its "assets" subfolder.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace splat {

// The folders of a program started from `programDir`.
struct FileLayout {
    bool installed = false;
    // Where the pictures and sounds are looked for, in order.
    std::vector<std::string> assetFolders;
    // Where the sound module is looked for.
    std::string moduleFolder;
};

// The layout for a program in `programDir` run from `workingDir`.
FileLayout fileLayoutFor(const std::filesystem::path& programDir, const std::filesystem::path& workingDir);

// The layout of this program (decided from /proc/self/exe and the current
// working directory).
FileLayout fileLayout();

// The places searched for the game's files, as fileLayout().assetFolders.
std::vector<std::string> assetFolders();

// The path of the first regular file `name` in `directories`; empty when
// there is none. A name with a folder separator is not looked up.
std::string findAsset(std::string_view name, const std::vector<std::string>& directories);

// The same over assetFolders().
std::string findAsset(std::string_view name);

// What the player is told when `name` is in none of the folders.
std::string assetNotFoundMessage(std::string_view name);

}  // namespace splat
