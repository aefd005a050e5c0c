// zot-assetgen OUTDIR: writes bitmaps/, sounds/, zot.ico and the page's app
// icons (icons/) under OUTDIR.
// The output depends on nothing but this program, so the committed assets can
// be checked against a fresh run byte for byte.
#include <cstdio>
#include <filesystem>
#include <string>

#include "card_art.h"
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

  bool ok = WriteBitmap(bitmaps, "IDB_FELT", DrawFelt());
  // The arrow atlas keeps the colours-used field at 0, read as a full palette.
  ok = WriteBitmap(bitmaps, "IDB_FLOW_ARROW", DrawFlowArrows(), 0) && ok;
  ok = WriteBitmap(bitmaps, "IDB_COLOR_BAR", DrawColourBar()) && ok;
  ok = WriteBitmap(bitmaps, "IDB_CARD_BACK", DrawCardBack()) && ok;
  const char* const colourWords[4] = {"BLUE", "GREEN", "RED", "YELLOW"};
  const char* const actionWords[3] = {"DRAW_TWO", "REVERSE", "SKIP"};
  for (int colour = 0; colour < 4; ++colour) {
    for (int face = 0; face < 13; ++face) {
      const std::string faceWord = face < 10 ? std::to_string(face) : actionWords[face - 10];
      ok = WriteBitmap(bitmaps, std::string("IDB_") + colourWords[colour] + "_" + faceWord, DrawColouredCard(colour, face)) && ok;
    }
  }
  ok = WriteBitmap(bitmaps, "IDB_WILD", DrawWildCard(false)) && ok;
  ok = WriteBitmap(bitmaps, "IDB_WILD_DRAW_FOUR", DrawWildCard(true)) && ok;

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
