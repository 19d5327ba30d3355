#pragma once
// Opens the audio backend on a helper thread while the window is being built,
// so that a slow sound device does not hold up the first frame. The first
// request to the audio waits until the backend is ready; from then on every
// call goes straight to it on the caller's thread.

#include <functional>
#include <future>
#include <memory>
#include <string>
#include <string_view>

#include "core/audio.h"

namespace splat::ui {

class BackgroundAudio final : public Audio {
public:
    using Factory = std::function<std::unique_ptr<Audio>()>;

    explicit BackgroundAudio(Factory open);
    ~BackgroundAudio() override;
    BackgroundAudio(const BackgroundAudio&) = delete;
    BackgroundAudio& operator=(const BackgroundAudio&) = delete;

    bool musicOpen(std::string_view file, std::string& error) override;
    void musicPlay() override;
    void musicStop() override;
    void playEffect(std::string_view file) override;

private:
    // The backend, once the helper thread has opened it. An exception thrown
    // while opening it comes out here, on the caller's thread.
    Audio& ready();

    std::future<std::unique_ptr<Audio>> pending_;
    std::unique_ptr<Audio> audio_;
};

}  // namespace splat::ui
