// The sound module the game loads at start-up: it can be loaded on its own,
// exports its two entry points and opens a backend that plays the game's
// music (on the silent driver where there is no sound device).

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "audio/audio_module.h"

namespace splat::testing {
namespace {

#ifdef SPLAT_AUDIO_MODULE_PATH
TEST(AudioModule, LoadsAndOpensABackendThatFindsTheMusic) {
    void* module = dlopen(SPLAT_AUDIO_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    auto open = reinterpret_cast<Audio* (*)()>(dlsym(module, "splat_open_audio_module"));
    auto close = reinterpret_cast<void (*)(Audio*)>(dlsym(module, "splat_close_audio_module"));
    ASSERT_NE(open, nullptr);
    ASSERT_NE(close, nullptr);
    Audio* audio = open();
    ASSERT_NE(audio, nullptr);
    std::string error;
    EXPECT_TRUE(audio->musicOpen("Paint.mp3", error)) << error;
    EXPECT_FALSE(audio->musicOpen("no-such-music.mp3", error));
    EXPECT_FALSE(error.empty());
    close(audio);
}
#endif

TEST(AudioModule, WithoutTheModuleTheGamePlaysSilently) {
    // The test program has no module beside it and none is installed here,
    // so the game would start without sound rather than not at all.
    if (std::filesystem::exists(std::string(SPLAT_AUDIO_MODULE_DIR) + "/" + kAudioModuleFile)) {
        GTEST_SKIP() << "a module is installed on this machine";
    }
    std::unique_ptr<Audio> audio = openAudioModule();
    ASSERT_NE(audio, nullptr);
    EXPECT_NE(dynamic_cast<SilentAudio*>(audio.get()), nullptr);
    std::string error;
    EXPECT_TRUE(audio->musicOpen("Paint.mp3", error));
    audio->musicPlay();
    audio->playEffect("smash.wav");
}

}  // namespace
}  // namespace splat::testing
