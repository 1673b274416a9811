#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <set>
#include <thread>

#include "sound/velmora_sound.h"
#include "wave_files.h"

namespace velmora::sound_test {
namespace {

constexpr int MUSIC_CHANNEL = 0;
constexpr int EFFECT_CHANNELS = 15;

// Effects that are sounding, counted on SDL_mixer's effect channels.
int effects_sounding() {
  int count = 0;
  for (int channel = MUSIC_CHANNEL + 1; channel <= EFFECT_CHANNELS; ++channel) count += Mix_Playing(channel);
  return count;
}

bool music_sounding() { return Mix_Playing(MUSIC_CHANNEL) != 0; }

// The chunk of the one effect that is sounding.
Mix_Chunk* sounding_effect() {
  for (int channel = MUSIC_CHANNEL + 1; channel <= EFFECT_CHANNELS; ++channel)
    if (Mix_Playing(channel)) return Mix_GetChunk(channel);
  return nullptr;
}

bool output_open() {
  int rate = 0, channels = 0;
  Uint16 format = 0;
  return Mix_QuerySpec(&rate, &format, &channels) != 0;
}

// Waits up to `seconds` for nothing to sound.
bool falls_silent_within(double seconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (Mix_Playing(-1) > 0) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

class SoundLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    output = dsInitialize(0);
    ASSERT_NE(output, 0) << "the dummy audio driver did not open";
  }
  void TearDown() override { dsTerminate(output); }

  int effect(const char* name) { return dsCreateDSB(output, asset(name).data(), VELMORA_FLAGS_EFFECT); }
  int music(const char* name) { return dsCreateDSB(output, asset(name).data(), VELMORA_FLAGS_MUSIC); }
  int made(const Bytes& image) { return dsCreateDSB(output, image.data(), VELMORA_FLAGS_EFFECT); }

