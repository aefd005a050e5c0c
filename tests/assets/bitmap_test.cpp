// The committed bitmaps against the catalogue, and the properties the table
// drawing relies on: the arrow key colour, strip order, readable fanned cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "asset_files.h"

namespace {

using namespace assets_test;

struct Entry {
  std::string name;
  int width;
  int height;
  std::uint32_t coloursUsed;
};

// Load order: felt, arrow atlas, colour bar, back, then faces by card code.
std::vector<Entry> Catalogue() {
  std::vector<Entry> entries{{"IDB_FELT", 100, 100, 256}, {"IDB_FLOW_ARROW", 43, 43, 0}, {"IDB_COLOR_BAR", 60, 80, 256},
                             {"IDB_CARD_BACK", 60, 90, 256}};
  const char* const colours[4] = {"BLUE", "GREEN", "RED", "YELLOW"};
  const char* const actions[3] = {"DRAW_TWO", "REVERSE", "SKIP"};
  for (const char* colour : colours) {
    for (int face = 0; face < 13; ++face) {
      const std::string word = face < 10 ? std::to_string(face) : actions[face - 10];
      entries.push_back({std::string("IDB_") + colour + "_" + word, 60, 90, 256});
    }
  }
  entries.push_back({"IDB_WILD", 60, 90, 256});
  entries.push_back({"IDB_WILD_DRAW_FOUR", 60, 90, 256});
  return entries;
}

BmpFile Load(const std::string& name) { return ParseBmp(ReadAll(ResourcePath("bitmaps/" + name + ".bmp"))); }

// Card slot 0 is the back, slot c the face of card code c.
std::vector<BmpFile> CardsBySlot() {
  std::vector<BmpFile> cards;
  const std::vector<Entry> entries = Catalogue();
  for (std::size_t i = 3; i < entries.size(); ++i) cards.push_back(Load(entries[i].name));
  return cards;
}

TEST(BitmapCatalogue, FolderHoldsExactlyTheFiftyEightBitmaps) {
  std::set<std::string> expected;
  for (const Entry& e : Catalogue()) expected.insert(e.name + ".bmp");
  ASSERT_EQ(expected.size(), 58u);
  std::set<std::string> found;
  for (const auto& item : std::filesystem::directory_iterator(ResourcePath("bitmaps"))) {
    found.insert(item.path().filename().string());
  }
  EXPECT_EQ(found, expected);
}

TEST(BitmapCatalogue, EveryBitmapHasItsSizeAndEightBitForm) {
  for (const Entry& e : Catalogue()) {
    SCOPED_TRACE(e.name);
    const Bytes file = ReadAll(ResourcePath("bitmaps/" + e.name + ".bmp"));
    const BmpFile bmp = ParseBmp(file);
    ASSERT_TRUE(bmp.ok);
    EXPECT_EQ(bmp.width, e.width);
    EXPECT_EQ(bmp.height, e.height);  // positive: stored bottom-up
    EXPECT_EQ(bmp.headerSize, 40u);
    EXPECT_EQ(bmp.planes, 1u);
    EXPECT_EQ(bmp.bitCount, 8u);
    EXPECT_EQ(bmp.compression, 0u);
    EXPECT_EQ(bmp.coloursUsed, e.coloursUsed);
    // A full palette in both cases, so the rows start at the same place.
    EXPECT_EQ(bmp.dataOffset, 14u + 40u + 1024u);
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(e.width) + 3u) & ~3u;
    EXPECT_EQ(file.size(), 14u + 40u + 1024u + rowBytes * static_cast<std::uint32_t>(e.height));
    EXPECT_EQ(bmp.fileSizeField, file.size());
    EXPECT_EQ(Le32(file, 34), rowBytes * static_cast<std::uint32_t>(e.height));  // image size field
  }
}

TEST(BitmapCatalogue, ArrowAtlasRowsArePaddedToFortyFourBytes) {
  const Bytes file = ReadAll(ResourcePath("bitmaps/IDB_FLOW_ARROW.bmp"));
  const BmpFile bmp = ParseBmp(file);
  ASSERT_TRUE(bmp.ok);
  EXPECT_EQ(bmp.rowBytes, 44u);
  EXPECT_EQ(file.size(), 14u + 40u + 1024u + 44u * 43u);
}

