#include "sound_synth.h"

#include <algorithm>

#include "det_math.h"
#include "indexed_image.h"

namespace assetgen {

namespace {

// e^x without libm: halve the argument ten times, Taylor, square back.
double Exp(double x) {
  const double y = x / 1024.0;
  double term = 1.0;
  double sum = 1.0;
  for (int n = 1; n <= 8; ++n) {
    term *= y / n;
    sum += term;
  }
  for (int i = 0; i < 10; ++i) sum *= sum;
  return sum;
}

using Signal = std::vector<double>;

// Scales the loudest sample to `peak` and converts to unsigned 8-bit, 128 silent.
std::vector<std::uint8_t> ToPcm8(const Signal& s, double peak) {
  double top = 0.0;
  for (const double v : s) top = std::max(top, v < 0 ? -v : v);
  const double gain = top > 0 ? peak / top : 0.0;
  std::vector<std::uint8_t> out;
  out.reserve(s.size());
  for (const double v : s) out.push_back(static_cast<std::uint8_t>(std::clamp(RoundToInt(128.0 + 127.0 * v * gain), 0, 255)));
  return out;
}

// Short fades at both ends so no cue starts or stops with a pop.
void FadeEnds(Signal& s, int rate, double inSeconds, double outSeconds) {
  const int in = static_cast<int>(inSeconds * rate);
  const int out = static_cast<int>(outSeconds * rate);
  const int n = static_cast<int>(s.size());
  for (int i = 0; i < in && i < n; ++i) s[static_cast<std::size_t>(i)] *= static_cast<double>(i) / in;
  for (int i = 0; i < out && i < n; ++i) s[static_cast<std::size_t>(n - 1 - i)] *= static_cast<double>(i) / out;
}

// Sum of harmonics below the Nyquist limit, each weighted by `weight(k, frequency)`.
// The top ones fade out gradually, so a change of pitch does not switch a
// harmonic on or off at once (which clicks).
template <typename Weight>
double Harmonics(double phase, double frequency, int rate, Weight weight) {
  const double top = rate * 0.45;
  const double fadeFrom = rate * 0.33;
  double v = 0.0;
  for (int k = 1; frequency * k < top; ++k) {
    const double fk = frequency * k;
    const double fade = fk <= fadeFrom ? 1.0 : (top - fk) / (top - fadeFrom);
    v += fade * weight(k, fk) * SineCycles(phase * k);
  }
  return v;
}

// A spring plucked once: a twangy tone whose pitch wobbles fast and settles.
Signal Boing(int rate, int n) {
  Signal s(static_cast<std::size_t>(n));
  double phase = 0.0;
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double wobble = 0.4 * Exp(-2.2 * t) * SineCycles(13.0 * t);
    const double f = (150.0 + 70.0 * t) * (1.0 + wobble) + 160.0 * Exp(-40.0 * t);
    phase += f / rate;
    const double tone = SineCycles(phase) + 0.45 * SineCycles(2 * phase) + 0.2 * SineCycles(3 * phase) +
                        0.08 * SineCycles(5 * phase);
    s[static_cast<std::size_t>(i)] = tone * Exp(-2.8 * t);
  }
  FadeEnds(s, rate, 0.004, 0.05);
  return s;
}

// A crowd: many clappers, each a burst of resonant noise, on a low hiss.
Signal Claps(int rate, int n) {
  Signal s(static_cast<std::size_t>(n), 0.0);
  Lcg random{20240611u};
  const double duration = static_cast<double>(n) / rate;
  for (int clapper = 0; clapper < 22; ++clapper) {
    const double period = 0.17 + 0.13 * random.Unit();
    const double centre = 700.0 + 1500.0 * random.Unit();
    const double tau = 0.006 + 0.008 * random.Unit();
    const double loudness = 0.45 + 0.55 * random.Unit();
    const double r = 0.86 + 0.06 * random.Unit();
    const double c1 = 2.0 * r * CosineCycles(centre / rate);
    const double c2 = -r * r;
    double t = 0.02 + 0.25 * random.Unit();
    while (t < duration) {
      const int start = static_cast<int>(t * rate);
      double y1 = 0.0, y2 = 0.0;
      const int length = static_cast<int>(0.07 * rate);
      const double amplitude = loudness * (0.75 + 0.25 * random.Unit());
      for (int k = 0; k < length && start + k < n; ++k) {
        const double env = Exp(-static_cast<double>(k) / (tau * rate));
        const double y = random.Signed() * env + c1 * y1 + c2 * y2;
        y2 = y1;
        y1 = y;
        s[static_cast<std::size_t>(start + k)] += amplitude * y * (1.0 - r);
      }
      t += period * (0.85 + 0.3 * random.Unit());
    }
  }
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / rate;
    // Swells in, holds, dies away as the clappers stop.
    double level = std::min(1.0, t / 0.18);
    if (t > 1.2) level *= Exp(-(t - 1.2) * 2.3);
    s[static_cast<std::size_t>(i)] = (s[static_cast<std::size_t>(i)] + 0.04 * random.Signed()) * level;
  }
  FadeEnds(s, rate, 0.002, 0.1);
  return s;
}

// A card snapping down: a sharp tick with a short knock under it.
Signal Click(int rate, int n) {
  Signal s(static_cast<std::size_t>(n), 0.0);
  Lcg random{7u};
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double tick = SineCycles(2900.0 * t) * Exp(-t / 0.0025);
    const double knock = SineCycles(820.0 * t) * Exp(-t / 0.011) * 0.7;
    const double grit = random.Signed() * Exp(-t / 0.0015) * 0.6;
    s[static_cast<std::size_t>(i)] = tick + knock + grit;
  }
  FadeEnds(s, rate, 0.0003, 0.01);
  return s;
}

