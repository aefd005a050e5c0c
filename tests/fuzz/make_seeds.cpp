// Writes the decoder fuzzer's starting corpus: a few small 8-bit bitmaps in the
// resource layout (no file header), and the game's own bitmaps when a folder of
// them is given. Usage: zot_fuzz_seeds SEED_DIR WORK_DIR [BITMAP_DIR]
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::vector<std::uint8_t> Bitmap(std::uint32_t width, std::uint32_t height, std::uint32_t colorsUsed) {
  const std::uint32_t colors = colorsUsed == 0 ? 256 : colorsUsed;
  const std::size_t rowLength = (width + 3) & ~3u;
  std::vector<std::uint8_t> out(40 + 4 * colors + rowLength * height, 0);
  PutU32(out, 0, 40);
  PutU32(out, 4, width);
  PutU32(out, 8, height);
  out[12] = 1;
  out[14] = 8;
  PutU32(out, 32, colorsUsed);
  for (std::uint32_t i = 0; i < colors; ++i) {
    out[40 + 4 * i] = static_cast<std::uint8_t>(i * 3);
    out[41 + 4 * i] = static_cast<std::uint8_t>(255 - i);
    out[42 + 4 * i] = static_cast<std::uint8_t>(i * 11);
  }
  const std::size_t rows = 40 + 4 * colors;
  for (std::size_t y = 0; y < height; ++y) {
    for (std::size_t x = 0; x < width; ++x) {
      out[rows + y * rowLength + x] = static_cast<std::uint8_t>((x * 7 + y * 13) % colors);
    }
  }
  return out;
}

bool Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s SEED_DIR WORK_DIR [BITMAP_DIR]\n", argv[0]);
    return 2;
  }
  const fs::path seeds = argv[1];
  std::error_code error;
  fs::create_directories(seeds, error);
  fs::create_directories(argv[2], error);

  struct Seed {
    const char* name;
    std::uint32_t width, height, colorsUsed;
  } const made[] = {
      {"arrow_43x43_0colours", 43, 43, 0}, {"strip_60x20", 60, 20, 256}, {"tiny_3x2_2colours", 3, 2, 2},
      {"odd_5x7_17colours", 5, 7, 17},     {"card_60x90", 60, 90, 256},
  };
  int written = 0;
  for (const Seed& s : made) written += Write(seeds / s.name, Bitmap(s.width, s.height, s.colorsUsed));

  // The game's bitmaps as the resource compiler stores them: without the
  // 14-byte file header.
  if (argc > 3 && fs::is_directory(argv[3], error)) {
    for (const auto& entry : fs::directory_iterator(argv[3], error)) {
      if (entry.path().extension() != ".bmp") continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (file.size() <= 14) continue;
      file.erase(file.begin(), file.begin() + 14);
      written += Write(seeds / entry.path().stem(), file);
    }
  }
  std::printf("%d seed bitmaps in %s\n", written, seeds.c_str());
  return written > 0 ? 0 : 1;
}
