/* libvelmora: the game's sound library, a plain C interface on SDL2_mixer.
 *
 * The game hands it complete wave-file images in memory and afterwards starts
 * and stops sound buffers by handle. Every value is a 32-bit integer except
 * the wave-file image. Every call returns at once; sounds play on SDL's audio
 * thread. Call everything from one thread (the window's).
 *
 * Handles: an output handle and buffer handles are never 0 when valid.
 * Buffer handles are not reused while the library is loaded, so a stale
 * handle never reaches a newer buffer. Every call that takes a buffer handle
 * does nothing when the handle is 0, unknown, or already freed.
 *
 * Kinds of buffer, chosen by the flags when a buffer is made:
 *   VELMORA_FLAGS_MUSIC (1)  music. All music buffers share one channel of
 *                            their own, so starting one music ends the other.
 *   VELMORA_FLAGS_EFFECT (3) sound effect. Effects take any free effect
 *                            channel (15 of them), so several effects mix;
 *                            when all are busy the one that started first
 *                            gives way. Starting an effect that is still
 *                            sounding starts it again from the beginning.
 * Any flags with the value-2 bit set make an effect; any other flags music.
 */
#ifndef VELMORA_SOUND_H
#define VELMORA_SOUND_H

#include <stdint.h>

#define VELMORA_SOUND_API __attribute__((visibility("default")))

#define VELMORA_FLAGS_MUSIC 1
#define VELMORA_FLAGS_EFFECT 3

/* The built-in sounds of dsCreateResDSB. */
#define VELMORA_RESOURCE_BEEP 1 /* a short soft 880 Hz tone */

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the sound output. `window` is not needed on this platform and is
 * ignored. Answers the output handle, or 0 when no audio device opens.
 * While an output is open, a second call answers the same handle. */
VELMORA_SOUND_API int32_t dsInitialize(int32_t window);

/* Frees every buffer of the output and closes it. Unknown handles: nothing. */
VELMORA_SOUND_API void dsTerminate(int32_t output);

/* Makes a buffer from a complete RIFF/WAVE image in memory (header included).
 * The image's length is read from its RIFF header, so the caller must make
 * sure the header's size does not exceed the bytes it holds. The samples are
 * copied: the image may be discarded after the call. Answers the buffer
 * handle, or 0 for an unknown output, a null image, an image that is no
 * RIFF/WAVE, whose chunks do not fit its stated size, whose sample format
 * SDL cannot decode, or that holds no samples. */
VELMORA_SOUND_API int32_t dsCreateDSB(int32_t output, const void* image, int32_t flags);

/* Makes a buffer from one of the library's built-in sounds
 * (VELMORA_RESOURCE_...). Answers 0 for an unknown output or resource. */
VELMORA_SOUND_API int32_t dsCreateResDSB(int32_t output, int32_t resource, int32_t flags);

/* Stops the buffer and frees it; its handle becomes unknown. */
VELMORA_SOUND_API void dsFree(int32_t buffer);

/* Starts the buffer once. */
VELMORA_SOUND_API void dsPlay(int32_t buffer);

/* Starts the buffer repeating without a gap until it is stopped. */
VELMORA_SOUND_API void dsPlayLooping(int32_t buffer);

/* Stops the buffer if it is sounding. */
VELMORA_SOUND_API void dsStop(int32_t buffer);

/* Loudness of the buffer in percent, 0 (silent) to 100 (as recorded, the
 * default); values outside are held to that range. Applies at once, also to
 * a buffer that is sounding. */
VELMORA_SOUND_API void dsSetVolume(int32_t buffer, int32_t percent);

/* Position between the speakers: -100 full left, 0 centre (the default),
 * +100 full right; values outside are held to that range. Applies at once,
 * also to a buffer that is sounding. */
VELMORA_SOUND_API void dsSetPan(int32_t buffer, int32_t pan);

/* Playback rate in Hz: the samples are played as if recorded at this rate,
 * which raises or lowers pitch and speed together. 0 restores the file's own
 * rate; other values are held to two octaves either side of it. A buffer
 * that is sounding starts again from its beginning at the new rate. */
VELMORA_SOUND_API void dsSetFrequency(int32_t buffer, int32_t frequency);

/* dsSetPan then dsPlay. */
VELMORA_SOUND_API void dsPlayPan(int32_t buffer, int32_t pan);

/* dsSetVolume and dsSetPan, then dsPlay. */
VELMORA_SOUND_API void dsPlayEx(int32_t buffer, int32_t percent, int32_t pan);

/* dsSetVolume and dsSetPan, then dsPlayLooping. */
VELMORA_SOUND_API void dsPlayLoopingEx(int32_t buffer, int32_t percent, int32_t pan);

#ifdef __cplusplus
}
#endif

#endif /* VELMORA_SOUND_H */