// Two detuned square waves beating against each other: a flat, rude buzz.
Signal Buzz(int rate, int n) {
  Signal s(static_cast<std::size_t>(n));
  auto odd = [](int k, double) { return k % 2 == 1 ? 1.0 / k : 0.0; };
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / rate;
    s[static_cast<std::size_t>(i)] = Harmonics(110.0 * t, 110.0, rate, odd) + Harmonics(117.0 * t, 117.0, rate, odd);
  }
  FadeEnds(s, rate, 0.006, 0.025);
  return s;
}

// Four falling brassy notes, each opening and closing like a muted horn.
Signal WahWah(int rate, int n) {
  Signal s(static_cast<std::size_t>(n), 0.0);
  const double notes[4] = {311.13, 293.66, 277.18, 261.63};
  const double starts[4] = {0.0, 0.4, 0.8, 1.2};
  const double duration = static_cast<double>(n) / rate;
  for (int k = 0; k < 4; ++k) {
    const double begin = starts[k];
    const double end = k == 3 ? duration : starts[k + 1] - 0.03;
    double phase = 0.0;
    for (int i = static_cast<int>(begin * rate); i < n && i < static_cast<int>(end * rate); ++i) {
      const double t = static_cast<double>(i) / rate - begin;
      const double length = end - begin;
      const double vibrato = k == 3 ? 1.0 + 0.025 * SineCycles(5.5 * t) * std::min(1.0, t / 0.2) : 1.0;
      const double f = notes[k] * vibrato * (k == 3 ? 1.0 - 0.03 * t : 1.0);
      phase += f / rate;
      // The mute opens over the first part of the note and closes toward its end.
      const double open = std::min(1.0, t / 0.12) * std::min(1.0, (length - t) / (k == 3 ? 0.5 : 0.2));
      const double cutoff = 250.0 + 1500.0 * std::max(0.0, open);
      auto brass = [cutoff](int h, double fh) {
        const double x = fh / cutoff;
        return 1.0 / (h * (1.0 + x * x));
      };
      const double env = std::min(1.0, t / 0.02) * std::min(1.0, (length - t) / 0.04);
      s[static_cast<std::size_t>(i)] = Harmonics(phase, f, rate, brass) * env * (0.7 + 0.3 * open);
    }
  }
  FadeEnds(s, rate, 0.005, 0.05);
  return s;
}

// A quick rising fanfare ending on a bright held note.
Signal Call(int rate, int n) {
  Signal s(static_cast<std::size_t>(n), 0.0);
  const double notes[4] = {659.26, 880.0, 1108.73, 1318.51};
  const double starts[4] = {0.0, 0.065, 0.13, 0.195};
  double phase = 0.0;
  double f = 0.0;
  auto bright = [](int h, double) { return h % 2 == 1 ? 1.0 / h : 0.35 / h; };
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / rate;
    int k = 0;
    while (k < 3 && t >= starts[k + 1]) ++k;
    const double into = t - starts[k];
    const double bend = k == 3 ? 1.0 + 0.04 * std::min(1.0, into / 0.08) + 0.012 * SineCycles(9.0 * into) : 1.0;
    // A few milliseconds' slide from note to note instead of a jump.
    f = i == 0 ? notes[0] : f + (notes[k] * bend - f) * 0.04;
    phase += f / rate;
    // One continuous tone: each new note only lifts the level, so the steps
    // between notes do not click.
    const double accent = 0.35 * std::min(1.0, into / 0.005) * Exp(-into / 0.03);
    double env = std::min(1.0, t / 0.006) * (k < 3 ? 0.65 + accent : (0.65 + accent) * Exp(-into * 2.5));
    s[static_cast<std::size_t>(i)] = Harmonics(phase, f, rate, bright) * env;
  }
  FadeEnds(s, rate, 0.002, 0.04);
  return s;
}

}  // namespace

std::vector<std::uint8_t> EncodeWave(int sampleRate, const std::vector<std::uint8_t>& samples, bool withFact) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size());
  const std::uint32_t pad = dataBytes % 2;
  const std::uint32_t fileBytes = 12 + 24 + (withFact ? 12 : 0) + 8 + dataBytes + pad;
  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  Put32(out, fileBytes - 8);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, static_cast<std::uint32_t>(sampleRate));
  Put32(out, static_cast<std::uint32_t>(sampleRate));  // one byte per sample
  Put16(out, 1);
  Put16(out, 8);
  if (withFact) {
    PutTag(out, "fact");
    Put32(out, 4);
    Put32(out, dataBytes);
  }
  PutTag(out, "data");
  Put32(out, dataBytes);
  out.insert(out.end(), samples.begin(), samples.end());
  if (pad) out.push_back(0);
  return out;
}

std::vector<CueFile> BuildCues() {
  std::vector<CueFile> cues;
  cues.push_back({"IDW_BOING", EncodeWave(22050, ToPcm8(Boing(22050, 15232), 0.9), false)});
  cues.push_back({"IDW_CLAPS", EncodeWave(11025, ToPcm8(Claps(11025, 27758), 0.92), false)});
  cues.push_back({"IDW_CLICK", EncodeWave(22050, ToPcm8(Click(22050, 2929), 0.85), false)});
  cues.push_back({"IDW_ERROR", EncodeWave(11025, ToPcm8(Buzz(11025, 2211), 0.8), true)});
  cues.push_back({"IDW_LOSE", EncodeWave(11025, ToPcm8(WahWah(11025, 21333), 0.88), false)});
  cues.push_back({"IDW_ZOT", EncodeWave(11025, ToPcm8(Call(11025, 5119), 0.85), false)});
  return cues;
}

}  // namespace assetgen
