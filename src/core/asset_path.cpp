#include "core/asset_path.h"

#include <filesystem>
#include <system_error>

// The build names the installed data folder; this default fits an
// installation under /usr/local.
#ifndef SPLAT_DATA_DIR
#define SPLAT_DATA_DIR "/usr/local/share/splat-league"
#endif

namespace fs = std::filesystem;

namespace splat {

std::vector<std::string> assetDirectories() {
    std::vector<std::string> dirs;
    std::error_code ec;
    fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && program.has_parent_path()) dirs.push_back(program.parent_path().string());
    dirs.push_back(SPLAT_DATA_DIR);
    fs::path cwd = fs::current_path(ec);
    dirs.push_back(ec ? std::string(".") : cwd.string());
    return dirs;
}

std::vector<std::string> assetFolders() {
    std::vector<std::string> folders;
    for (const std::string& dir : assetDirectories()) {
        folders.push_back(dir);
        folders.push_back((fs::path(dir) / "assets").string());
    }
    return folders;
}

std::string findAsset(std::string_view name, const std::vector<std::string>& directories) {
    if (name.empty() || name.find('/') != std::string_view::npos) return {};
    for (const std::string& dir : directories) {
        fs::path candidate = fs::path(dir) / name;
        std::error_code ec;
        if (fs::is_regular_file(candidate, ec)) return candidate.string();
    }
    return {};
}

std::string findAsset(std::string_view name) { return findAsset(name, assetFolders()); }

std::string assetNotFoundMessage(std::string_view name) {
    return "The file " + std::string(name) + " was not found.";
}

}  // namespace splat
