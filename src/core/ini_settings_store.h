#pragma once
// The settings file: an INI file read and written one key at a time (see
// core/ini_text.h for how its lines read). Writing a key changes the one line
// of that key, or adds one, and keeps every other byte of the file; the file
// and its folder are created when needed, a symbolic link is written through
// (also when it names a file not yet made), and a file that cannot be written
// is left alone. Copies of the game that write at the same moment take turns
// (see core/settings_folder_lock.h), so neither loses the other's change.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings_store.h"

namespace splat {

class IniSettingsStore final : public SettingsStore {
public:
    // Removes what writes cut short by a kill left beside the file. A write
    // waits at most `lockWait` for another copy to finish its own.
    explicit IniSettingsStore(std::string path,
                              std::chrono::milliseconds lockWait = std::chrono::milliseconds(1000));

    const std::string& path() const { return path_; }

    // The value of `key` in `section` (both compared without regard to case),
    // nothing when the file, the section or the key is missing or the file
    // cannot be read.
    std::optional<std::string> read(std::string_view section, std::string_view key) const override;
    // Sets `key` in `section` to `value`. The new file replaces the old one in
    // one step, so a failure midway never leaves half a file, and keeps its
    // permissions. Returns false when the file or its folder cannot be
    // written, a link names a file in a folder that does not exist, or
    // another copy kept writing for longer than the wait; the file is then as
    // it was.
    bool write(std::string_view section, std::string_view key, std::string_view value) override;

    // For tests: runs between the new file's last byte and its taking the
    // old one's place.
    void setBeforeRename(std::function<void()> hook) { beforeRename_ = std::move(hook); }

private:
    std::string path_;
    std::chrono::milliseconds lockWait_;
    std::function<void()> beforeRename_;
};

// Where the game keeps its settings: $XDG_CONFIG_HOME/splat-league/vormel.ini,
// or ~/.config/splat-league/vormel.ini when XDG_CONFIG_HOME is unset, empty
// or not an absolute path.
std::string defaultSettingsPath();

}  // namespace splat
