#pragma once
// Music and effects through SDL2_mixer. SDL serves audio only. When no sound
// device can be opened the backend falls back to SDL's silent "dummy" driver,
// so the game runs on without sound and without a word about it.
//
// The music player follows the game's needs exactly:
// - open: closes the piece that is open, loads the new one, positioned at its
//   beginning; a missing or unreadable file fails with a text for the player;
// - play: a piece that is playing goes on; a stopped piece goes on from where
//   it was stopped; a piece that has not started yet or has played to its end
//   starts from the beginning;
// - stop: playback halts where it is; the piece stays open.
// Effects play on one fixed channel, so a new effect cuts off the one before;
// an effect file that cannot be found or read plays nothing.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/asset_path.h"
#include "core/audio.h"

struct _Mix_Music;
struct Mix_Chunk;

namespace splat {

class SdlAudio final : public Audio {
public:
    // Files are looked up in `directories`, in order.
    explicit SdlAudio(std::vector<std::string> directories = assetFolders());
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    bool musicOpen(std::string_view file, std::string& error) override;
    void musicPlay() override;
    void musicStop() override;
    void playEffect(std::string_view file) override;

    // For checks: whether a sound device (real or dummy) is open, the SDL
    // driver in use, whether the music is audibly playing (not stopped, not
    // finished), its position in seconds, and whether an effect is playing.
    bool ready() const { return ready_; }
    std::string driverName() const;
    bool musicPlaying() const;
    double musicPosition() const;
    bool effectPlaying() const override;

private:
    bool openDevice();
    void closeMusic();

    std::vector<std::string> directories_;
    bool ready_ = false;
    _Mix_Music* music_ = nullptr;
    bool paused_ = false;
    std::map<std::string, Mix_Chunk*, std::less<>> effects_;
};

}  // namespace splat
