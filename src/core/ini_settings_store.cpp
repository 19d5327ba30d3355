#include "core/ini_settings_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/ini_text.h"
#include "core/settings_folder_lock.h"

namespace fs = std::filesystem;

namespace splat {

namespace {

// Files larger than this are not settings files of ours; they are neither
// read nor rewritten.
constexpr std::uintmax_t kMaxFileSize = 64u * 1024u * 1024u;

enum class FileState { Missing, Read, Unusable };

FileState readWholeFile(const fs::path& path, std::string& text) {
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return FileState::Missing;
    if (ec || status.type() != fs::file_type::regular) return FileState::Unusable;
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size > kMaxFileSize) return FileState::Unusable;

    std::ifstream in(path, std::ios::binary);
    if (!in) return FileState::Unusable;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return FileState::Unusable;
    return FileState::Read;
}

// Writes `text` to `target` through a temporary file in the same folder that
// then replaces the target, keeping the target's permissions.
bool replaceFile(const fs::path& target, const std::string& text, const std::function<void()>& beforeRename) {
    std::string pattern = temporaryPattern(target);
    int fd = ::mkstemps(pattern.data(), temporarySuffixLength());
    if (fd < 0) return false;

    bool ok = true;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ok = ::fchmod(fd, old.st_mode & 07777) == 0;

    size_t done = 0;
    while (ok && done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) ok = false;
        else done += static_cast<size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && beforeRename) beforeRename();
    ok = ok && std::rename(pattern.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(pattern.c_str());
    return ok;
}

// The file that `path` names, following symbolic links (also to a file that
// does not exist yet). False for a loop of links or a path that cannot be
// looked at; `throughLink` tells whether a link was followed.
bool followLinks(fs::path path, fs::path& target, bool& throughLink) {
    throughLink = false;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno != ENOENT) return false;
            target = path;
            return true;
        }
        if (!S_ISLNK(st.st_mode)) {
            target = path;
            return true;
        }
        std::error_code ec;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec) return false;
        path = link.is_absolute() ? link : path.parent_path() / link;
        throughLink = true;
    }
    return false;
}

}  // namespace

std::optional<std::string> IniSettingsStore::read(std::string_view section, std::string_view key) const {
    std::string text;
    if (readWholeFile(path_, text) != FileState::Read) return std::nullopt;
    return ini::findValue(text, section, key);
}

bool IniSettingsStore::write(std::string_view section, std::string_view key, std::string_view value) {
    // A symbolic link stays a link: the file it names is written, also when
    // that file does not exist yet.
    fs::path target;
    bool throughLink = false;
    if (!followLinks(path_, target, throughLink)) return false;

    // The game makes its own settings folder, but not the folder a link
    // points into.
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (throughLink || !target.has_parent_path()) {
        if (!fs::is_directory(folder, ec)) return false;
    } else {
        fs::create_directories(folder, ec);
        if (ec) return false;
    }

    // Another copy writing at the same moment waits for this one, and then
    // reads the file with this change in it. A copy that keeps the lock too
    // long leaves the file as it is.
    const SettingsFolderLock lock(folder, lockWait_);
    if (lock.state() == SettingsFolderLock::State::Busy) return false;
    if (lock.state() == SettingsFolderLock::State::Held) removeStaleTemporaries(target);

    std::string text;
    switch (readWholeFile(target, text)) {
        case FileState::Unusable: return false;
        case FileState::Read:
            // A read-only file stays as it is.
            if (::access(target.c_str(), W_OK) != 0) return false;
            break;
        case FileState::Missing: break;
    }
    return replaceFile(target, ini::withValue(text, section, key, value), beforeRename_);
}

IniSettingsStore::IniSettingsStore(std::string path, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), lockWait_(lockWait) {
    // What a write cut short at an earlier run left behind goes now, unless
    // another copy is writing at this moment.
    fs::path target;
    bool throughLink = false;
    if (!followLinks(path_, target, throughLink)) return;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const SettingsFolderLock lock(folder, std::chrono::milliseconds(0));
    if (lock.state() == SettingsFolderLock::State::Held) removeStaleTemporaries(target);
}

std::string defaultSettingsPath() {
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0') {
            if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr) home = pw->pw_dir;
        }
        base = fs::path(home != nullptr ? home : ".") / ".config";
    }
    return (base / "splat-league" / "vormel.ini").string();
}

}  // namespace splat
