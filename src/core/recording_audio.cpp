#include "core/recording_audio.h"

namespace splat {

bool RecordingAudio::musicOpen(std::string_view file, std::string& error) {
    open_ = false;
    if (findAsset(file, directories_).empty()) {
        error = assetNotFoundMessage(file);
        return false;
    }
    open_ = true;
    report("music open " + std::string(file));
    return true;
}

// Like the real player, playing and stopping need an open piece.
void RecordingAudio::musicPlay() {
    if (open_) report("music play");
}

void RecordingAudio::musicStop() {
    if (open_) report("music stop");
}

void RecordingAudio::playEffect(std::string_view file) {
    if (!findAsset(file, directories_).empty()) report("effect " + std::string(file));
}

}  // namespace splat
