// Bitmap resources decoded to 16-bit sprites, and the two clipped blits.
#pragma once

#include <cstddef>
#include <cstdint>

struct Sprite {
  std::int32_t width;
  std::int32_t height;
  std::int32_t rowStep;          // +width
  std::uint16_t* pixels;         // top row first, null when not loaded
  std::int32_t* rowOffsets;      // rowOffsets[y] = y * width
};

using ModuleHandle = void*;

constexpr int kSpriteCount = 58;
constexpr int kCardSpriteCount = 55;  // slot 0 the back, 1..54 the faces

// Resource names in load order: felt, arrow atlas, colour bar, card back, 54 faces.
extern const char* const kSpriteNames[kSpriteCount];

extern Sprite* feltSprite;
extern Sprite* flowArrowSprite;
extern Sprite* colorBarSprite;
extern Sprite* cardSprites[kCardSpriteCount];

// Decodes an 8-bit bitmap resource (info header, palette, bottom-up rows) into
// `sprite`. Returns true when the sprite got pixels. Bytes that do not hold what
// the header claims leave the sprite without pixels; nothing is read out of bounds.
// Refused: header size below 40 or past the end, bit count other than 8, more
// than 256 colours, zero width or height, rows or palette beyond the length.
// Pixels the sprite already held are released first, so start from Sprite{}.
bool DecodeSprite(Sprite& sprite, const std::uint8_t* bytes, std::size_t length);
// Finds and decodes bitmap resource `name` of `module`; returns the sprite.
Sprite* LoadSprite(Sprite* sprite, ModuleHandle module, const char* name);
void DestroySprite(Sprite& sprite);

void LoadSprites();
// Also sets the slots back to null.
void FreeSprites();

// Clipped to the frame (one pixel short at the right and bottom) and to the
// sprite; a null sprite, one without pixels, or no frame buffer draws nothing.
void BlitOpaque(int x, int y, const Sprite* sprite, int sx, int sy, int w, int h);
void BlitKeyed(int x, int y, const Sprite* sprite, int sx, int sy, int w, int h);

// Platform seam for the resource bytes: the Windows shell finds RT_BITMAP
// resources in the module; natively they are read from the bitmap folder.
struct ResourceBytes {
  const std::uint8_t* data;
  std::size_t size;
  void* handle;                  // whatever the platform needs to release them
};
bool OpenBitmapResource(ModuleHandle module, const char* name, ResourceBytes* out);
void CloseBitmapResource(ResourceBytes* resource);
// The module the sprites are loaded from (the shell's appInstance).
ModuleHandle SpriteModule();
