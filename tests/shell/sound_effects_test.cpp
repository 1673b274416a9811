#include "view/sound_effects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "fakes/fake_ports.h"

namespace velmora {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::RecordingSound;
using testing::ShownBox;

constexpr int WINDOW = 7;
constexpr int DEVICE = 100;  // what RecordingSound answers to dsInitialize
const char* const WAVE_FILES[] = {"その他.wav", "禁止.wav", "駒打音.wav", "チェス打音.wav", "消滅.wav", "BGM.wav"};
const std::string NO_DEVICE = "Direct Soundインターフェースが作成できません。";

// A game whose working directory is a fresh folder holding the six wave
// files; each file's bytes spell its own name, so the images can be told apart.
class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora_sound_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    for (const char* name : WAVE_FILES) std::ofstream(folder / name, std::ios::binary) << "RIFF " << name;
    t.game.working_directory = folder.string();
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  Game& g() { return t.game; }
  RecordingSound& sound() { return t.fakes.sound; }
  std::vector<ShownBox>& boxes() { return t.fakes.dialogs.boxes; }

  std::filesystem::path folder;
  testing::TestGame t;
};

std::vector<unsigned char> bytes_of(const std::string& text) { return {text.begin(), text.end()}; }

TEST_F(SoundTest, StartUpOpensTheOutputAndLoadsTheSixFilesInOrder) {
  load_all_sounds(g(), WINDOW);
  EXPECT_THAT(sound().calls,
              ElementsAre("dsInitialize 7", "dsCreateDSB 100 3", "dsCreateDSB 100 3", "dsCreateDSB 100 3",
                          "dsCreateDSB 100 3", "dsCreateDSB 100 3", "dsCreateDSB 100 1"));
  ASSERT_EQ(sound().images.size(), 6u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(sound().images[i], bytes_of(std::string("RIFF ") + WAVE_FILES[i])) << i;
  const SoundHandles& s = g().sound;
  EXPECT_EQ(s.sound_device, DEVICE);
  EXPECT_EQ(std::vector<int>({s.snd_other, s.snd_refuse, s.snd_piece, s.snd_chess, s.snd_vanish, s.snd_bgm}),
            std::vector<int>({1, 2, 3, 4, 5, 6}));
  EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SoundTest, AnInstalledGameReadsTheWaveFilesFromItsDataFolder) {
  const std::filesystem::path empty_working_directory = folder / "user";
  std::filesystem::create_directory(empty_working_directory);
  g().working_directory = empty_working_directory.string();
  g().sound_directory = folder.string();
  load_all_sounds(g(), WINDOW);
  ASSERT_EQ(sound().images.size(), 6u);
  EXPECT_EQ(sound().images[5], bytes_of("RIFF BGM.wav"));
}

TEST_F(SoundTest, MissingFilesStaySilentWithoutAMessage) {
  std::filesystem::remove(folder / "駒打音.wav");
  std::filesystem::remove(folder / "BGM.wav");
  load_all_sounds(g(), WINDOW);
  EXPECT_EQ(sound().images.size(), 4u);
  EXPECT_EQ(g().sound.snd_piece, 0);
  EXPECT_EQ(g().sound.snd_bgm, 0);
  EXPECT_EQ(g().sound.snd_vanish, 4);
  EXPECT_THAT(boxes(), IsEmpty());

  // The music option still works; the library ignores buffer 0.
  start_music(g());
  play_piece(g());
  EXPECT_EQ(sound().calls.back(), "dsPlay 0");
  EXPECT_EQ(sound().calls[sound().calls.size() - 2], "dsPlayLooping 0");
}

TEST_F(SoundTest, AnUnreadableFileWarnsWithTheSystemsDescription) {
  std::filesystem::remove(folder / "禁止.wav");
  std::filesystem::create_directory(folder / "禁止.wav");
  load_all_sounds(g(), WINDOW);
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, "ﾌｫﾙﾀﾞです") << "the system's reason in the game's words";
  EXPECT_EQ(boxes()[0].title, "Velmora.dll");
  EXPECT_EQ(boxes()[0].buttons, Buttons::Ok);
  EXPECT_EQ(boxes()[0].icon, Icon::Exclamation);
  EXPECT_EQ(g().sound.snd_refuse, 0);
  EXPECT_EQ(sound().images.size(), 5u);
  EXPECT_NE(g().sound.snd_bgm, 0);
}

