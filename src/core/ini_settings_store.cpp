#include "core/ini_settings_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

// SimpleIni is used as a header-only library on plain bytes: no character
// conversion, so any bytes in the file pass through unchanged.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace fs = std::filesystem;

namespace splat {

namespace {

// Files larger than this are not settings files of ours; they are neither
// read nor rewritten.
constexpr std::uintmax_t kMaxFileSize = 64u * 1024u * 1024u;

// A section that cannot occur in a real file. It is appended before parsing
// so that comments at the end of the file are attached to it and survive a
// rewrite; its line is taken out again before the file is written.
constexpr std::string_view kEndMarker = "\x7f" "splat-league end of file" "\x7f";

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

void configure(CSimpleIniA& ini) {
    ini.SetSpaces(false);  // key=value, as the game has always written it
}

// Removes the line of the end marker and the blank lines that its section
// brought to the start and the end of the text.
void removeEndMarker(std::string& text) {
    std::string line = "[" + std::string(kEndMarker) + "]\n";
    if (size_t at = text.find(line); at != std::string::npos) text.erase(at, line.size());
    size_t first = text.find_first_not_of('\n');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(0, first);
    text.erase(text.find_last_not_of('\n') + 1);
    text += '\n';
}

// Writes `text` to `target` through a temporary file in the same folder that
// then replaces the target, keeping the target's permissions.
bool replaceFile(const fs::path& target, const std::string& text) {
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);

    bool ok = true;
    size_t done = 0;
    while (ok && done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) ok = false;
        else done += static_cast<size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(pattern.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(pattern.c_str());
    return ok;
}

}  // namespace

std::optional<std::string> IniSettingsStore::read(std::string_view section, std::string_view key) const {
    std::string text;
    if (readWholeFile(path_, text) != FileState::Read) return std::nullopt;

    CSimpleIniA ini;
    configure(ini);
    if (ini.LoadData(text) < 0) return std::nullopt;
    const char* value = ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

bool IniSettingsStore::write(std::string_view section, std::string_view key, std::string_view value) {
    // Write through a symbolic link to the file it names.
    std::error_code ec;
    fs::path target = path_;
    if (fs::is_symlink(target, ec)) {
        target = fs::weakly_canonical(target, ec);
        if (ec) return false;
    }

    std::string text;
    switch (readWholeFile(target, text)) {
        case FileState::Unusable:
            return false;
        case FileState::Read:
            // A read-only file stays as it is.
            if (::access(target.c_str(), W_OK) != 0) return false;
            break;
        case FileState::Missing:
            if (target.has_parent_path()) {
                fs::create_directories(target.parent_path(), ec);
                if (ec) return false;
            }
            break;
    }

    if (!text.empty() && text.back() != '\n') text += '\n';
    text += "[" + std::string(kEndMarker) + "]\n";

    CSimpleIniA ini;
    configure(ini);
    if (ini.LoadData(text) < 0) return false;
    if (ini.SetValue(std::string(section).c_str(), std::string(key).c_str(), std::string(value).c_str()) < 0) {
        return false;
    }
    std::string out;
    if (ini.Save(out) < 0) return false;
    removeEndMarker(out);
    return replaceFile(target, out);
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
