// Bitmap resources read from <folder>/<NAME>.bmp. A .bmp file is the resource
// with a 14-byte file header in front, which the resource compiler drops; it is
// dropped here too, so the decoder sees exactly the resource's bytes.
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "gfx/native/native_platform.h"
#include "gfx/sprite.h"

#ifndef ZOT_BITMAP_DIR
#define ZOT_BITMAP_DIR "resources/bitmaps"
#endif

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr long kMaxFileSize = 16L << 20;  // far above any bitmap of the game
std::string bitmapDirectory = ZOT_BITMAP_DIR;

// Resource names only: nothing that could step out of the folder.
bool PlainName(const char* name) {
  if (name == nullptr || *name == '\0') return false;
  for (const char* p = name; *p != '\0'; ++p) {
    if (*p == '/' || *p == '\\' || *p == '.') return false;
  }
  return true;
}

}  // namespace

void SetBitmapDirectory(const char* directory) {
  bitmapDirectory = (directory == nullptr || *directory == '\0') ? ZOT_BITMAP_DIR : directory;
}

const char* BitmapDirectory() { return bitmapDirectory.c_str(); }

ModuleHandle SpriteModule() { return nullptr; }

bool OpenBitmapResource(ModuleHandle, const char* name, ResourceBytes* out) {
  if (out == nullptr) return false;
  *out = ResourceBytes{};
  if (!PlainName(name)) return false;

  const std::string path = bitmapDirectory + "/" + name + ".bmp";
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;

  std::uint8_t* buffer = nullptr;
  long size = -1;
  if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
  if (size >= static_cast<long>(kFileHeaderSize) && size <= kMaxFileSize &&
      std::fseek(file, 0, SEEK_SET) == 0) {
    buffer = new (std::nothrow) std::uint8_t[static_cast<std::size_t>(size)];
    if (buffer != nullptr &&
        std::fread(buffer, 1, static_cast<std::size_t>(size), file) != static_cast<std::size_t>(size)) {
      delete[] buffer;
      buffer = nullptr;
    }
  }
  std::fclose(file);
  if (buffer == nullptr) return false;
  if (buffer[0] != 'B' || buffer[1] != 'M') {
    delete[] buffer;
    return false;
  }
  out->data = buffer + kFileHeaderSize;
  out->size = static_cast<std::size_t>(size) - kFileHeaderSize;
  out->handle = buffer;
  return true;
}

void CloseBitmapResource(ResourceBytes* resource) {
  if (resource == nullptr) return;
  delete[] static_cast<std::uint8_t*>(resource->handle);
  *resource = ResourceBytes{};
}
