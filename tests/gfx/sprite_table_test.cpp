// The sprite table filled from bitmap files, through the plain-memory seam.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "gfx/native/native_platform.h"
#include "gfx/sprite.h"
#include "gfx_test_support.h"

namespace {

namespace fs = std::filesystem;

struct SpriteTableTest : ::testing::Test {
  fs::path folder;
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("zot_gfx_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    SetBitmapDirectory(folder.c_str());
  }
  void TearDown() override {
    FreeSprites();
    SetBitmapDirectory(nullptr);
    fs::remove_all(folder);
  }
  // Writes <name>.bmp: a 14-byte file header, then the resource bytes.
  void WriteFile(const std::string& name, const std::vector<std::uint8_t>& resource,
                 const char* magic = "BM") {
    std::vector<std::uint8_t> file(14, 0);
    file[0] = static_cast<std::uint8_t>(magic[0]);
    file[1] = static_cast<std::uint8_t>(magic[1]);
    file.insert(file.end(), resource.begin(), resource.end());
    std::ofstream(folder / (name + ".bmp"), std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  }
  static std::vector<std::uint8_t> OneRow(std::uint32_t width) {
    BitmapLayout layout;
    layout.width = width;
    layout.height = 1;
    layout.index = [](int x, int) { return static_cast<std::uint8_t>(x % 256); };
    return MakeBitmap(layout);
  }
};

TEST_F(SpriteTableTest, NamesFollowTheLoadOrder) {
  EXPECT_STREQ(kSpriteNames[0], "IDB_FELT");
  EXPECT_STREQ(kSpriteNames[1], "IDB_FLOW_ARROW");
  EXPECT_STREQ(kSpriteNames[2], "IDB_COLOR_BAR");
  EXPECT_STREQ(kSpriteNames[3], "IDB_CARD_BACK");
  // Slot colour * 13 + face + 1 sits at load position slot + 3.
  const char* colors[] = {"BLUE", "GREEN", "RED", "YELLOW"};
  const char* faces[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "DRAW_TWO", "REVERSE", "SKIP"};
  for (int c = 0; c < 4; ++c) {
    for (int f = 0; f < 13; ++f) {
      const std::string name = std::string("IDB_") + colors[c] + "_" + faces[f];
      EXPECT_EQ(kSpriteNames[c * 13 + f + 1 + 3], name);
    }
  }
  EXPECT_STREQ(kSpriteNames[53 + 3], "IDB_WILD");
  EXPECT_STREQ(kSpriteNames[54 + 3], "IDB_WILD_DRAW_FOUR");
}

TEST_F(SpriteTableTest, EachFileLandsInItsSlot) {
  // File i is i + 1 pixels wide, so a sprite's width tells which file it came from.
  for (int i = 0; i < kSpriteCount; ++i) WriteFile(kSpriteNames[i], OneRow(static_cast<std::uint32_t>(i + 1)));
  LoadSprites();
  ASSERT_NE(feltSprite, nullptr);
  ASSERT_NE(flowArrowSprite, nullptr);
  ASSERT_NE(colorBarSprite, nullptr);
  EXPECT_EQ(feltSprite->width, 1);
  EXPECT_EQ(flowArrowSprite->width, 2);
  EXPECT_EQ(colorBarSprite->width, 3);
  for (int slot = 0; slot < kCardSpriteCount; ++slot) {
    ASSERT_NE(cardSprites[slot], nullptr);
    EXPECT_EQ(cardSprites[slot]->width, slot + 4) << slot;
    ASSERT_NE(cardSprites[slot]->pixels, nullptr);
  }
  // The file header is skipped: pixel x has palette index x.
  BitmapLayout layout;
  EXPECT_EQ(SpritePixel(*cardSprites[54], 57, 0), Pixel555(layout.color(57)));

  FreeSprites();
  EXPECT_EQ(feltSprite, nullptr);
  EXPECT_EQ(flowArrowSprite, nullptr);
  EXPECT_EQ(colorBarSprite, nullptr);
  for (Sprite* s : cardSprites) EXPECT_EQ(s, nullptr);
}

TEST_F(SpriteTableTest, MissingOrBrokenFilesLeaveEmptySprites) {
  WriteFile("IDB_FELT", OneRow(100));
  WriteFile("IDB_CARD_BACK", OneRow(60), "XX");           // not a bitmap file
  auto truncated = OneRow(60);
  truncated.resize(truncated.size() - 1);
  WriteFile("IDB_WILD", truncated);
  std::ofstream(folder / "IDB_RED_5.bmp", std::ios::binary).write("BM", 2);  // shorter than a file header
  LoadSprites();
  ASSERT_NE(feltSprite, nullptr);
  EXPECT_NE(feltSprite->pixels, nullptr);
  for (Sprite* s : {flowArrowSprite, colorBarSprite, cardSprites[0], cardSprites[53], cardSprites[31]}) {
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->pixels, nullptr);
    EXPECT_EQ(s->rowOffsets, nullptr);
  }
  LoadSprites();  // a second load replaces the first without leaking
  EXPECT_NE(feltSprite->pixels, nullptr);
}

TEST_F(SpriteTableTest, ResourceNamesCannotLeaveTheFolder) {
  fs::create_directories(folder / "sub");
  WriteFile("sub/IDB_FELT", OneRow(4));
  ResourceBytes bytes{};
  EXPECT_FALSE(OpenBitmapResource(nullptr, "sub/IDB_FELT", &bytes));
  EXPECT_FALSE(OpenBitmapResource(nullptr, "../IDB_FELT", &bytes));
  EXPECT_FALSE(OpenBitmapResource(nullptr, "", &bytes));
  EXPECT_FALSE(OpenBitmapResource(nullptr, nullptr, &bytes));
  EXPECT_EQ(bytes.data, nullptr);
  Sprite sprite{};
  EXPECT_EQ(LoadSprite(&sprite, SpriteModule(), "IDB_NOT_THERE"), &sprite);
  EXPECT_EQ(sprite.pixels, nullptr);
  EXPECT_EQ(LoadSprite(nullptr, SpriteModule(), "IDB_FELT"), nullptr);
}

TEST_F(SpriteTableTest, BitmapFolderCanBeChangedAndRestored) {
  EXPECT_EQ(std::string(BitmapDirectory()), folder.string());
  SetBitmapDirectory("");
  const std::string builtIn = BitmapDirectory();
  EXPECT_NE(builtIn, folder.string());
  EXPECT_NE(builtIn.find("resources/bitmaps"), std::string::npos);
}

}  // namespace
