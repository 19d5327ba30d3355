#include "audio/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

namespace splat {

namespace {

// Effects all play on this channel, so a new one cuts off the one before.
constexpr int kEffectChannel = 0;

bool openMixer() { return Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) == 0; }

// ALSA's own error handler: says nothing.
void silentAlsaError(const char*, int, const char*, int, const char*, ...) {}

// On a machine without a sound card ALSA prints its failures to stderr while
// SDL looks for a device. The game falls back to silence without a word, so
// ALSA's messages go to a handler that drops them. SDL loads the same ALSA
// library later and so shares the handler; the library stays loaded.
void quietAlsa() {
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (alsa == nullptr) return;
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetErrorHandler = int (*)(ErrorHandler);
    auto setHandler = reinterpret_cast<SetErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (setHandler != nullptr) setHandler(&silentAlsaError);
}

// Starts SDL's audio with the driver SDL chooses and opens the mixer on it.
bool startAudio() {
    if (SDL_Init(SDL_INIT_AUDIO) != 0) return false;
    if (openMixer()) return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

}  // namespace

SdlAudio::SdlAudio(std::vector<std::string> directories) : directories_(std::move(directories)) {
    ready_ = openDevice();
}

bool SdlAudio::openDevice() {
    // SDL must leave SIGINT and SIGTERM alone so that they still end the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    quietAlsa();
    if (startAudio()) return true;

    // No sound device here: play into SDL's silent driver instead. The hint
    // overrides SDL_AUDIODRIVER from the environment, which may name the
    // driver that just failed.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    bool ok = startAudio();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!ok) SDL_Quit();
    return ok;
}

SdlAudio::~SdlAudio() {
    if (!ready_) return;
    Mix_HaltChannel(-1);
    for (auto& [name, chunk] : effects_) Mix_FreeChunk(chunk);
    closeMusic();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_Quit();
}

void SdlAudio::closeMusic() {
    if (music_ != nullptr) {
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    // A piece stopped by musicStop() leaves the mixer's music paused; the
    // next piece must not start out paused.
    if (paused_) Mix_ResumeMusic();
    paused_ = false;
}

bool SdlAudio::musicOpen(std::string_view file, std::string& error) {
    if (ready_) closeMusic();
    std::string path = findAsset(file, directories_);
    if (path.empty()) {
        error = assetNotFoundMessage(file);
        return false;
    }
    if (!ready_) return true;  // no sound at all: play nothing, quietly

    music_ = Mix_LoadMUS(path.c_str());
    if (music_ == nullptr) {
        error = "The file " + std::string(file) + " cannot be played: " + Mix_GetError();
        return false;
    }
    return true;
}

void SdlAudio::musicPlay() {
    if (!ready_ || music_ == nullptr) return;
    if (paused_) {
        Mix_ResumeMusic();
        paused_ = false;
        return;
    }
    if (Mix_PlayingMusic()) return;
    // Not started yet, or played to its end: from the beginning.
    Mix_PlayMusic(music_, 0);
}

void SdlAudio::musicStop() {
    if (!ready_ || music_ == nullptr || paused_) return;
    if (Mix_PlayingMusic()) {
        Mix_PauseMusic();
        paused_ = true;
    }
}

void SdlAudio::playEffect(std::string_view file) {
    if (!ready_) return;
    auto it = effects_.find(file);
    if (it == effects_.end()) {
        std::string path = findAsset(file, directories_);
        if (path.empty()) return;
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        if (chunk == nullptr) return;
        it = effects_.emplace(std::string(file), chunk).first;
    }
    Mix_PlayChannel(kEffectChannel, it->second, 0);
}

std::string SdlAudio::driverName() const {
    const char* name = ready_ ? SDL_GetCurrentAudioDriver() : nullptr;
    return name != nullptr ? name : "";
}

bool SdlAudio::musicPlaying() const {
    return ready_ && music_ != nullptr && !paused_ && Mix_PlayingMusic() != 0;
}

double SdlAudio::musicPosition() const {
    if (!ready_ || music_ == nullptr) return 0.0;
    return Mix_GetMusicPosition(music_);
}

bool SdlAudio::effectPlaying() const { return ready_ && Mix_Playing(kEffectChannel) != 0; }

}  // namespace splat
