#include "core/asset_path.h"

#include <system_error>

#include "splat_install_dirs.h"

namespace fs = std::filesystem;

namespace splat {
namespace {

fs::path programDirectory() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : program.parent_path();
}

void addWithAssets(std::vector<std::string>& folders, const fs::path& dir) {
    folders.push_back(dir.string());
    folders.push_back((dir / "assets").string());
}

}  // namespace

FileLayout fileLayoutFor(const fs::path& programDir, const fs::path& workingDir) {
    FileLayout layout;
    if (!programDir.empty()) {
        const fs::path data = (programDir / SPLAT_DATA_DIR_FROM_PROGRAM).lexically_normal();
        std::error_code ec;
        if (fs::is_directory(data, ec)) {
            // Installed: the prefix holds everything, the working directory
            // is never searched.
            layout.installed = true;
            layout.assetFolders.push_back(data.string());
            layout.moduleFolder = (programDir / SPLAT_MODULE_DIR_FROM_PROGRAM).lexically_normal().string();
            return layout;
        }
        addWithAssets(layout.assetFolders, programDir);
        layout.moduleFolder = programDir.string();
    }
    addWithAssets(layout.assetFolders, workingDir.empty() ? fs::path(".") : workingDir);
    return layout;
}

FileLayout fileLayout() {
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    return fileLayoutFor(programDirectory(), ec ? fs::path(".") : cwd);
}

std::vector<std::string> assetFolders() { return fileLayout().assetFolders; }

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