// Direction each cell's arrow points, by cell corner.
struct ArrowCell {
  int x, y, dx, dy;
};
constexpr ArrowCell kCells[4] = {{1, 1, -1, -1}, {22, 1, 1, -1}, {1, 22, -1, 1}, {22, 22, 1, 1}};

TEST(ArrowAtlas, OnlyIndexZeroIsBlackInThePalette) {
  // The keyed blit drops every pixel that converts to 0, so a second entry
  // that converts to black would punch holes into the arrows.
  const BmpFile bmp = Load("IDB_FLOW_ARROW");
  ASSERT_TRUE(bmp.ok);
  EXPECT_EQ(bmp.palette555[0], 0);
  for (int i = 1; i < 256; ++i) EXPECT_NE(bmp.palette555[static_cast<std::size_t>(i)], 0) << "entry " << i;
}

TEST(ArrowAtlas, CellBackgroundsAreBlackAndArrowsOpaque) {
  const BmpFile bmp = Load("IDB_FLOW_ARROW");
  ASSERT_TRUE(bmp.ok);
  for (const ArrowCell& cell : kCells) {
    SCOPED_TRACE(testing::Message() << "cell " << cell.x << "," << cell.y);
    int opaque = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        const std::uint16_t p = bmp.Pixel(cell.x + x, cell.y + y);
        if (p != 0) ++opaque;
        // Distance from the diagonal the arrow lies on, in pixels times sqrt 2.
        const double u = x - 9.5;
        const double v = y - 9.5;
        const double across = cell.dx * cell.dy > 0 ? u - v : u + v;
        const double along = (u * cell.dx + v * cell.dy);
        if (across > 12.0 || across < -12.0) {
          EXPECT_EQ(p, 0) << "background at " << x << "," << y;
        }
        if (across <= 1.0 && across >= -1.0 && along >= -6.0 && along <= 10.0) {
          EXPECT_NE(p, 0) << "arrow body at " << x << "," << y;
        }
      }
    }
    EXPECT_EQ(bmp.Pixel(cell.x, cell.y + 19), 0);
    EXPECT_EQ(bmp.Pixel(cell.x + 19, cell.y), 0);
    EXPECT_EQ(bmp.Pixel(cell.x, cell.y), 0);
    EXPECT_EQ(bmp.Pixel(cell.x + 19, cell.y + 19), 0);
    EXPECT_GT(opaque, 80);
    EXPECT_LT(opaque, 300);
  }
}

TEST(ArrowAtlas, EachArrowPointsTowardItsCorner) {
  // The head is the wide end: opaque pixels far from the arrow's axis lie
  // only on the half of the cell toward the corner it points at.
  const BmpFile bmp = Load("IDB_FLOW_ARROW");
  ASSERT_TRUE(bmp.ok);
  for (const ArrowCell& cell : kCells) {
    SCOPED_TRACE(testing::Message() << "cell " << cell.x << "," << cell.y);
    int wideAhead = 0;
    int wideBehind = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        if (bmp.Pixel(cell.x + x, cell.y + y) == 0) continue;
        const double u = x - 9.5;
        const double v = y - 9.5;
        const double across = cell.dx * cell.dy > 0 ? u - v : u + v;  // sqrt 2 times the distance
        const double along = u * cell.dx + v * cell.dy;
        if (across <= 5.0 && across >= -5.0) continue;
        // The head's base sits just behind the centre; its outline may reach back a pixel.
        if (along > 0) ++wideAhead;
        if (along < -2.5) ++wideBehind;
      }
    }
    EXPECT_GE(wideAhead, 10);
    EXPECT_EQ(wideBehind, 0);
  }
}

// Average colour of a rectangle, from the 5-5-5 pixels the game draws.
struct Average {
  double r = 0, g = 0, b = 0;
};
Average Mean(const BmpFile& bmp, int x0, int y0, int x1, int y1) {
  Average a;
  int n = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const std::uint16_t p = bmp.Pixel(x, y);
      a.r += Red(p);
      a.g += Green(p);
      a.b += Blue(p);
      ++n;
    }
  }
  a.r /= n;
  a.g /= n;
  a.b /= n;
  return a;
}

// True when `a` reads as card colour `colour` (0 blue, 1 green, 2 red, 3 yellow).
bool LooksLike(const Average& a, int colour) {
  switch (colour) {
    case 0: return a.b > a.r + 40 && a.b > a.g + 40;
    case 1: return a.g > a.r + 40 && a.g > a.b + 40;
    case 2: return a.r > a.g + 40 && a.r > a.b + 40;
    default: return a.r > 150 && a.g > 120 && a.b < a.r / 2 && a.b < a.g / 2;
  }
}

