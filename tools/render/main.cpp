// zot-render: pictures the table into a PNG, exactly as the frame buffer holds
// it, for looking at the art and for comparing with screenshots of the program.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "game/table.h"
#include "gfx/framebuffer.h"
#include "gfx/native/native_platform.h"
#include "gfx/pixels.h"
#include "gfx/scene.h"
#include "gfx/sprite.h"
#include "tools/render/png_writer.h"
#include "tools/sim/headless.h"

namespace {

const char kUsage[] =
    "usage:\n"
    "  zot-render --idle [--players 2|3|4] -o OUT.png\n"
    "  zot-render --seed S [--players 2|3|4] [--rules standard|until-playable]\n"
    "             [--length one-deal|to-500] [--moves N] -o OUT.png\n"
    "  zot-render --sheet -o OUT.png\n"
    "options:\n"
    "  --bitmaps DIR   read <NAME>.bmp from DIR (default: the source tree's resources/bitmaps)\n"
    "\n"
    "--idle draws the table before the first deal (players default 4).\n"
    "--seed runs the simulator's match (calendar seconds S at start-up, default\n"
    "settings: 4 players, standard rules, one deal) through its first click and N\n"
    "moves (default 0), then draws the table as the program would show it. When the\n"
    "match ends before N moves, the table after its last move is drawn.\n"
    "--sheet lays out all 58 bitmaps on grey: first row IDB_FELT, IDB_FLOW_ARROW,\n"
    "IDB_COLOR_BAR, IDB_CARD_BACK, IDB_WILD, IDB_WILD_DRAW_FOUR; then one row per\n"
    "colour (BLUE, GREEN, RED, YELLOW) with faces 0-9, DRAW_TWO, REVERSE, SKIP.\n"
    "A bitmap that does not load shows as a magenta block.\n"
    "\n"
    "The table picture is the whole 600 x 400 frame, including its last column and\n"
    "row, which the drawing never touches (black). Each 16-bit 5-5-5 pixel becomes\n"
    "8 bits per channel as (c << 3) | (c >> 2) for each 5-bit channel c, the way the\n"
    "X server shows a 16-bit DIB: 0 -> 0, 16 -> 132, 31 -> 255.\n";

struct Options {
  enum Mode { kNone, kIdle, kDeal, kSheet } mode = kNone;
  MatchSettings match;
  long moves = 0;
  const char* output = nullptr;
  const char* bitmaps = nullptr;
};

bool ParseInt(const char* text, long long low, long long high, long long* out) {
  if (text == nullptr || *text == '\0') return false;
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  if (errno != 0 || *end != '\0' || value < low || value > high) return false;
  *out = value;
  return true;
}

bool ParseOptions(int argc, char** argv, Options* options) {
  bool playersGiven = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    long long number = 0;
    if (arg == "--idle") {
      options->mode = Options::kIdle;
    } else if (arg == "--sheet") {
      options->mode = Options::kSheet;
    } else if (arg == "--seed" && ParseInt(value, INT64_MIN, INT64_MAX, &number)) {
      options->mode = Options::kDeal;
      options->match.seed = number;
      ++i;
    } else if (arg == "--players" && ParseInt(value, 2, 4, &number)) {
      options->match.players = static_cast<int>(number);
      playersGiven = true;
      ++i;
    } else if (arg == "--moves" && ParseInt(value, 0, 100000000, &number)) {
      options->moves = static_cast<long>(number);
      ++i;
    } else if (arg == "--rules" && value != nullptr &&
               (std::strcmp(value, "standard") == 0 || std::strcmp(value, "until-playable") == 0)) {
      options->match.rules =
          std::strcmp(value, "standard") == 0 ? RuleVariant::kStandard : RuleVariant::kUntilPlayable;
      ++i;
    } else if (arg == "--length" && value != nullptr &&
               (std::strcmp(value, "one-deal") == 0 || std::strcmp(value, "to-500") == 0)) {
      options->match.length =
          std::strcmp(value, "one-deal") == 0 ? MatchLength::kOneDeal : MatchLength::kToFiveHundred;
      ++i;
    } else if (arg == "-o" && value != nullptr) {
      options->output = value;
      ++i;
    } else if (arg == "--bitmaps" && value != nullptr) {
      options->bitmaps = value;
      ++i;
    } else {
      std::fprintf(stderr, "zot-render: bad or incomplete option '%s'\n", arg.c_str());
      return false;
    }
  }
  if (options->mode == Options::kNone || options->output == nullptr) return false;
  if (options->mode == Options::kSheet && playersGiven) {
    std::fprintf(stderr, "zot-render: --players does not apply to --sheet\n");
    return false;
  }
  return true;
}

