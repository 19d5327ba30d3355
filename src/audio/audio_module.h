#pragma once
// Loads the sound backend module (SDL) and opens it. Meant to run on the
// helper thread of BackgroundAudio. Without the module, or when it cannot be
// loaded, the game plays silently.

#include <memory>

#include "core/audio.h"

namespace splat {

// The file name of the module, looked up in the installed game's library
// folder, or beside the program when it runs from the build tree.
inline constexpr const char* kAudioModuleFile = "libsplat-sdl-audio.so";

std::unique_ptr<Audio> openAudioModule();

}  // namespace splat

extern "C" {
splat::Audio* splat_open_audio_module();
void splat_close_audio_module(splat::Audio* audio);
}
