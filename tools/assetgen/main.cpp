// zot-assetgen OUTDIR: writes bitmaps/, sounds/, zot.ico, the page's app
// icons (icons/) and the page's table art (art/cards.svg) under OUTDIR.
// The output depends on nothing but this program, so the committed assets can
// be checked against a fresh run byte for byte.
#include <cstdio>
#include <filesystem>
#include <string>

#include "card_art.h"
#include "game/cards.h"
#include "icon_art.h"
#include "indexed_image.h"
#include "sound_synth.h"
#include "table_art.h"

namespace {

using namespace assetgen;

bool WriteBitmap(const std::filesystem::path& dir, const std::string& name, const IndexedImage& image,
                 std::uint32_t coloursUsedField = 256) {
  const std::string path = (dir / (name + ".bmp")).string();
  if (WriteFile(path, EncodeBmp(image, SharedPalette(), coloursUsedField))) return true;
  std::fprintf(stderr, "zot-assetgen: cannot write %s\n", path.c_str());
  return false;
}

// One symbol of the page's sprite: `id`, a viewBox and the design's elements.
std::string Symbol(const std::string& id, const std::string& box, const std::string& svg) {
  return "<symbol id=\"" + id + "\" viewBox=\"" + box + "\">" + svg + "</symbol>\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zot-assetgen OUTDIR\n");
    return 2;
  }
  const std::filesystem::path out(argv[1]);
  const std::filesystem::path bitmaps = out / "bitmaps";
  const std::filesystem::path sounds = out / "sounds";
  const std::filesystem::path icons = out / "icons";
  std::error_code error;
  std::filesystem::create_directories(bitmaps, error);
  std::filesystem::create_directories(sounds, error);
  std::filesystem::create_directories(icons, error);
  const std::filesystem::path art = out / "art";
  std::filesystem::create_directories(art, error);

  bool ok = WriteBitmap(bitmaps, "IDB_FELT", DrawFelt());
  // The arrow atlas keeps the colours-used field at 0, read as a full palette.
  ok = WriteBitmap(bitmaps, "IDB_FLOW_ARROW", DrawFlowArrows(), 0) && ok;
  // The page's sprite: each card by its code ("c" and the code, the back
  // "c0"), each colour's strip ("k" and the colour), drawn from the very
  // designs the bitmaps are.
  std::string sprite;
  const IndexedImage bar = DrawColourBar();
  ok = WriteBitmap(bitmaps, "IDB_COLOR_BAR", bar) && ok;
  for (int colour = 0; colour < 4; ++colour) {
    sprite += Symbol("k" + std::to_string(colour), "0 " + std::to_string(20 * colour) + " 60 20", bar.svg);
  }
  const IndexedImage back = DrawCardBack();
  ok = WriteBitmap(bitmaps, "IDB_CARD_BACK", back) && ok;
  const std::string cardBox = "0 0 " + std::to_string(kCardWidth) + " " + std::to_string(kCardHeight);
  sprite += Symbol("c" + std::to_string(kNoCard), cardBox, back.svg);
  const char* const colourWords[4] = {"BLUE", "GREEN", "RED", "YELLOW"};
  const char* const actionWords[3] = {"DRAW_TWO", "REVERSE", "SKIP"};
  // Face by face, so that a face's four colours, which differ in little, lie
  // close together for the packer.
  for (int face = 0; face < 13; ++face) {
    for (int colour = 0; colour < 4; ++colour) {
      const std::string faceWord = face < 10 ? std::to_string(face) : actionWords[face - 10];
      const IndexedImage card = DrawColouredCard(colour, face);
      ok = WriteBitmap(bitmaps, std::string("IDB_") + colourWords[colour] + "_" + faceWord, card) && ok;
      sprite += Symbol("c" + std::to_string(MakeCard(colour, face)), cardBox, card.svg);
    }
  }
  const IndexedImage wild = DrawWildCard(false), wildFour = DrawWildCard(true);
  ok = WriteBitmap(bitmaps, "IDB_WILD", wild) && ok;
  ok = WriteBitmap(bitmaps, "IDB_WILD_DRAW_FOUR", wildFour) && ok;
  sprite += Symbol("c" + std::to_string(kWild), cardBox, wild.svg);
  sprite += Symbol("c" + std::to_string(kWildDrawFour), cardBox, wildFour.svg);
  const std::string spritePath = (art / "cards.svg").string();
  const std::string document = "<svg xmlns=\"http://www.w3.org/2000/svg\">\n" + sprite + "</svg>\n";
  if (!WriteFile(spritePath, std::vector<std::uint8_t>(document.begin(), document.end()))) {
    std::fprintf(stderr, "zot-assetgen: cannot write %s\n", spritePath.c_str());
    ok = false;
  }

  for (const CueFile& cue : BuildCues()) {
    const std::string path = (sounds / (cue.name + ".wav")).string();
    if (!WriteFile(path, cue.bytes)) {
      std::fprintf(stderr, "zot-assetgen: cannot write %s\n", path.c_str());
      ok = false;
    }
  }
  const std::string iconPath = (out / "zot.ico").string();
  if (!WriteFile(iconPath, BuildIcon())) {
    std::fprintf(stderr, "zot-assetgen: cannot write %s\n", iconPath.c_str());
    ok = false;
  }
  // The sizes an installed app needs; the page's site names them by these files.
  const struct {
    const char* name;
    int size;
    bool maskable;
  } appIcons[] = {{"icon-192.png", 192, false}, {"icon-512.png", 512, false}, {"icon-maskable-512.png", 512, true}};
  for (const auto& icon : appIcons) {
    const std::string path = (icons / icon.name).string();
    if (!WriteFile(path, BuildAppIcon(icon.size, icon.maskable))) {
      std::fprintf(stderr, "zot-assetgen: cannot write %s\n", path.c_str());
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
