#pragma once
// What keeps several copies of the game from writing the settings file at
// the same moment: an advisory lock on the file's folder, held while one copy
// reads the file, changes it and puts the new one in place; and the name of
// the temporary file a write goes through, so that a write cut short by a
// kill or a crash leaves nothing behind for longer than the next write.

#include <chrono>
#include <filesystem>
#include <string>

namespace splat {

class SettingsFolderLock {
public:
    // Takes the lock on `folder`, waiting at most `wait` for another copy to
    // let go of it.
    SettingsFolderLock(const std::filesystem::path& folder, std::chrono::milliseconds wait);
    ~SettingsFolderLock();
    SettingsFolderLock(const SettingsFolderLock&) = delete;
    SettingsFolderLock& operator=(const SettingsFolderLock&) = delete;

    enum class State {
        Held,
        // Another copy holds it for longer than the wait.
        Busy,
        // The folder cannot be opened to be locked (one that may not be
        // listed): the write goes on without the lock, as it always did.
        Unlockable,
    };
    State state() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::Unlockable;
};

// The pattern (for mkstemps) of a temporary file beside `file`, and the
// length of its fixed end: ".vormel.ini.XXXXXX.splat-tmp".
std::string temporaryPattern(const std::filesystem::path& file);
int temporarySuffixLength();

// Removes the temporary files of writes to `file` that never got to their
// end. Call only while holding the folder's lock: no other copy is then
// between making its temporary and putting it in place. Nothing but names of
// the pattern above is touched.
void removeStaleTemporaries(const std::filesystem::path& file);

}  // namespace splat
