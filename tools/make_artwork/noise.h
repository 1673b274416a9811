#pragma once

// Deterministic noise for the procedural textures. Everything is computed from integer hashes,
// so regenerating the pictures gives identical files on every machine.
namespace artwork {

// A value in [0, 1) fixed by the lattice point and the seed.
double hashUnit(int x, int y, unsigned seed);

// Smoothly interpolated lattice noise in [0, 1). A period > 0 wraps the lattice in that
// direction, which makes textures tile seamlessly.
double latticeNoise(double x, double y, unsigned seed, int periodX = 0, int periodY = 0);

// The centre of pixel `fine` of a picture drawn `scale` times as fine, in pixels of the picture
// at its own size, measured so that at scale 1 it is the pixel itself.
inline double finePixelCentre(int fine, int scale) { return (fine + 0.5) / scale - 0.5; }

// Sum of octaves of lattice noise, each twice as fine and half as strong; result in [0, 1).
double fractalNoise(double x, double y, unsigned seed, int octaves);

}  // namespace artwork
