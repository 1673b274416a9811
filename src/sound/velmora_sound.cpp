// libvelmora on SDL2_mixer. Each buffer keeps the samples of its wave file as
// decoded, and a copy converted to the output's format at the buffer's
// playback rate, which a Mix_Chunk plays. Channel 0 is reserved for music;
// the other channels form the effect group.
#include "sound/velmora_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "sound/wave_image.h"

namespace {

constexpr int OUTPUT_RATE = 44100;
constexpr int OUTPUT_CHANNELS = 2;
constexpr int OUTPUT_CHUNK_FRAMES = 1024;
constexpr int MIXER_CHANNELS = 16;
constexpr int MUSIC_CHANNEL = 0;
constexpr int EFFECT_GROUP = 1;
// Larger images are refused before anything past their header is read.
constexpr std::size_t LARGEST_IMAGE = std::size_t{256} << 20;
// Sounds that would need more memory than this to convert are refused.
constexpr std::size_t LARGEST_CONVERSION = std::size_t{1} << 30;
constexpr int FULL_VOLUME_PERCENT = 100;
constexpr int FULL_PAN = 100;
constexpr int OCTAVES_OF_RATE_CHANGE = 2;

// The samples of a sound as its source holds them.
struct Samples {
  SDL_AudioFormat format = AUDIO_S16SYS;
  Uint8 channels = 1;
  int rate = 0;
  std::vector<Uint8> bytes;

  int frame_size() const { return channels * SDL_AUDIO_BITSIZE(format) / 8; }
  std::size_t frames() const { return bytes.size() / frame_size(); }
};

struct OutputFormat {
  int rate = OUTPUT_RATE;
  SDL_AudioFormat format = AUDIO_S16SYS;
  int channels = OUTPUT_CHANNELS;
};

struct ChunkDeleter {
  // Mix_FreeChunk also halts every channel that still plays the chunk.
  void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};

struct Buffer {
  bool music = false;
  Samples source;
  int rate = 0;  // playback rate
  int volume_percent = FULL_VOLUME_PERCENT;
  int pan = 0;
  int channel = -1;  // the channel it was last started on
  bool looping = false;
  std::vector<Uint8> mixed;                        // the samples in the output's format at `rate`
  std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk;  // plays `mixed`; freed before it
};

struct Output {
  int handle = 0;
  OutputFormat format;
  std::map<int, Buffer> buffers;
};

struct Library {
  std::optional<Output> output;
  int last_output_handle = 0;
  int last_buffer_handle = 0;
};

// Never destroyed: the audio thread may still run while the process exits.
Library& library() {
  static Library* const instance = new Library;
  return *instance;
}

Output* output_of(int handle) {
  std::optional<Output>& output = library().output;
  return handle != 0 && output && output->handle == handle ? &*output : nullptr;
}

Buffer* buffer_of(int handle) {
  std::optional<Output>& output = library().output;
  if (handle == 0 || !output) return nullptr;
  const auto it = output->buffers.find(handle);
  return it == output->buffers.end() ? nullptr : &it->second;
}

std::optional<Samples> decode_wave(const unsigned char* image, std::size_t size) {
  SDL_RWops* stream = SDL_RWFromConstMem(image, static_cast<int>(size));
  if (stream == nullptr) return std::nullopt;
  SDL_AudioSpec loaded{};
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(stream, 1, &loaded, &data, &length) == nullptr) return std::nullopt;
  Samples samples;
  samples.format = loaded.format;
  samples.channels = loaded.channels;
  samples.rate = loaded.freq;
  samples.bytes.assign(data, data + length);
  SDL_FreeWAV(data);
  return samples;
}

// The samples converted to the output's format, played as if recorded at
// `rate`. The whole sound is converted at once, so its length is exact and
// a looping buffer has no gap.
std::vector<Uint8> convert(const Samples& source, int rate, const OutputFormat& out) {
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, source.format, source.channels, rate, out.format, out.channels, out.rate) < 0) return {};
  if (source.bytes.size() > LARGEST_CONVERSION / cvt.len_mult) return {};
  cvt.len = static_cast<int>(source.bytes.size());
  std::vector<Uint8> work(source.bytes.size() * cvt.len_mult);
  std::copy(source.bytes.begin(), source.bytes.end(), work.begin());
  cvt.buf = work.data();
  if (SDL_ConvertAudio(&cvt) != 0) return {};
  work.resize(cvt.len_cvt);
  work.shrink_to_fit();
  return work;
}

