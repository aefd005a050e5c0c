// Zot.exe carries every resource the program loads, as the user must see it:
// menu 171, the seven dialog templates (each with its English twin: the same
// controls in the same places, as wide or wider, in Latin letters, left to right), 58 bitmaps, six WAVE cues, icon 101,
// the version record, the manifest, the help text and the accelerators.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "check.h"
#include "exe_module.h"
#include "expected_resources.h"
#include "app/win_shell.h"
#include "gfx/sprite.h"

// The shell's module handle; this program reads Zot.exe's resources directly.
HINSTANCE appInstance = nullptr;

namespace {

HMODULE program = nullptr;

struct Bytes {
  const std::uint8_t* data = nullptr;
  DWORD size = 0;
};

Bytes Resource(LPCWSTR type, LPCWSTR name, WORD language = 0xFFFF) {
  HRSRC found = language == 0xFFFF ? FindResourceW(program, name, type) : FindResourceExW(program, type, name, language);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(program, found);
  return {static_cast<const std::uint8_t*>(LockResource(loaded)), SizeofResource(program, found)};
}

std::uint16_t Word(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Dword(const std::uint8_t* p) { return Word(p) | (static_cast<std::uint32_t>(Word(p + 2)) << 16); }

// Reads a sz_Or_Ord field: an ordinal comes back as "#<n>".
std::wstring ReadNameOrOrdinal(const std::uint8_t*& p) {
  if (Word(p) == 0xFFFF) {
    const std::wstring ordinal = L"#" + std::to_wstring(Word(p + 2));
    p += 4;
    return ordinal;
  }
  std::wstring text;
  while (Word(p) != 0) {
    text.push_back(static_cast<wchar_t>(Word(p)));
    p += 2;
  }
  p += 2;
  return text;
}

struct ParsedControl {
  DWORD style;
  int x, y, w, h, id;
  std::wstring windowClass;
  std::wstring text;
};
struct ParsedDialog {
  DWORD style = 0;
  DWORD exStyle = 0;
  int w = 0, h = 0;
  std::wstring menu, windowClass, title, font;
  int pointSize = 0;
  std::vector<ParsedControl> controls;
};

ParsedDialog ParseDialog(const Bytes& bytes) {
  ParsedDialog dialog;
  const std::uint8_t* p = bytes.data;
  dialog.style = Dword(p);
  dialog.exStyle = Dword(p + 4);
  const int count = Word(p + 8);
  dialog.w = static_cast<short>(Word(p + 14));
  dialog.h = static_cast<short>(Word(p + 16));
  p += 18;
  dialog.menu = ReadNameOrOrdinal(p);
  dialog.windowClass = ReadNameOrOrdinal(p);
  dialog.title = ReadNameOrOrdinal(p);
  if (dialog.style & DS_SETFONT) {
    dialog.pointSize = Word(p);
    p += 2;
    dialog.font = ReadNameOrOrdinal(p);
  }
  for (int i = 0; i < count; ++i) {
    p = bytes.data + ((p - bytes.data + 3) & ~3);
    ParsedControl control{};
    control.style = Dword(p);
    control.x = static_cast<short>(Word(p + 8));
    control.y = static_cast<short>(Word(p + 10));
    control.w = static_cast<short>(Word(p + 12));
    control.h = static_cast<short>(Word(p + 14));
    control.id = static_cast<short>(Word(p + 16));
    p += 18;
    control.windowClass = ReadNameOrOrdinal(p);
    control.text = ReadNameOrOrdinal(p);
    p += 2 + Word(p);  // creation data
    dialog.controls.push_back(control);
  }
  return dialog;
}

const wchar_t* ClassOf(Kind kind) {
  const bool isStatic = kind == Kind::kText || kind == Kind::kPicture || kind == Kind::kOwnerDrawn;
  return isStatic ? L"#130" : L"#128";  // static, button
}

// The style bits that make each kind of control what it is.
bool HasKindStyle(Kind kind, DWORD style) {
  const DWORD button = style & BS_TYPEMASK;
  const bool tab = (style & WS_TABSTOP) != 0;
  const bool group = (style & WS_GROUP) != 0;
  switch (kind) {
    case Kind::kOk: return button == BS_DEFPUSHBUTTON && tab;
    case Kind::kButton: return button == BS_PUSHBUTTON && tab;
    case Kind::kRadio: return button == BS_AUTORADIOBUTTON && !tab && !group;
    case Kind::kText: return (style & SS_TYPEMASK) == SS_LEFT && group;
    case Kind::kPicture: return (style & SS_TYPEMASK) == SS_BITMAP;
    case Kind::kGroup: return button == BS_GROUPBOX;
    case Kind::kOwnerDrawn: return (style & SS_TYPEMASK) == SS_OWNERDRAW;
  }
  return false;
}

// English words: none of them Arabic letters.
bool Latin(const std::wstring& text) {
  for (const wchar_t c : text) {
    if (c >= 0x0600 && c <= 0x06FF) return false;
  }
  return true;
}

void CheckDialogs() {
  check::group = "dialog templates";
  for (const DialogRow& row : expected::kDialogs) {
    for (const bool english : {false, true}) {
    const Bytes bytes = Resource(MAKEINTRESOURCEW(5) /* RT_DIALOG */, MAKEINTRESOURCEW(row.id + (english ? ZOT_ENGLISH : 0)),
                                 MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (!CHECK(bytes.data != nullptr && bytes.size > 18)) continue;
    // A classic template, not the extended form.
    CHECK(!(Word(bytes.data) == 1 && Word(bytes.data + 2) == 0xFFFF));
    const ParsedDialog dialog = ParseDialog(bytes);
    DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER | DS_SETFONT;
    if (row.closeBox) style |= WS_SYSMENU;
    std::printf("dialog %d: %zu controls\n", row.id, dialog.controls.size());
    CHECK_EQ(static_cast<long long>(dialog.style), static_cast<long long>(style));
    CHECK_EQ(static_cast<long long>(dialog.exStyle), 0LL);
    CHECK_EQ(dialog.w, row.w);
    CHECK_EQ(dialog.h, row.h);
    CHECK_EQ(dialog.menu, std::wstring());
    CHECK_EQ(dialog.windowClass, std::wstring());
    CHECK(english ? !dialog.title.empty() && Latin(dialog.title) : dialog.title == check::Wide(row.title));
    CHECK_EQ(dialog.font, std::wstring(L"MS Sans Serif"));
    CHECK_EQ(dialog.pointSize, 8);
    if (!CHECK_EQ(static_cast<int>(dialog.controls.size()), row.count)) continue;
    for (int i = 0; i < row.count; ++i) {
      const ControlRow& want = row.controls[i];
      const ParsedControl& got = dialog.controls[static_cast<std::size_t>(i)];
      CHECK_EQ(got.id, want.id);
      CHECK_EQ(got.windowClass, std::wstring(ClassOf(want.kind)));
      CHECK(HasKindStyle(want.kind, got.style));
      CHECK_EQ(static_cast<long long>(got.style & (WS_CHILD | WS_VISIBLE)), static_cast<long long>(WS_CHILD | WS_VISIBLE));
      CHECK_EQ(got.x, want.x);
      CHECK_EQ(got.y, want.y);
      CHECK(english ? got.w >= want.w : got.w == want.w);  // English words may need more room
      CHECK_EQ(got.h, want.h);
      if (english) {
        CHECK(Latin(got.text) && got.text.empty() == (want.text != nullptr && *want.text == '\0'));
      } else if (want.text != nullptr) {
        CHECK_EQ(got.text, check::Wide(want.text));
      } else {
        // A line whose wording is ours: Arabic, and not empty.
        CHECK(!got.text.empty() && got.text[0] >= 0x0600 && got.text[0] <= 0x06FF);
      }
    }
    }
  }
}

void CheckMenu(bool english) {
  check::group = english ? "menu 171, English" : "menu 171";
  const Bytes bytes = Resource(MAKEINTRESOURCEW(4) /* RT_MENU */, MAKEINTRESOURCEW(IDR_MAIN_MENU + (english ? ZOT_ENGLISH : 0)),
                               MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  if (!CHECK(bytes.data != nullptr)) return;
  HMENU menu = LoadMenuIndirectW(bytes.data);
  if (!CHECK(menu != nullptr)) return;
  // Three menus, then the Zot command, greyed until the say-zot rule is on.
  if (!CHECK_EQ(GetMenuItemCount(menu), 4)) return;
  wchar_t zot[8] = {};
  GetMenuStringW(menu, 3, zot, 8, MF_BYPOSITION);
  CHECK_EQ(std::wstring(zot), english ? std::wstring(L"Zot!") : check::Wide("زوت!"));
  CHECK_EQ(GetMenuState(menu, 3, MF_BYPOSITION) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
  for (int p = 0; p < 3; ++p) {
    const expected::PopupRow& popup = expected::kMenu[p];
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(p), text, 64, MF_BYPOSITION);
    CHECK(english ? Latin(text) && text[0] == L'&' : std::wstring(text) == check::Wide(popup.title));
    HMENU sub = GetSubMenu(menu, p);
    if (!CHECK(sub != nullptr) || !CHECK_EQ(GetMenuItemCount(sub), popup.count)) continue;
    for (int i = 0; i < popup.count; ++i) {
      const expected::MenuRow& row = popup.items[i];
      wchar_t itemText[64] = {};
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
      info.dwTypeData = itemText;
      info.cch = 64;
      CHECK(GetMenuItemInfoW(sub, static_cast<UINT>(i), TRUE, &info));
      if (row.id == 0) {
        CHECK((info.fType & MFT_SEPARATOR) != 0);
        continue;
      }
      CHECK_EQ(static_cast<int>(info.wID), row.id);
      CHECK(english ? Latin(itemText) && itemText[0] != L'\0' : std::wstring(itemText) == check::Wide(row.text));
      CHECK_EQ((info.fState & MFS_CHECKED) != 0, row.marked);
      CHECK((info.fState & MFS_GRAYED) == 0);
    }
  }
  DestroyMenu(menu);
}

void CheckBitmaps() {
  check::group = "bitmaps";
  // The load order's names, built the way the catalogue builds them.
  std::vector<std::string> names = {"IDB_FELT", "IDB_FLOW_ARROW", "IDB_COLOR_BAR", "IDB_CARD_BACK"};
  const char* colours[] = {"BLUE", "GREEN", "RED", "YELLOW"};
  const char* faces[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "DRAW_TWO", "REVERSE", "SKIP"};
  for (const char* colour : colours) {
    for (const char* face : faces) names.push_back(std::string("IDB_") + colour + "_" + face);
  }
  names.push_back("IDB_WILD");
  names.push_back("IDB_WILD_DRAW_FOUR");
  CHECK_EQ(static_cast<int>(names.size()), kSpriteCount);

  int decoded = 0;
  for (int i = 0; i < kSpriteCount; ++i) {
    CHECK_EQ(std::string(kSpriteNames[i]), names[static_cast<std::size_t>(i)]);
    const Bytes bytes = Resource(MAKEINTRESOURCEW(2) /* RT_BITMAP */, check::Wide(names[static_cast<std::size_t>(i)].c_str()).c_str());
    if (!CHECK(bytes.data != nullptr && bytes.size >= 40)) {
      std::printf("  missing bitmap %s\n", names[static_cast<std::size_t>(i)].c_str());
      continue;
    }
    int w = 60, h = 90;
    if (i == 0) w = h = 100;
    if (i == 1) w = h = 43;
    if (i == 2) h = 80;
    CHECK_EQ(static_cast<int>(Word(bytes.data + 14)), 8);  // bits per pixel
    CHECK_EQ(static_cast<long long>(Dword(bytes.data + 16)), 0LL);  // uncompressed
    CHECK_EQ(static_cast<long long>(Dword(bytes.data + 32)), i == 1 ? 0LL : 256LL);  // colours used
    Sprite sprite{};
    if (CHECK(DecodeSprite(sprite, bytes.data, bytes.size))) ++decoded;
    CHECK_EQ(sprite.width, w);
    CHECK_EQ(sprite.height, h);
    CHECK(sprite.pixels != nullptr);
    DestroySprite(sprite);
  }
  std::printf("bitmaps decoded: %d of %d\n", decoded, kSpriteCount);
}

void CheckWaves() {
  check::group = "sounds";
  for (const expected::WaveRow& row : expected::kWaves) {
    const std::wstring name = check::Wide(row.name);
    // Named by string, type "WAVE", language 1033.
    const Bytes bytes = Resource(L"WAVE", name.c_str(), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (!CHECK(bytes.data != nullptr)) {
      std::printf("  missing WAVE %s in language 1033\n", row.name);
      continue;
    }
    CHECK_EQ(static_cast<int>(bytes.size), row.resourceBytes);
    const std::uint8_t* p = bytes.data;
    CHECK(std::memcmp(p, "RIFF", 4) == 0 && std::memcmp(p + 8, "WAVE", 4) == 0);
    CHECK_EQ(static_cast<long long>(Dword(p + 4)) + 8, static_cast<long long>(bytes.size));
    CHECK(std::memcmp(p + 12, "fmt ", 4) == 0);
    CHECK_EQ(static_cast<long long>(Dword(p + 16)), 16LL);
    CHECK_EQ(static_cast<int>(Word(p + 20)), 1);   // PCM
    CHECK_EQ(static_cast<int>(Word(p + 22)), 1);   // mono
    CHECK_EQ(static_cast<long long>(Dword(p + 24)), static_cast<long long>(row.rate));
    CHECK_EQ(static_cast<long long>(Dword(p + 28)), static_cast<long long>(row.rate));  // byte rate
    CHECK_EQ(static_cast<int>(Word(p + 32)), 1);   // block alignment
    CHECK_EQ(static_cast<int>(Word(p + 34)), 8);   // bits per sample
    const std::uint8_t* chunk = p + 36;
    if (row.factChunk) {
      CHECK(std::memcmp(chunk, "fact", 4) == 0);
      CHECK_EQ(static_cast<long long>(Dword(chunk + 4)), 4LL);
      chunk += 12;
    }
    CHECK(std::memcmp(chunk, "data", 4) == 0);
    CHECK_EQ(static_cast<long long>(Dword(chunk + 4)), static_cast<long long>(row.dataBytes));
  }
}

void CheckIconVersionManifest() {
  check::group = "icon, version, manifest";
  const Bytes group = Resource(MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, MAKEINTRESOURCEW(IDI_ZOT));
  if (CHECK(group.data != nullptr && group.size >= 6)) {
    const int count = Word(group.data + 4);
    CHECK_EQ(count, 2);
    bool has32 = false, has16 = false;
    for (int i = 0; i < count && 6 + 14 * (i + 1) <= static_cast<int>(group.size); ++i) {
      const std::uint8_t* entry = group.data + 6 + 14 * i;
      const int size = entry[0];
      const bool sixteenColours = entry[2] == 16 || Word(entry + 6) == 4;
      CHECK(sixteenColours);
      has32 |= size == 32 && entry[1] == 32;
      has16 |= size == 16 && entry[1] == 16;
      // The image itself is there.
      CHECK(Resource(MAKEINTRESOURCEW(3) /* RT_ICON */, MAKEINTRESOURCEW(Word(entry + 12))).data != nullptr);
    }
    CHECK(has32);
    CHECK(has16);
  }
  const Bytes version = Resource(MAKEINTRESOURCEW(16) /* RT_VERSION */, MAKEINTRESOURCEW(1));
  if (CHECK(version.data != nullptr && version.size > 92)) {
    // VS_FIXEDFILEINFO follows the "VS_VERSION_INFO" key, aligned.
    const std::uint8_t* fixed = version.data + 40;
    CHECK_EQ(static_cast<long long>(Dword(fixed)), 0xFEEF04BDLL);
    CHECK_EQ(static_cast<long long>(Dword(fixed + 8)), 0x00010004LL);  // 1.4
  }
  const Bytes manifest = Resource(MAKEINTRESOURCEW(24) /* RT_MANIFEST */, MAKEINTRESOURCEW(1));
  if (CHECK(manifest.data != nullptr)) {
    const std::string text(reinterpret_cast<const char*>(manifest.data), manifest.size);
    CHECK(text.find("level=\"asInvoker\"") != std::string::npos);
    CHECK(text.find("<dpiAware") != std::string::npos);
  }
}

// The help text is whole UTF-8 that opens with its Arabic title; F2 is the
// one accelerator and means New game.
void CheckHelpAndKeys() {
  check::group = "help text, accelerators";
  const Bytes help = Resource(MAKEINTRESOURCEW(10) /* RT_RCDATA */, MAKEINTRESOURCEW(IDR_HELP_TEXT));
  if (CHECK(help.data != nullptr && help.size > 1000)) {
    const char* text = reinterpret_cast<const char*>(help.data);
    CHECK(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, static_cast<int>(help.size), nullptr, 0) > 0);
    CHECK(std::string(text, help.size).rfind("كيف تلعب الزوت\n", 0) == 0);
  }
  const Bytes english = Resource(MAKEINTRESOURCEW(10) /* RT_RCDATA */, MAKEINTRESOURCEW(IDR_HELP_TEXT + ZOT_ENGLISH));
  CHECK(english.data != nullptr && std::string(reinterpret_cast<const char*>(english.data), english.size)
                                           .rfind("How to play Zot\n", 0) == 0);
  HACCEL table = LoadAcceleratorsW(program, MAKEINTRESOURCEW(IDR_ACCELERATORS));
  ACCEL keys[4] = {};
  if (CHECK(table != nullptr) && CHECK_EQ(CopyAcceleratorTableW(table, keys, 4), 1)) {
    CHECK_EQ(keys[0].key, VK_F2);
    CHECK_EQ(keys[0].cmd, IDM_NEW_GAME);
    CHECK((keys[0].fVirt & FVIRTKEY) != 0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  program = OpenProgramResources(argc, argv);
  if (program == nullptr) return 2;
  CheckMenu(false);
  CheckMenu(true);
  CheckDialogs();
  CheckBitmaps();
  CheckWaves();
  CheckIconVersionManifest();
  CheckHelpAndKeys();
  return check::Finish();
}