TEST(ColourBar, StripsFollowColourOrder) {
  const BmpFile bmp = Load("IDB_COLOR_BAR");
  ASSERT_TRUE(bmp.ok);
  for (int colour = 0; colour < 4; ++colour) {
    const Average a = Mean(bmp, 8, 20 * colour + 4, 52, 20 * colour + 16);
    EXPECT_TRUE(LooksLike(a, colour)) << "strip " << colour << ": " << a.r << " " << a.g << " " << a.b;
    for (int other = 0; other < 4; ++other) {
      if (other != colour) {
        EXPECT_FALSE(LooksLike(a, other)) << "strip " << colour << " like " << other;
      }
    }
  }
}

// How strongly each pixel of a box is coloured, against pixel `field`: 2 for half
// its strength or more, 0 for a sixth or less (white, greys, outlines), 1 for the
// edges between. Inside a card's white border its own colour is the only one, so
// its tints and shades count alike whatever the colour, and no edge tips a count.
std::vector<int> ColourLevels(const BmpFile& bmp, int x0, int y0, int x1, int y1, std::uint16_t field) {
  auto chroma = [](std::uint16_t p) {
    return std::max({Red(p), Green(p), Blue(p)}) - std::min({Red(p), Green(p), Blue(p)});
  };
  std::vector<int> levels;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const int c = chroma(bmp.Pixel(x, y));
      levels.push_back(2 * c >= chroma(field) ? 2 : 6 * c <= chroma(field) ? 0 : 1);
    }
  }
  return levels;
}

TEST(ColourMarks, EveryColourHasItsOwnShapeNotOnlyItsOwnHue) {
  // Seen without colour vision only the shape of the coloured part is left: on
  // every face and on the bar, any two colours must differ there in a good part
  // of a mark (some 40 pixels), where without marks they differ in none.
  const std::vector<BmpFile> cards = CardsBySlot();
  const BmpFile bar = Load("IDB_COLOR_BAR");
  ASSERT_TRUE(cards.size() == 55u && bar.ok);
  int least = 60 * 90;
  for (int face = 0; face <= 13; ++face) {  // the thirteen faces, then the bar
    std::vector<int> levels[4];
    for (int c = 0; c < 4; ++c) {
      const BmpFile& card = cards[static_cast<std::size_t>(1 + 13 * c + face % 13)];
      levels[c] = face == 13 ? ColourLevels(bar, 0, 20 * c, 60, 20 * c + 20, bar.Pixel(6, 20 * c + 10))
                             : ColourLevels(card, 3, 3, 57, 87, card.Pixel(5, 45));  // inside the white border
    }
    for (int a = 0; a < 4; ++a) {
      for (int b = a + 1; b < 4; ++b) {
        int d = 0;
        for (std::size_t i = 0; i < levels[a].size(); ++i) d += std::abs(levels[a][i] - levels[b][i]) == 2;
        least = std::min(least, d);
        EXPECT_GE(d, 12) << "face " << face << " (13: the bar), colours " << a << " and " << b;
      }
    }
  }
  RecordProperty("fewest_differing_mask_pixels", least);
}

TEST(Felt, TileEdgesJoinLikeItsInterior) {
  // Laid 6 x 4, the tile meets itself: the step from its last column to its
  // first must be no rougher than steps inside it, or seams show.
  const BmpFile bmp = Load("IDB_FELT");
  ASSERT_TRUE(bmp.ok);
  auto luminance = [&](int x, int y) {
    const std::uint16_t p = bmp.Pixel(x, y);
    return 2 * Red(p) + 5 * Green(p) + Blue(p);
  };
  auto columnStep = [&](int a, int b) {
    double sum = 0;
    for (int y = 0; y < 100; ++y) sum += std::abs(luminance(a, y) - luminance(b, y));
    return sum / 100;
  };
  auto rowStep = [&](int a, int b) {
    double sum = 0;
    for (int x = 0; x < 100; ++x) sum += std::abs(luminance(x, a) - luminance(x, b));
    return sum / 100;
  };
  double interiorColumns = 0, interiorRows = 0;
  for (int i = 0; i < 99; ++i) {
    interiorColumns += columnStep(i, i + 1) / 99;
    interiorRows += rowStep(i, i + 1) / 99;
  }
  EXPECT_LE(columnStep(99, 0), 1.5 * interiorColumns);
  EXPECT_LE(rowStep(99, 0), 1.5 * interiorRows);
  // And it is green baize, not a flat fill.
  const Average a = Mean(bmp, 0, 0, 100, 100);
  EXPECT_TRUE(a.g > a.r + 30 && a.g > a.b + 30);
  EXPECT_GT(interiorColumns, 0.0);
}