TEST_F(SoundTest, NoSoundDeviceWarnsOnceAndTheGameIsSilent) {
  sound().device_opens = false;
  load_all_sounds(g(), WINDOW);
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, NO_DEVICE);
  EXPECT_EQ(boxes()[0].title, "Velmora.dll");
  EXPECT_EQ(boxes()[0].icon, Icon::Exclamation);
  EXPECT_THAT(sound().calls, ElementsAre("dsInitialize 7"));
  const SoundHandles& s = g().sound;
  EXPECT_EQ(s.sound_device + s.snd_other + s.snd_refuse + s.snd_piece + s.snd_chess + s.snd_vanish + s.snd_bgm, 0);

  駒移動音(g(), -HU);
  play_refusal(g());
  EXPECT_EQ(sound().played(), std::vector<int>({0, 0}));
  EXPECT_EQ(boxes().size(), 1u);
}

TEST_F(SoundTest, AMissingLibraryGivesSilenceWithoutAWarning) {
  sound().library_loaded = false;
  load_all_sounds(g(), WINDOW);
  EXPECT_THAT(sound().calls, IsEmpty());
  EXPECT_THAT(boxes(), IsEmpty());
  EXPECT_EQ(g().sound.sound_device, 0);
  EXPECT_EQ(g().sound.snd_bgm, 0);
}

TEST_F(SoundTest, TheMoveSoundFollowsThePieceKind) {
  load_all_sounds(g(), WINDOW);
  const SoundHandles& s = g().sound;
  struct Case {
    int code;
    int buffer;
  };
  const Case cases[] = {
      {-HU, s.snd_piece},   {HU, s.snd_piece},      {-HEISI, s.snd_piece}, {UMA, s.snd_piece},   {-OU, s.snd_piece},
      {SYOU, s.snd_piece},  {-KAKU_N, s.snd_piece}, {QEEN, s.snd_chess},   {-QEEN, s.snd_chess}, {PORN, s.snd_chess},
      {-ROOK, s.snd_chess}, {KNIG, s.snd_chess},    {-BISH, s.snd_chess},  {KING, s.snd_chess},  {EMPTY, s.snd_vanish},
  };
  for (const Case& c : cases) {
    sound().calls.clear();
    駒移動音(g(), c.code);
    EXPECT_EQ(sound().played(), std::vector<int>({c.buffer})) << "code " << c.code;
  }
}

TEST_F(SoundTest, EachEventSoundPlaysItsOwnBuffer) {
  load_all_sounds(g(), WINDOW);
  sound().calls.clear();
  play_refusal(g());
  play_piece(g());
  play_other(g());
  start_music(g());
  stop_music(g());
  EXPECT_THAT(sound().calls, ElementsAre("dsPlay 2", "dsPlay 3", "dsPlay 1", "dsPlayLooping 6", "dsStop 6"));
}

TEST_F(SoundTest, ShutdownFreesTheBuffersInOrderThenClosesTheOutput) {
  load_all_sounds(g(), WINDOW);
  sound().calls.clear();
  release_all_sounds(g());
  EXPECT_THAT(sound().calls,
              ElementsAre("dsFree 1", "dsFree 2", "dsFree 3", "dsFree 4", "dsFree 5", "dsFree 6", "dsTerminate 100"));
  const SoundHandles& s = g().sound;
  EXPECT_EQ(s.sound_device + s.snd_other + s.snd_refuse + s.snd_piece + s.snd_chess + s.snd_vanish + s.snd_bgm, 0);

  // A second shutdown terminates nothing more.
  sound().calls.clear();
  close_sound(g());
  EXPECT_THAT(sound().calls, IsEmpty());
}

TEST_F(SoundTest, ShutdownWithoutAnOutputFreesTheEmptyBuffersButTerminatesNothing) {
  sound().device_opens = false;
  load_all_sounds(g(), WINDOW);
  sound().calls.clear();
  release_all_sounds(g());
  EXPECT_THAT(sound().calls, ElementsAre("dsFree 0", "dsFree 0", "dsFree 0", "dsFree 0", "dsFree 0", "dsFree 0"));
}

}  // namespace
}  // namespace velmora
