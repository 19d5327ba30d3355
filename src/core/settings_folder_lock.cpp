#include "core/settings_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <thread>

namespace fs = std::filesystem;

namespace splat {

namespace {

constexpr std::string_view kTemporaryEnd = ".splat-tmp";
// mkstemps fills this many characters, letters and digits.
constexpr size_t kRandomLength = 6;

bool isTemporaryOf(std::string_view name, std::string_view stem) {
    if (name.size() != stem.size() + kRandomLength + kTemporaryEnd.size()) return false;
    if (!name.starts_with(stem) || !name.ends_with(kTemporaryEnd)) return false;
    const std::string_view random = name.substr(stem.size(), kRandomLength);
    return std::all_of(random.begin(), random.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

std::string temporaryStem(const fs::path& file) { return "." + file.filename().string() + "."; }

}  // namespace

SettingsFolderLock::SettingsFolderLock(const fs::path& folder, std::chrono::milliseconds wait) {
    fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    // Another copy holds the lock only while it writes a few bytes: try
    // often at first, then less often, until the wait is over.
    const auto end = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            state_ = State::Held;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) break;  // no locks here
        if (std::chrono::steady_clock::now() >= end) {
            state_ = State::Busy;
            return;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
    ::close(fd_);
    fd_ = -1;
}

SettingsFolderLock::~SettingsFolderLock() {
    if (fd_ >= 0) ::close(fd_);  // closing lets go of the lock
}

std::string temporaryPattern(const fs::path& file) {
    return (file.parent_path() /
            (temporaryStem(file) + std::string(kRandomLength, 'X') + std::string(kTemporaryEnd)))
        .string();
}

int temporarySuffixLength() { return static_cast<int>(kTemporaryEnd.size()); }

void removeStaleTemporaries(const fs::path& file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string stem = temporaryStem(file);
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        struct stat st {};
        if (!isTemporaryOf(path.filename().string(), stem) || ::lstat(path.c_str(), &st) != 0) continue;
        if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) ::unlink(path.c_str());
    }
}

}  // namespace splat
