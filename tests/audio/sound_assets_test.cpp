// The shipped sound files: each loads with the game's decoder and has a
// length that suits its use.

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

namespace {

class SoundAssets : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    }
    void TearDown() override {
        Mix_CloseAudio();
        SDL_Quit();
    }
    static std::string path(const char* name) { return std::string(SPLAT_ASSETS_DIR) + "/" + name; }
};

TEST_F(SoundAssets, TheMusicRunsThreeToFourMinutes) {
    Mix_Music* music = Mix_LoadMUS(path("Paint.mp3").c_str());
    ASSERT_NE(music, nullptr) << Mix_GetError();
    EXPECT_EQ(Mix_GetMusicType(music), MUS_MP3);
    const double seconds = Mix_MusicDuration(music);
    EXPECT_GE(seconds, 180.0);
    // It ends before the music timer's next tick (225 s) starts it again.
    EXPECT_LT(seconds, 225.0);
    Mix_FreeMusic(music);
}

TEST_F(SoundAssets, EveryEffectIsShort) {
    for (const char* name : {"success.wav", "nice.wav", "org1.wav", "org2.wav", "smash.wav"}) {
        Mix_Chunk* chunk = Mix_LoadWAV(path(name).c_str());
        ASSERT_NE(chunk, nullptr) << name << ": " << Mix_GetError();
        const double seconds = chunk->alen / (44100.0 * 2 * 2);  // 16-bit stereo after conversion
        EXPECT_GE(seconds, 0.3) << name;
        EXPECT_LE(seconds, 2.0) << name;
        Mix_FreeChunk(chunk);
    }
}

}  // namespace
