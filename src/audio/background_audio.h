#pragma once
// The sound backend, opened on a helper thread once the window is on the
// screen, so that loading the sound libraries and opening the device never
// hold up the first frame. Requests made before the backend is ready wait in
// order and are carried out as soon as it is; from then on every request goes
// straight to it.
//
// Opening music answers at once: a file that is not there fails right away
// with the backend's own message; a file that is there counts as opened, and
// should the backend fail to play it after all, the failure is reported
// through the error callback.

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/audio.h"

namespace splat {

class BackgroundAudio final : public Audio {
public:
    using Factory = std::function<std::unique_ptr<Audio>()>;
    // Called on the helper thread.
    using ErrorReport = std::function<void(const std::string& error)>;

    BackgroundAudio(Factory open, ErrorReport lateError);
    ~BackgroundAudio() override;
    BackgroundAudio(const BackgroundAudio&) = delete;
    BackgroundAudio& operator=(const BackgroundAudio&) = delete;

    // Starts opening the backend on the helper thread (once; later calls do
    // nothing).
    void start();
    bool isReady() const;

    bool musicOpen(std::string_view file, std::string& error) override;
    void musicPlay() override;
    void musicStop() override;
    void playEffect(std::string_view file) override;

private:
    using Request = std::function<void(Audio&)>;
    void request(Request r);
    void openOnHelper();

    Factory open_;
    ErrorReport lateError_;
    mutable std::mutex mutex_;
    std::unique_ptr<Audio> audio_;  // set once the backend is ready
    std::vector<Request> waiting_;  // requests made before that
    std::thread helper_;
};

}  // namespace splat
