#include "det_math.h"

#include <cmath>

namespace assetgen {

double SineCycles(double cycles) {
  double f = cycles - std::floor(cycles);  // [0, 1)
  // Fold into [-0.25, 0.25] cycles where the polynomial is accurate.
  if (f > 0.5) f -= 1.0;                  // (-0.5, 0.5]
  if (f > 0.25) f = 0.5 - f;
  if (f < -0.25) f = -0.5 - f;
  const double x = f * 2.0 * kPi;
  const double x2 = x * x;
  // Taylor series to x^15: error below 1e-12 on [-pi/2, pi/2].
  double term = x;
  double sum = x;
  for (int n = 1; n <= 7; ++n) {
    term = -term * x2 / static_cast<double>((2 * n) * (2 * n + 1));
    sum += term;
  }
  return sum;
}

double Root(double v) { return v <= 0.0 ? 0.0 : std::sqrt(v); }

std::uint32_t HashPoint(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
  h ^= h >> 15;
  h *= 0x2c1b3c6du;
  h ^= h >> 12;
  h *= 0x297a2d39u;
  h ^= h >> 15;
  return h;
}

}  // namespace assetgen
