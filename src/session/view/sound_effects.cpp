#include "view/sound_effects.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "text/shown.h"
#include "text/text_files.h"
#include "view/system_reasons.h"

namespace velmora {
namespace {

inline constexpr int FLAGS_EFFECT = 3;
inline constexpr int FLAGS_MUSIC = 1;

// No wave file of the game comes near this; a larger one is refused rather
// than read into memory.
constexpr std::size_t MAX_WAVE_BYTES = std::size_t{256} << 20;

}  // namespace

void init_sound(Game& g, int window) {
  Sound& sound = g.ports.sound;
  // Without the library the game is silent, and says nothing about it.
  if (!sound.library_present()) return;
  g.sound.sound_device = sound.dsInitialize(window);
  if (g.sound.sound_device == 0) sound_error(g, SHOWN("Direct Soundインターフェースが作成できません。"));
}

int load_sound(Game& g, const std::string& file_name, int flags) {
  if (g.sound.sound_device == 0) return 0;
  const std::string& folder = g.sound_directory.empty() ? g.working_directory : g.sound_directory;
  const std::filesystem::path path = std::filesystem::path(folder) / file_name;
  std::error_code error;
  const bool present = std::filesystem::exists(path, error);
  if (error) {
    sound_error(g, reason_text(error));
    return 0;
  }
  if (!present) return 0;
  const Result<std::string, std::error_code> bytes = read_whole_file(path.string(), MAX_WAVE_BYTES);
  if (!bytes) {
    sound_error(g, reason_text(bytes.error()));
    return 0;
  }
  const std::vector<unsigned char> image(bytes->begin(), bytes->end());
  return g.ports.sound.dsCreateDSB(g.sound.sound_device, image, flags);
}

void sound_error(Game& g, const std::string& text) {
  g.ports.dialogs.message_box(text, "Velmora.dll", Buttons::Ok, Icon::Exclamation);
}

void close_sound(Game& g) {
  if (g.sound.sound_device == 0) return;
  g.ports.sound.dsTerminate(g.sound.sound_device);
  g.sound.sound_device = 0;
}

void load_all_sounds(Game& g, int window) {
  init_sound(g, window);
  SoundHandles& s = g.sound;
  s.snd_other = load_sound(g, "その他.wav", FLAGS_EFFECT);
  s.snd_refuse = load_sound(g, "禁止.wav", FLAGS_EFFECT);
  s.snd_piece = load_sound(g, "駒打音.wav", FLAGS_EFFECT);
  s.snd_chess = load_sound(g, "チェス打音.wav", FLAGS_EFFECT);
  s.snd_vanish = load_sound(g, "消滅.wav", FLAGS_EFFECT);
  s.snd_bgm = load_sound(g, "BGM.wav", FLAGS_MUSIC);
}

void release_all_sounds(Game& g) {
  SoundHandles& s = g.sound;
  for (int* buffer : {&s.snd_other, &s.snd_refuse, &s.snd_piece, &s.snd_chess, &s.snd_vanish, &s.snd_bgm}) {
    g.ports.sound.dsFree(*buffer);
    *buffer = 0;
  }
  close_sound(g);
}

void 駒移動音(Game& g, int code) {
  const SoundHandles& s = g.sound;
  const int buffer = code == EMPTY ? s.snd_vanish : is_chess_kind(kind_of(code)) ? s.snd_chess : s.snd_piece;
  g.ports.sound.dsPlay(buffer);
}

void play_refusal(Game& g) { g.ports.sound.dsPlay(g.sound.snd_refuse); }
void play_piece(Game& g) { g.ports.sound.dsPlay(g.sound.snd_piece); }
void play_other(Game& g) { g.ports.sound.dsPlay(g.sound.snd_other); }
void start_music(Game& g) { g.ports.sound.dsPlayLooping(g.sound.snd_bgm); }
void stop_music(Game& g) { g.ports.sound.dsStop(g.sound.snd_bgm); }

}  // namespace velmora
