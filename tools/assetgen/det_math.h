// Arithmetic whose results do not depend on the C library: the generator must
// write identical bytes wherever it is built, so no libm transcendental calls.
#pragma once

#include <cstdint>

namespace assetgen {

constexpr double kPi = 3.14159265358979323846;

// Sine of 2*pi*cycles, by symmetry folding and a Taylor polynomial.
double SineCycles(double cycles);
inline double CosineCycles(double cycles) { return SineCycles(cycles + 0.25); }
inline double SineDegrees(double degrees) { return SineCycles(degrees / 360.0); }
inline double CosineDegrees(double degrees) { return CosineCycles(degrees / 360.0); }

// Integer square root helper in double (IEEE sqrt is exactly rounded).
double Root(double v);

// Linear congruential generator for noise and random placement.
struct Lcg {
  std::uint32_t state;
  std::uint32_t Next() {
    state = state * 1664525u + 1013904223u;
    return state;
  }
  // Uniform in [-1, 1).
  double Signed() { return static_cast<double>(Next() >> 8) / 8388608.0 - 1.0; }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 8) / 16777216.0; }
  // Uniform integer in [0, n).
  int Below(int n) { return static_cast<int>((static_cast<std::uint64_t>(Next() >> 8) * static_cast<std::uint64_t>(n)) >> 24); }
};

// Hash of lattice coordinates, for noise that wraps around a tile.
std::uint32_t HashPoint(std::uint32_t x, std::uint32_t y, std::uint32_t seed);

inline int RoundToInt(double v) {
  // Round half up without relying on the current rounding mode.
  const double shifted = v + 0.5;
  int i = static_cast<int>(shifted);
  if (static_cast<double>(i) > shifted) --i;
  return i;
}

inline double Clamp(double v, double lo, double hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace assetgen
