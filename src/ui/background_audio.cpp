#include "ui/background_audio.h"

namespace splat::ui {

BackgroundAudio::BackgroundAudio(Factory open) : pending_(std::async(std::launch::async, std::move(open))) {}

BackgroundAudio::~BackgroundAudio() {
    // Never leave the helper thread running; a failure nobody asked about
    // stays unreported.
    if (pending_.valid()) {
        try {
            audio_ = pending_.get();
        } catch (...) {
        }
    }
}

Audio& BackgroundAudio::ready() {
    if (!audio_) {
        audio_ = pending_.get();
        if (!audio_) audio_ = std::make_unique<SilentAudio>();
    }
    return *audio_;
}

bool BackgroundAudio::musicOpen(std::string_view file, std::string& error) { return ready().musicOpen(file, error); }
void BackgroundAudio::musicPlay() { ready().musicPlay(); }
void BackgroundAudio::musicStop() { ready().musicStop(); }
void BackgroundAudio::playEffect(std::string_view file) { ready().playEffect(file); }

}  // namespace splat::ui