  int output = 0;
};

TEST_F(SoundLibraryTest, TheOutputOpensOnceAndClosesOnTerminate) {
  EXPECT_TRUE(output_open());
  EXPECT_EQ(dsInitialize(0), output);  // already open: the same output
  dsTerminate(output + 1);             // not ours: stays open
  EXPECT_TRUE(output_open());
  dsTerminate(output);
  EXPECT_FALSE(output_open());
  const int old_output = output;
  output = dsInitialize(0);
  EXPECT_NE(output, 0);
  EXPECT_NE(output, old_output);
  EXPECT_EQ(dsCreateDSB(old_output, asset("禁止.wav").data(), VELMORA_FLAGS_EFFECT), 0);
}

TEST_F(SoundLibraryTest, TheOutputLeavesTheProcessSignalsAlone) {
  // An open output must not swallow SIGTERM or SIGINT: the game has to stay killable.
  for (int signal_number : {SIGTERM, SIGINT}) {
    struct sigaction action {};
    ASSERT_EQ(sigaction(signal_number, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_DFL) << signal_number;
  }
}

TEST_F(SoundLibraryTest, TerminateFreesEveryBuffer) {
  const int buffer = effect("禁止.wav");
  ASSERT_NE(buffer, 0);
  dsPlayLooping(buffer);
  dsTerminate(output);
  output = dsInitialize(0);
  dsPlay(buffer);
  EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST(SoundLibraryWithoutDevice, NoAudioDeviceAnswersZero) {
  const char* const driver = getenv("SDL_AUDIODRIVER");
  const std::string kept = driver ? driver : "";
  setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
  const int output = dsInitialize(0);
  setenv("SDL_AUDIODRIVER", kept.c_str(), 1);
  EXPECT_EQ(output, 0);
  EXPECT_EQ(dsCreateDSB(output, asset("禁止.wav").data(), VELMORA_FLAGS_EFFECT), 0);
  dsTerminate(output);
  // The driver that exists still opens afterwards.
  const int working = dsInitialize(0);
  EXPECT_NE(working, 0);
  dsTerminate(working);
}

TEST_F(SoundLibraryTest, EveryGameSoundMakesItsOwnBuffer) {
  std::set<int> handles;
  for (const char* name : GAME_SOUNDS) {
    const int buffer = effect(name);
    EXPECT_NE(buffer, 0) << name;
    handles.insert(buffer);
  }
  EXPECT_EQ(handles.size(), std::size(GAME_SOUNDS));
}

TEST_F(SoundLibraryTest, AnEffectPlaysOnceAndEnds) {
  const int tap = effect("チェス打音.wav");  // 0.12 seconds
  dsPlay(tap);
  EXPECT_EQ(effects_sounding(), 1);
  EXPECT_FALSE(music_sounding());
  EXPECT_TRUE(falls_silent_within(3.0));
}

TEST_F(SoundLibraryTest, StartingASoundingEffectAgainRestartsItInsteadOfDoublingIt) {
  const int click = effect("駒打音.wav");
  const int buzz = effect("禁止.wav");
  dsPlay(click);
  dsPlay(click);
  EXPECT_EQ(effects_sounding(), 1);
  dsPlay(buzz);
  EXPECT_EQ(effects_sounding(), 2);
}

TEST_F(SoundLibraryTest, ALoopingBufferRepeatsUntilItIsStopped) {
  const int click = effect("駒打音.wav");  // 0.2 seconds
  dsPlayLooping(click);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_EQ(effects_sounding(), 1);
  dsStop(click);
  EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundLibraryTest, MusicHasItsOwnChannelAndOneMusicAtATime) {
  const int bgm = music("BGM.wav");
  const int chime_as_music = music("その他.wav");
  const int buzz = effect("禁止.wav");
  dsPlayLooping(bgm);
  dsPlay(buzz);
  EXPECT_TRUE(music_sounding());
  EXPECT_EQ(effects_sounding(), 1);

  dsPlayLooping(chime_as_music);  // takes over from the tune
  EXPECT_EQ(Mix_Playing(-1), 2);
  dsStop(bgm);  // no longer sounding: nothing to stop
  EXPECT_TRUE(music_sounding());
  dsStop(chime_as_music);
  EXPECT_FALSE(music_sounding());
  EXPECT_EQ(effects_sounding(), 1);
}

TEST_F(SoundLibraryTest, StopStopsOnlyItsOwnBuffer) {
  const int click = effect("駒打音.wav");
  const int buzz = effect("禁止.wav");
  dsPlayLooping(click);
  dsPlayLooping(buzz);
  dsStop(click);
  EXPECT_EQ(effects_sounding(), 1);
  dsStop(click);
  EXPECT_EQ(effects_sounding(), 1);
}

TEST_F(SoundLibraryTest, MoreEffectsThanChannelsStillPlayTheNewest) {
  std::vector<int> buffers;
  for (int i = 0; i < EFFECT_CHANNELS + 5; ++i) buffers.push_back(effect("駒打音.wav"));
  for (int buffer : buffers) dsPlayLooping(buffer);
  EXPECT_EQ(effects_sounding(), EFFECT_CHANNELS);
  EXPECT_FALSE(music_sounding());
  dsStop(buffers.back());  // the newest one got a channel
  EXPECT_EQ(effects_sounding(), EFFECT_CHANNELS - 1);
}

TEST_F(SoundLibraryTest, FreeStopsTheBufferAndForgetsItsHandle) {
  const int buzz = effect("禁止.wav");
  dsPlayLooping(buzz);
  dsFree(buzz);
  EXPECT_EQ(Mix_Playing(-1), 0);
  dsPlay(buzz);
  dsPlayLooping(buzz);
  dsSetVolume(buzz, 50);
  dsSetFrequency(buzz, 44100);
  dsFree(buzz);
  EXPECT_EQ(Mix_Playing(-1), 0);
  EXPECT_NE(effect("禁止.wav"), buzz);  // handles are not reused
}

TEST_F(SoundLibraryTest, HandleZeroAndUnknownHandlesDoNothing) {
  const int buzz = effect("禁止.wav");
  for (int handle : {0, buzz + 1000, -1}) {
    dsPlay(handle);
    dsPlayLooping(handle);
    dsPlayPan(handle, 50);
    dsPlayEx(handle, 50, 50);
    dsPlayLoopingEx(handle, 50, 50);
    dsSetVolume(handle, 10);
    dsSetPan(handle, 10);
    dsSetFrequency(handle, 11025);
    dsStop(handle);
    dsFree(handle);
    EXPECT_EQ(Mix_Playing(-1), 0) << handle;
  }
  EXPECT_EQ(dsCreateDSB(0, asset("禁止.wav").data(), VELMORA_FLAGS_EFFECT), 0);
  dsTerminate(0);
  EXPECT_TRUE(output_open());
  dsPlay(buzz);  // the real buffer survived all of it
  EXPECT_EQ(effects_sounding(), 1);
}

TEST_F(SoundLibraryTest, ImagesThatAreNoPlayableWaveAreRefused) {
  EXPECT_EQ(dsCreateDSB(output, nullptr, VELMORA_FLAGS_EFFECT), 0);

  Bytes garbage(256);
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<unsigned char>(i * 37 + 11);
  EXPECT_EQ(made(garbage), 0);

  Bytes not_wave = pcm_image(100);
  std::copy_n("AVI ", 4, not_wave.begin() + 8);
  EXPECT_EQ(made(not_wave), 0);

  Bytes no_data_chunk = pcm_image(100);
  std::copy_n("junk", 4, no_data_chunk.begin() + 36);
  EXPECT_EQ(made(no_data_chunk), 0);

  EXPECT_EQ(made(wave_image(0x55, 1, 22050, 16, Bytes(400))), 0);  // a format SDL cannot decode
  EXPECT_EQ(made(pcm_image(0)), 0);                                // no samples
  EXPECT_EQ(made(wave_image(1, 1, 22050, 16, Bytes(1))), 0);       // not one whole sample

  Bytes absurd_size = pcm_image(10);  // refused on the header alone
  put_le32(absurd_size, 4, 0xFFFFFFF0u);
  EXPECT_EQ(made(absurd_size), 0);

  EXPECT_NE(made(pcm_image(100)), 0);  // while a sound one is taken
}

TEST_F(SoundLibraryTest, ATruncatedFileIsRefused) {
  // A file cut off in its samples, whose RIFF size was made to match the
  // cut: the data chunk still promises the whole tune.
  Bytes cut = asset("その他.wav");
  cut.resize(cut.size() / 2);
  put_le32(cut, 4, static_cast<std::uint32_t>(cut.size() - 8));
  EXPECT_EQ(made(cut), 0);

  // Cut inside the header of a chunk.
  Bytes header_only = pcm_image(100);
  header_only.resize(40);
  put_le32(header_only, 4, 32);
  EXPECT_EQ(made(header_only), 0);
}

TEST_F(SoundLibraryTest, TheBuiltInBeepIsAResource) {
  EXPECT_EQ(dsCreateResDSB(output, 99, VELMORA_FLAGS_EFFECT), 0);
  EXPECT_EQ(dsCreateResDSB(0, VELMORA_RESOURCE_BEEP, VELMORA_FLAGS_EFFECT), 0);
  const int beep = dsCreateResDSB(output, VELMORA_RESOURCE_BEEP, VELMORA_FLAGS_EFFECT);
  ASSERT_NE(beep, 0);
  dsPlay(beep);
  EXPECT_EQ(effects_sounding(), 1);
  EXPECT_TRUE(falls_silent_within(3.0));
}

TEST_F(SoundLibraryTest, VolumeIsInPercentAndHeldToItsRange) {
  const int buzz = effect("禁止.wav");
  dsPlayLooping(buzz);
  ASSERT_NE(sounding_effect(), nullptr);
  EXPECT_EQ(sounding_effect()->volume, MIX_MAX_VOLUME);
  dsSetVolume(buzz, 50);
  EXPECT_EQ(sounding_effect()->volume, MIX_MAX_VOLUME / 2);
  dsSetVolume(buzz, 250);
  EXPECT_EQ(sounding_effect()->volume, MIX_MAX_VOLUME);
  dsSetVolume(buzz, -3);
  EXPECT_EQ(sounding_effect()->volume, 0);
  dsStop(buzz);

  dsPlayEx(buzz, 25, -100);
  ASSERT_NE(sounding_effect(), nullptr);
  EXPECT_EQ(sounding_effect()->volume, MIX_MAX_VOLUME / 4);
  dsPlayLoopingEx(buzz, 75, 100);
  EXPECT_EQ(effects_sounding(), 1);
  EXPECT_EQ(sounding_effect()->volume, MIX_MAX_VOLUME * 3 / 4);
}

TEST_F(SoundLibraryTest, PannedPlayStartsTheSound) {
  const int click = effect("駒打音.wav");
  dsPlayPan(click, -100);
  EXPECT_EQ(effects_sounding(), 1);
  dsSetPan(click, 40);
  dsPlayPan(click, 300);  // held to full right, restarted in place
  EXPECT_EQ(effects_sounding(), 1);
}

TEST_F(SoundLibraryTest, FrequencyChangesTheLengthOfTheSound) {
  const int buzz = effect("禁止.wav");  // 22050 Hz
  dsPlayLooping(buzz);
  ASSERT_NE(sounding_effect(), nullptr);
  const Uint32 own_length = sounding_effect()->alen;

  dsSetFrequency(buzz, 44100);  // twice as fast: half as long, and still looping
  ASSERT_NE(sounding_effect(), nullptr);
  EXPECT_NEAR(sounding_effect()->alen, own_length / 2.0, 16);

  dsSetFrequency(buzz, 1);  // held to two octaves down
  ASSERT_NE(sounding_effect(), nullptr);
  EXPECT_NEAR(sounding_effect()->alen, own_length * 4.0, 16);

  dsSetFrequency(buzz, 0);  // back to the file's own rate
  ASSERT_NE(sounding_effect(), nullptr);
  EXPECT_EQ(sounding_effect()->alen, own_length);

  dsStop(buzz);
  dsSetFrequency(buzz, 30000);  // a quiet buffer stays quiet
  EXPECT_EQ(Mix_Playing(-1), 0);
}

}  // namespace
}  // namespace velmora::sound_test