// Converts the buffer's samples at `rate` and makes the chunk that plays
// them. When the conversion fails the buffer is left as it was.
bool make_chunk(Buffer& buffer, int rate, const OutputFormat& out) {
  std::vector<Uint8> mixed = convert(buffer.source, rate, out);
  if (mixed.empty()) return false;
  buffer.chunk.reset();  // halts it before its samples go
  buffer.mixed = std::move(mixed);
  buffer.chunk.reset(Mix_QuickLoad_RAW(buffer.mixed.data(), static_cast<Uint32>(buffer.mixed.size())));
  if (!buffer.chunk) return false;
  buffer.rate = rate;
  Mix_VolumeChunk(buffer.chunk.get(), buffer.volume_percent * MIX_MAX_VOLUME / FULL_VOLUME_PERCENT);
  return true;
}

int add_buffer(Output& output, Samples&& samples, int flags) {
  if (samples.frames() == 0 || samples.rate <= 0) return 0;
  Buffer buffer;
  buffer.music = (flags & 2) == 0;
  buffer.source = std::move(samples);
  if (!make_chunk(buffer, buffer.source.rate, output.format)) return 0;
  const int handle = ++library().last_buffer_handle;
  output.buffers.emplace(handle, std::move(buffer));
  return handle;
}

bool sounding(const Buffer& buffer) {
  return buffer.chunk && buffer.channel >= 0 && Mix_Playing(buffer.channel) &&
         Mix_GetChunk(buffer.channel) == buffer.chunk.get();
}

int channel_for(const Buffer& buffer) {
  if (buffer.music) return MUSIC_CHANNEL;
  if (sounding(buffer)) return buffer.channel;
  const int free_channel = Mix_GroupAvailable(EFFECT_GROUP);
  return free_channel >= 0 ? free_channel : Mix_GroupOldest(EFFECT_GROUP);
}

void pan_channel(int channel, int pan) {
  const int left = pan > 0 ? 255 * (FULL_PAN - pan) / FULL_PAN : 255;
  const int right = pan < 0 ? 255 * (FULL_PAN + pan) / FULL_PAN : 255;
  Mix_SetPanning(channel, static_cast<Uint8>(left), static_cast<Uint8>(right));
}

void start(Buffer& buffer, bool looping) {
  if (!buffer.chunk) return;
  const int channel = channel_for(buffer);
  if (channel < 0) return;
  // Halting first, so that starting again does not drop the new panning.
  Mix_HaltChannel(channel);
  pan_channel(channel, buffer.pan);
  if (Mix_PlayChannel(channel, buffer.chunk.get(), looping ? -1 : 0) != channel) return;
  buffer.channel = channel;
  buffer.looping = looping;
}

// A short soft tone, made here so that the library needs no resource files.
Samples beep() {
  constexpr int rate = 22050;
  constexpr double seconds = 0.12, pitch = 880.0, attack = 0.005, peak = 0.4 * 32767;
  Samples samples;
  samples.rate = rate;
  const int count = static_cast<int>(seconds * rate);
  std::vector<Sint16> wave(count);
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double envelope = std::min(t / attack, 1.0) * std::exp(-t * 30.0);
    wave[i] = static_cast<Sint16>(peak * envelope * std::sin(2 * std::numbers::pi * pitch * t));
  }
  const auto* bytes = reinterpret_cast<const Uint8*>(wave.data());
  samples.bytes.assign(bytes, bytes + wave.size() * sizeof(Sint16));
  return samples;
}

// Nothing may throw across the C interface: a sound that does not fit in
// memory is simply not made.
template <typename Call>
auto without_exceptions(Call call) noexcept -> decltype(call()) {
  try {
    return call();
  } catch (const std::exception&) {
    if constexpr (!std::is_void_v<decltype(call())>) return 0;
  }
}

}  // namespace

