// The six cue files against their table rows: RIFF layout, PCM format fields,
// exact data and file sizes, and samples that start and end in silence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "asset_files.h"

namespace {

using namespace assets_test;

struct CueRow {
  const char* name;
  std::uint32_t rate;
  std::uint32_t dataBytes;
  std::uint32_t fileBytes;
  bool fact;
};

constexpr CueRow kCues[6] = {
    {"IDW_BOING", 22050, 15232, 15276, false}, {"IDW_CLAPS", 11025, 27758, 27802, false},
    {"IDW_CLICK", 22050, 2929, 2974, false},   {"IDW_ERROR", 11025, 2211, 2268, true},
    {"IDW_LOSE", 11025, 21333, 21378, false},  {"IDW_ZOT", 11025, 5119, 5164, false},
};

Bytes Load(const CueRow& row) { return ReadAll(ResourcePath(std::string("sounds/") + row.name + ".wav")); }

// Data chunk samples of a parsed file.
Bytes Samples(const Bytes& file, const RiffFile& riff) {
  for (const Chunk& c : riff.chunks) {
    if (c.id == "data") {
      return Bytes(file.begin() + static_cast<std::ptrdiff_t>(c.offset), file.begin() + static_cast<std::ptrdiff_t>(c.offset + c.size));
    }
  }
  return {};
}

TEST(CueFiles, EachFileMatchesItsTableRow) {
  for (const CueRow& row : kCues) {
    SCOPED_TRACE(row.name);
    const Bytes file = Load(row);
    ASSERT_EQ(file.size(), row.fileBytes);
    const RiffFile riff = ParseRiffWave(file);
    ASSERT_TRUE(riff.wellFormed);
    EXPECT_EQ(riff.riffSize, file.size() - 8);
    EXPECT_EQ(riff.end, file.size());  // nothing after data and its pad byte
    ASSERT_EQ(riff.chunks.size(), row.fact ? 3u : 2u);

    const Chunk& fmt = riff.chunks[0];
    EXPECT_EQ(fmt.id, "fmt ");
    ASSERT_EQ(fmt.size, 16u);
    EXPECT_EQ(Le16(file, fmt.offset), 1u);        // PCM
    EXPECT_EQ(Le16(file, fmt.offset + 2), 1u);    // mono
    EXPECT_EQ(Le32(file, fmt.offset + 4), row.rate);
    EXPECT_EQ(Le32(file, fmt.offset + 8), row.rate);  // byte rate: one byte per sample
    EXPECT_EQ(Le16(file, fmt.offset + 12), 1u);   // block align
    EXPECT_EQ(Le16(file, fmt.offset + 14), 8u);   // bits per sample

    if (row.fact) {
      const Chunk& fact = riff.chunks[1];
      EXPECT_EQ(fact.id, "fact");
      ASSERT_EQ(fact.size, 4u);
      EXPECT_EQ(Le32(file, fact.offset), row.dataBytes);  // sample count
    }
    const Chunk& data = riff.chunks.back();
    EXPECT_EQ(data.id, "data");
    EXPECT_EQ(data.size, row.dataBytes);
  }
}

TEST(CueFiles, OnlyTheErrorCueHasAFactChunk) {
  for (const CueRow& row : kCues) {
    const Bytes file = Load(row);
    const RiffFile riff = ParseRiffWave(file);
    const bool hasFact = std::any_of(riff.chunks.begin(), riff.chunks.end(), [](const Chunk& c) { return c.id == "fact"; });
    EXPECT_EQ(hasFact, row.fact) << row.name;
  }
}

TEST(CueFiles, OddDataIsFollowedByAZeroPadByte) {
  for (const CueRow& row : kCues) {
    if (row.dataBytes % 2 == 0) continue;
    const Bytes file = Load(row);
    ASSERT_EQ(file.size(), row.fileBytes) << row.name;
    EXPECT_EQ(file.back(), 0) << row.name;
  }
}

TEST(CueFiles, SoundStartsAndEndsInSilenceAndIsAudibleBetween) {
  // 8-bit PCM is unsigned with 128 as silence; a cue that starts or stops
  // away from it clicks, and one that never leaves it is mute.
  for (const CueRow& row : kCues) {
    SCOPED_TRACE(row.name);
    const Bytes file = Load(row);
    const Bytes samples = Samples(file, ParseRiffWave(file));
    ASSERT_EQ(samples.size(), row.dataBytes);
    EXPECT_LE(std::abs(samples.front() - 128), 4);
    EXPECT_LE(std::abs(samples.back() - 128), 4);
    int peak = 0;
    for (const std::uint8_t s : samples) peak = std::max(peak, std::abs(s - 128));
    EXPECT_GE(peak, 80);
  }
}

// Mean distance from silence over a stretch of samples, as a fraction of the file.
double Loudness(const Bytes& s, double from, double to) {
  const std::size_t a = static_cast<std::size_t>(from * static_cast<double>(s.size()));
  const std::size_t b = static_cast<std::size_t>(to * static_cast<double>(s.size()));
  double sum = 0;
  for (std::size_t i = a; i < b; ++i) sum += std::abs(s[i] - 128);
  return sum / static_cast<double>(b - a);
}

TEST(CueFiles, ShortCuesDieAwayAndTheLongOnesKeepSounding) {
  const auto samplesOf = [](const CueRow& row) {
    const Bytes file = Load(row);
    return Samples(file, ParseRiffWave(file));
  };
  // The click is over within its first third.
  const Bytes click = samplesOf(kCues[2]);
  EXPECT_GT(Loudness(click, 0.0, 0.2), 10 * Loudness(click, 0.4, 1.0));
  // The spring's ring decays.
  const Bytes boing = samplesOf(kCues[0]);
  EXPECT_GT(Loudness(boing, 0.0, 0.25), 2 * Loudness(boing, 0.75, 1.0));
  // Applause and the losing tune are heard through their middles.
  for (const int i : {1, 4}) {
    const Bytes s = samplesOf(kCues[i]);
    EXPECT_GT(Loudness(s, 0.3, 0.5), 5.0) << kCues[i].name;
  }
}

}  // namespace