// How many pixels of the left `columns` columns differ between two cards.
int StripDifference(const BmpFile& a, const BmpFile& b, int columns) {
  int n = 0;
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < columns; ++x) n += a.Pixel(x, y) != b.Pixel(x, y);
  }
  return n;
}

TEST(FannedCards, LeftEightColumnsTellEveryCardApart) {
  // In a long hand only 8 columns of a covered card show; any two different
  // cards must differ there by a visible amount, not a stray pixel.
  const std::vector<BmpFile> cards = CardsBySlot();
  ASSERT_EQ(cards.size(), 55u);
  for (const BmpFile& c : cards) ASSERT_TRUE(c.ok && c.width == 60 && c.height == 90);
  int least = 60 * 90;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    for (std::size_t j = i + 1; j < cards.size(); ++j) {
      const int d = StripDifference(cards[i], cards[j], 8);
      least = std::min(least, d);
      EXPECT_GE(d, 8) << "slots " << i << " and " << j;
    }
  }
  RecordProperty("fewest_differing_pixels", least);
}

TEST(FannedCards, ColouredCardsShowTheirColourInTheLeftStrip) {
  const std::vector<BmpFile> cards = CardsBySlot();
  ASSERT_EQ(cards.size(), 55u);
  for (int code = 1; code <= 52; ++code) {
    const int colour = (code - 1) / 13;
    const Average a = Mean(cards[static_cast<std::size_t>(code)], 3, 22, 8, 68);
    EXPECT_TRUE(LooksLike(a, colour)) << "code " << code << ": " << a.r << " " << a.g << " " << a.b;
  }
  // The wild cards' strips carry no single card colour.
  for (int code = 53; code <= 54; ++code) {
    const Average a = Mean(cards[static_cast<std::size_t>(code)], 3, 22, 8, 68);
    for (int colour = 0; colour < 4; ++colour) EXPECT_FALSE(LooksLike(a, colour)) << "code " << code;
  }
}

TEST(FannedCards, CornerIndexSitsInTheFirstEightColumns) {
  // The top-left index is what identifies a covered card: each face has index
  // pixels, unlike its field, within columns 3..7 near the top.
  const std::vector<BmpFile> cards = CardsBySlot();
  ASSERT_EQ(cards.size(), 55u);
  for (int code = 1; code <= 54; ++code) {
    const BmpFile& card = cards[static_cast<std::size_t>(code)];
    const std::uint16_t field = card.Pixel(5, 45);
    int marked = 0;
    for (int y = 3; y < 17; ++y) {
      for (int x = 3; x < 8; ++x) {
        const std::uint16_t p = card.Pixel(x, y);
        const int d = std::abs(Red(p) - Red(field)) + std::abs(Green(p) - Green(field)) + std::abs(Blue(p) - Blue(field));
        if (d > 150) ++marked;
      }
    }
    EXPECT_GE(marked, 12) << "code " << code;
  }
}

TEST(CardArt, EveryCardHasARoundedEdgeOnTheTable) {
  // The corners outside the rounded outline match the felt-like green the
  // cards are drawn on, not the white of the card.
  for (const BmpFile& c : CardsBySlot()) {
    ASSERT_TRUE(c.ok);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{59, 0}, std::pair{0, 89}, std::pair{59, 89}}) {
      const std::uint16_t p = c.Pixel(x, y);
      EXPECT_TRUE(Green(p) > Red(p) + 30 && Green(p) > Blue(p) + 20) << x << "," << y;
    }
    const std::uint16_t edge = c.Pixel(30, 0);
    EXPECT_LT(Red(edge) + Green(edge) + Blue(edge), 3 * 90);  // dark outline along the top
    const std::uint16_t border = c.Pixel(30, 2);
    EXPECT_GT(Red(border) + Green(border) + Blue(border), 3 * 220);  // white border inside it
  }
}

}  // namespace