extern "C" {

int32_t dsInitialize(int32_t) {
  Library& lib = library();
  if (lib.output) return lib.output->handle;
  // The game owns its process: SIGINT and SIGTERM must keep ending it, so SDL
  // may not turn them into quit events that nobody reads.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  if (Mix_OpenAudio(OUTPUT_RATE, AUDIO_S16SYS, OUTPUT_CHANNELS, OUTPUT_CHUNK_FRAMES) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  Output output;
  Mix_QuerySpec(&output.format.rate, &output.format.format, &output.format.channels);
  Mix_AllocateChannels(MIXER_CHANNELS);
  Mix_ReserveChannels(MUSIC_CHANNEL + 1);
  Mix_GroupChannels(MUSIC_CHANNEL + 1, MIXER_CHANNELS - 1, EFFECT_GROUP);
  output.handle = ++lib.last_output_handle;
  lib.output = std::move(output);
  return lib.output->handle;
}

void dsTerminate(int32_t output) {
  if (output_of(output) == nullptr) return;
  library().output.reset();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int32_t dsCreateDSB(int32_t output, const void* image, int32_t flags) {
  Output* out = output_of(output);
  if (out == nullptr || image == nullptr) return 0;
  const auto* bytes = static_cast<const unsigned char*>(image);
  const std::size_t size = velmora::wave::stated_size(bytes);
  if (size == 0 || size > LARGEST_IMAGE || !velmora::wave::chunks_fit(bytes, size)) return 0;
  return without_exceptions([&] {
    std::optional<Samples> samples = decode_wave(bytes, size);
    return samples ? add_buffer(*out, std::move(*samples), flags) : 0;
  });
}

int32_t dsCreateResDSB(int32_t output, int32_t resource, int32_t flags) {
  Output* out = output_of(output);
  if (out == nullptr || resource != VELMORA_RESOURCE_BEEP) return 0;
  return without_exceptions([&] { return add_buffer(*out, beep(), flags); });
}

void dsFree(int32_t buffer) {
  if (buffer_of(buffer) != nullptr) library().output->buffers.erase(buffer);
}

void dsPlay(int32_t buffer) {
  if (Buffer* b = buffer_of(buffer)) start(*b, false);
}

void dsPlayLooping(int32_t buffer) {
  if (Buffer* b = buffer_of(buffer)) start(*b, true);
}

void dsStop(int32_t buffer) {
  Buffer* b = buffer_of(buffer);
  if (b != nullptr && sounding(*b)) Mix_HaltChannel(b->channel);
}

void dsSetVolume(int32_t buffer, int32_t percent) {
  Buffer* b = buffer_of(buffer);
  if (b == nullptr) return;
  b->volume_percent = std::clamp(percent, 0, FULL_VOLUME_PERCENT);
  if (b->chunk) Mix_VolumeChunk(b->chunk.get(), b->volume_percent * MIX_MAX_VOLUME / FULL_VOLUME_PERCENT);
}

void dsSetPan(int32_t buffer, int32_t pan) {
  Buffer* b = buffer_of(buffer);
  if (b == nullptr) return;
  b->pan = std::clamp(pan, -FULL_PAN, FULL_PAN);
  if (sounding(*b)) pan_channel(b->channel, b->pan);
}

void dsSetFrequency(int32_t buffer, int32_t frequency) {
  Buffer* b = buffer_of(buffer);
  if (b == nullptr) return;
  const int own = b->source.rate;
  const int rate =
      frequency == 0 ? own : std::clamp(frequency, own >> OCTAVES_OF_RATE_CHANGE, own << OCTAVES_OF_RATE_CHANGE);
  if (rate == b->rate) return;
  const bool was_sounding = sounding(*b);
  without_exceptions([&] {
    if (make_chunk(*b, rate, library().output->format) && was_sounding) start(*b, b->looping);
  });
}

void dsPlayPan(int32_t buffer, int32_t pan) {
  dsSetPan(buffer, pan);
  dsPlay(buffer);
}

void dsPlayEx(int32_t buffer, int32_t percent, int32_t pan) {
  dsSetVolume(buffer, percent);
  dsSetPan(buffer, pan);
  dsPlay(buffer);
}

void dsPlayLoopingEx(int32_t buffer, int32_t percent, int32_t pan) {
  dsSetVolume(buffer, percent);
  dsSetPan(buffer, pan);
  dsPlayLooping(buffer);
}

}  // extern "C"