int CountMissingSprites() {
  int missing = 0;
  for (int i = 0; i < kSpriteCount; ++i) {
    const Sprite* sprite = i == 0 ? feltSprite : i == 1 ? flowArrowSprite : i == 2 ? colorBarSprite : cardSprites[i - 3];
    if (sprite == nullptr || sprite->pixels == nullptr) {
      std::fprintf(stderr, "zot-render: %s did not load from %s\n", kSpriteNames[i], BitmapDirectory());
      ++missing;
    }
  }
  return missing;
}

// Runs the simulator's match to the requested move, saying where it stopped.
void PlayTo(const Options& options) {
  SetUpTable(options.match);
  DealRecord deal{};
  BeginMatch(&deal);
  StepResult result;
  const long made = StepMoves(options.moves, &result);
  if (made < options.moves) {
    std::fprintf(stderr, "zot-render: %s after %ld of %ld moves; drawing the table as it stands\n",
                 result == StepResult::kMatchOver ? "match over" : "no move possible", made, options.moves);
  }
  std::fprintf(stderr, "zot-render: after %ld moves: %s, seat %d to move, %d cards to draw\n", made,
               gameTable.dealActive ? "deal in progress" : "idle table", gameTable.currentPlayer,
               PileCount(gameTable.drawPile));
}

struct Canvas {
  int width, height;
  std::vector<std::uint8_t> rgb;
  Canvas(int w, int h) : width(w), height(h), rgb(static_cast<std::size_t>(w) * h * 3) {
    for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = 0x60;
  }
  void Put(int x, int y, const std::uint8_t* color) {
    std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    p[0] = color[0];
    p[1] = color[1];
    p[2] = color[2];
  }
  // Draws a sprite at (x, y); a sprite without pixels is a magenta block of `w` x `h`.
  void Place(int x, int y, const Sprite* sprite, int w, int h) {
    if (sprite == nullptr || sprite->pixels == nullptr) {
      const std::uint8_t magenta[3] = {255, 0, 255};
      for (int dy = 0; dy < h; ++dy) {
        for (int dx = 0; dx < w; ++dx) Put(x + dx, y + dy, magenta);
      }
      return;
    }
    for (int sy = 0; sy < sprite->height && y + sy < height; ++sy) {
      for (int sx = 0; sx < sprite->width && x + sx < width; ++sx) {
        std::uint8_t color[3];
        Expand555(sprite->pixels[sprite->rowOffsets[sy] + sx], color);
        Put(x + sx, y + sy, color);
      }
    }
  }
};

Canvas ContactSheet() {
  constexpr int kGap = 8, kCard = 60, kCardHigh = 90, kTallest = 100;
  Canvas sheet(kGap + 13 * (kCard + kGap), kGap + kTallest + kGap + 4 * (kCardHigh + kGap));
  const struct {
    const Sprite* sprite;
    int w, h;
  } top[] = {{feltSprite, 100, 100},     {flowArrowSprite, 43, 43},  {colorBarSprite, 60, 80},
             {cardSprites[0], 60, 90},   {cardSprites[53], 60, 90},  {cardSprites[54], 60, 90}};
  int x = kGap;
  for (const auto& item : top) {
    sheet.Place(x, kGap, item.sprite, item.w, item.h);
    x += item.w + kGap;
  }
  for (int color = 0; color < 4; ++color) {
    const int y = kGap + kTallest + kGap + color * (kCardHigh + kGap);
    for (int face = 0; face < 13; ++face) {
      sheet.Place(kGap + face * (kCard + kGap), y, cardSprites[color * 13 + face + 1], kCard, kCardHigh);
    }
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (options.bitmaps != nullptr) SetBitmapDirectory(options.bitmaps);

  LoadSprites();
  const int missing = CountMissingSprites();
  bool written = false;
  if (options.mode == Options::kSheet) {
    const Canvas sheet = ContactSheet();
    written = WritePng(options.output, sheet.width, sheet.height, sheet.rgb);
  } else {
    if (options.mode == Options::kDeal) {
      PlayTo(options);
    } else {
      gameTable = GameTable{};
      gameTable.playerCount = options.match.players;
    }
    // Made only now: the runner's redraws during the match need not draw.
    CreateFrameBuffer(kFrameWidth, kFrameHeight);
    if (frameBuffer == nullptr) {
      std::fprintf(stderr, "zot-render: no memory for the frame\n");
      return 1;
    }
    RenderTable(mainWindow);
    written = WritePng(options.output, frameBuffer->width, frameBuffer->height, FrameRgb(*frameBuffer));
    DestroyFrameBuffer();
  }
  FreeSprites();
  if (!written) {
    std::fprintf(stderr, "zot-render: cannot write %s\n", options.output);
    return 1;
  }
  return missing == 0 ? 0 : 3;
}
