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
//
// At rest (the sound and the music both off) the backend is closed, once an
// effect still playing has finished, so that no thread of the sound wakes;
// it is opened again on the helper thread when the rest ends, and requests
// made meanwhile wait for it as at the start. The helper thread sleeps while
// there is nothing to open or close.

#include <condition_variable>
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
    // nothing), unless the audio rests.
    void start();
    // Whether the backend is open.
    bool isReady() const;

    bool musicOpen(std::string_view file, std::string& error) override;
    void musicPlay() override;
    void musicStop() override;
    void playEffect(std::string_view file) override;
    void rest(bool resting) override;

private:
    using Request = std::function<void(Audio&)>;
    void request(Request r);
    // The helper thread: opens and closes the backend as needed.
    void work();
    std::unique_ptr<Audio> openBackend();

    Factory open_;
    ErrorReport lateError_;
    mutable std::mutex mutex_;
    std::unique_ptr<Audio> audio_;  // set once the backend is ready
    std::vector<Request> waiting_;  // requests made before that
    bool started_ = false;
    bool resting_ = false;
    bool ending_ = false;
    std::condition_variable changed_;
    std::thread helper_;
};

}  // namespace splat
