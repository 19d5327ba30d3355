#include "audio/background_audio.h"

#include <chrono>
#include <exception>

#include "core/asset_path.h"

namespace splat {

BackgroundAudio::BackgroundAudio(Factory open, ErrorReport lateError)
    : open_(std::move(open)), lateError_(std::move(lateError)) {}

BackgroundAudio::~BackgroundAudio() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    if (helper_.joinable()) helper_.join();
}

void BackgroundAudio::start() {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (started_) return;
    started_ = true;
    helper_ = std::thread([this] { work(); });
}

bool BackgroundAudio::isReady() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return audio_ != nullptr;
}

void BackgroundAudio::rest(bool resting) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        resting_ = resting;
    }
    changed_.notify_all();
}

std::unique_ptr<Audio> BackgroundAudio::openBackend() {
    std::unique_ptr<Audio> audio;
    try {
        audio = open_();
    } catch (const std::exception& e) {
        if (lateError_) lateError_(std::string("The sound could not be started: ") + e.what());
    } catch (...) {
        if (lateError_) lateError_("The sound could not be started.");
    }
    if (!audio) audio = std::make_unique<SilentAudio>();
    return audio;
}

void BackgroundAudio::work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return ending_ || (resting_ == (audio_ != nullptr)); });
        if (ending_) return;
        if (!resting_) {
            lock.unlock();
            std::unique_ptr<Audio> audio = openBackend();
            lock.lock();
            for (Request& r : waiting_) r(*audio);
            waiting_.clear();
            audio_ = std::move(audio);
        } else if (audio_->effectPlaying()) {
            // Turning the sound off lets the effect finish: look again soon.
            changed_.wait_for(lock, std::chrono::milliseconds(50));
        } else {
            std::unique_ptr<Audio> closing = std::move(audio_);
            lock.unlock();
            closing.reset();
            lock.lock();
        }
    }
}

void BackgroundAudio::request(Request r) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (audio_) {
        r(*audio_);
    } else {
        waiting_.push_back(std::move(r));
    }
}

bool BackgroundAudio::musicOpen(std::string_view file, std::string& error) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (audio_) return audio_->musicOpen(file, error);
    }
    // Not ready yet: answer now for what can be known now.
    const bool there = !findAsset(file).empty();
    if (!there) error = assetNotFoundMessage(file);
    request([this, name = std::string(file), there](Audio& a) {
        std::string lateError;
        // A missing file was answered already; the backend still closes the
        // piece that was open, as it does on every opening.
        if (!a.musicOpen(name, lateError) && there && lateError_) lateError_(lateError);
    });
    return there;
}

void BackgroundAudio::musicPlay() {
    request([](Audio& a) { a.musicPlay(); });
}

void BackgroundAudio::musicStop() {
    request([](Audio& a) { a.musicStop(); });
}

void BackgroundAudio::playEffect(std::string_view file) {
    request([name = std::string(file)](Audio& a) { a.playEffect(name); });
}

}  // namespace splat
