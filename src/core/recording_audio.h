#pragma once
// An audio backend that plays nothing and reports each request as one line:
// "music open FILE", "music play", "music stop", "effect FILE". Files are
// looked up like the real backend does, with the same outcome: music that
// cannot be found fails to open (and reports nothing), an effect that cannot
// be found plays nothing (and reports nothing).

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/asset_path.h"
#include "core/audio.h"

namespace splat {

class RecordingAudio final : public Audio {
public:
    using Listener = std::function<void(std::string_view line)>;

    explicit RecordingAudio(Listener listener, std::vector<std::string> directories = assetFolders())
        : listener_(std::move(listener)), directories_(std::move(directories)) {}

    bool musicOpen(std::string_view file, std::string& error) override;
    void musicPlay() override;
    void musicStop() override;
    void playEffect(std::string_view file) override;
    // A rest is kept, not reported.
    void rest(bool resting) override { resting_ = resting; }
    bool resting() const { return resting_; }

private:
    void report(std::string_view line) {
        if (listener_) listener_(line);
    }

    Listener listener_;
    std::vector<std::string> directories_;
    bool open_ = false;
    bool resting_ = false;
};

}  // namespace splat
