// The SDL sound backend as a module the game loads on a helper thread at
// start-up, so that SDL and its many codec libraries are loaded and linked
// while the window is being built instead of before the program starts.

#include "audio/audio_module.h"
#include "audio/sdl_audio.h"

extern "C" __attribute__((visibility("default"))) splat::Audio* splat_open_audio_module() {
    return new splat::SdlAudio();
}

extern "C" __attribute__((visibility("default"))) void splat_close_audio_module(splat::Audio* audio) {
    delete audio;
}
