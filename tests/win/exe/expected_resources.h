// What Zot.exe's menu and dialog templates must hold, as the user sees them.
#pragma once

#include "resources/resource.h"

enum class Kind { kOk, kButton, kRadio, kText, kPicture, kGroup, kOwnerDrawn };

struct ControlRow {
  int id;
  Kind kind;
  int x, y, w, h;
  const char* text;  // UTF-8
};

struct DialogRow {
  int id;
  const char* title;
  int w, h;
  bool closeBox;
  const ControlRow* controls;
  int count;
};

namespace expected {

inline constexpr const char kOkText[] = "موافق";

inline constexpr ControlRow kColor[] = {
    {1, Kind::kOk, 27, 80, 50, 14, kOkText},
    {IDC_BLUE, Kind::kRadio, 8, 8, 30, 10, "أزرق"},
    {IDC_GREEN, Kind::kRadio, 8, 25, 35, 10, "أخضر"},
    {IDC_RED, Kind::kRadio, 8, 42, 29, 10, "أحمر"},
    {IDC_YELLOW, Kind::kRadio, 8, 59, 37, 10, "أصفر"},
    {IDC_BLUE_SWATCH, Kind::kOwnerDrawn, 52, 6, 44, 14, ""},
    {IDC_GREEN_SWATCH, Kind::kOwnerDrawn, 52, 23, 44, 14, ""},
    {IDC_RED_SWATCH, Kind::kOwnerDrawn, 52, 40, 44, 14, ""},
    {IDC_YELLOW_SWATCH, Kind::kOwnerDrawn, 52, 57, 44, 14, ""},
};
// The two open lines (credit, contact) are checked for presence, not wording.
inline constexpr ControlRow kAbout[] = {
    {1, Kind::kOk, 130, 75, 50, 14, kOkText},
    {-1, Kind::kPicture, 5, 5, 15, 13, "IDB_CARD_BACK"},
    {-1, Kind::kText, 60, 6, 120, 9, "لعبة الزوت الأصداره1.4"},
    {-1, Kind::kText, 60, 15, 120, 15, nullptr},
    {-1, Kind::kText, 60, 40, 120, 10, nullptr},
};
inline constexpr ControlRow kScore[] = {
    {1, Kind::kOk, 70, 75, 50, 14, kOkText},
    {-1, Kind::kText, 15, 20, 35, 10, "أنت"},
    {-1, Kind::kText, 15, 35, 26, 8, "الاعب2"},
    {-1, Kind::kText, 15, 45, 26, 8, "اللاعب3"},
    {-1, Kind::kText, 15, 55, 26, 8, "اللاعب4"},
    {-1, Kind::kGroup, 55, 5, 55, 65, "مجموع النقاط"},
    {-1, Kind::kGroup, 115, 5, 55, 65, "النقاط المكتسبه"},
    {1011, Kind::kText, 65, 20, 40, 8, "0"},
    {1012, Kind::kText, 65, 35, 35, 8, "0"},
    {1013, Kind::kText, 65, 45, 35, 8, "0"},
    {1014, Kind::kText, 65, 55, 40, 8, "0"},
    {1015, Kind::kText, 125, 20, 40, 8, "0"},
    {1018, Kind::kText, 125, 35, 40, 8, "0"},
    {1017, Kind::kText, 125, 45, 40, 8, "0"},
    {1016, Kind::kText, 125, 55, 40, 8, "0"},
};
inline constexpr ControlRow kCardPoints[] = {
    {1, Kind::kOk, 70, 88, 50, 14, kOkText},
    {-1, Kind::kText, 15, 10, 46, 8, "نوعية الكرت"},
    {-1, Kind::kText, 105, 10, 37, 8, "القيمـــة"},
    {-1, Kind::kText, 15, 20, 34, 8, "Draw Two"},
    {-1, Kind::kText, 105, 20, 30, 8, "20 نقطه"},
    {-1, Kind::kText, 15, 30, 28, 8, "Reverse"},
    {-1, Kind::kText, 105, 30, 30, 8, "20 نقطه"},
    {-1, Kind::kText, 15, 40, 15, 8, "Skip"},
    {-1, Kind::kText, 105, 40, 30, 8, "20 نقطه"},
    {-1, Kind::kText, 15, 50, 15, 8, "Wild"},
    {-1, Kind::kText, 105, 50, 30, 8, "50 نقطه"},
    {-1, Kind::kText, 15, 60, 50, 8, "Wild Draw Four"},
    {-1, Kind::kText, 105, 60, 30, 8, "50 نقطه"},
};
inline constexpr ControlRow kWin[] = {
    {1, Kind::kOk, 130, 70, 50, 14, kOkText},
    {-1, Kind::kPicture, 5, 5, 15, 13, "IDB_CARD_BACK"},
    {-1, Kind::kText, 65, 5, 52, 8, "تهانيـــنا"},
    {-1, Kind::kText, 75, 20, 89, 8, "أشكرك اخي الكريم لأقتنائك  "},
    {-1, Kind::kText, 75, 30, 84, 8, nullptr},
    {-1, Kind::kText, 75, 45, 49, 8, "ومبروك الفوز"},
};
inline constexpr ControlRow kLose[] = {
    {1, Kind::kOk, 130, 70, 50, 14, kOkText},
    {-1, Kind::kPicture, 5, 5, 15, 13, "IDB_CARD_BACK"},
    {-1, Kind::kText, 65, 5, 24, 8, "هزمت"},
    {-1, Kind::kText, 75, 20, 100, 8, "بأمكانك العوده مجددا للعب"},
    {-1, Kind::kText, 75, 30, 86, 8, "فضلا أضغط على موافق للمتابعه"},
    {-1, Kind::kText, 75, 45, 82, 8, nullptr},
};
inline constexpr ControlRow kDrawn[] = {
    {1, Kind::kOk, 10, 35, 50, 14, kOkText},
    {2, Kind::kButton, 65, 35, 50, 14, "غير موافق"},
    {-1, Kind::kText, 10, 10, 138, 8, "الكرت الذي أخرجته صالح للعب"},
    {-1, Kind::kText, 10, 20, 100, 8, "أضغط موافق لأستكمال اللعبة"},
};

#define ZOT_ROWS(a) a, static_cast<int>(sizeof(a) / sizeof(a[0]))
inline constexpr DialogRow kDialogs[] = {
    {IDD_COLOR_CHOOSER, "أختر اللون", 104, 100, false, ZOT_ROWS(kColor)},
    {IDD_ABOUT, "نبذه عن الزوت", 186, 95, false, ZOT_ROWS(kAbout)},
    {IDD_SCORE, "النتيجة", 186, 95, false, ZOT_ROWS(kScore)},
    {IDD_CARD_POINTS, "نقاط الكروت", 186, 95, true, ZOT_ROWS(kCardPoints)},
    {IDD_WIN, "النتيجة النهائيه", 186, 95, false, ZOT_ROWS(kWin)},
    {IDD_LOSE, "مهـــزوم", 186, 95, false, ZOT_ROWS(kLose)},
    {IDD_PLAY_DRAWN_CARD, "هذه الورقة ممكن لعبها", 162, 61, false, ZOT_ROWS(kDrawn)},
};
#undef ZOT_ROWS

struct MenuRow {
  int id;            // 0: separator
  const char* text;
  bool marked;
};
struct PopupRow {
  const char* title;
  const MenuRow* items;
  int count;
};

inline constexpr MenuRow kFileMenu[] = {
    {IDM_NEW_GAME, "لعبة جديده", false},
    {IDM_EXIT, "أنهاء اللعبة", false},
};
inline constexpr MenuRow kSettingsMenu[] = {
    {IDM_SOUND_ON, "صوت", true},
    {IDM_SOUND_OFF, "بدون صوت", false},
    {0, nullptr, false},
    {IDM_TWO_PLAYERS, "للاعبين", false},
    {IDM_THREE_PLAYERS, "3لاعبين", false},
    {IDM_FOUR_PLAYERS, "4لاعبين", true},
    {0, nullptr, false},
    {IDM_STANDARD_RULES, "القواعد العاديه", true},
    {IDM_DRAW_UNTIL_PLAYABLE, "أعد التعادل", false},
    {0, nullptr, false},
    {IDM_ONE_DEAL, "لعب يدوي", true},
    {IDM_PLAY_TO_500, "نقاط اللعب", false},
    {0, nullptr, false},
    {IDM_HOUSE_RULES, "قواعد البيت…", false},
};
inline constexpr MenuRow kHelpMenu[] = {
    {IDM_ABOUT, "نبذه", false},
    {IDM_CARD_POINTS, "نتائج الزوت", false},
    {IDM_MANUAL, "الدليل", false},
};
inline constexpr PopupRow kMenu[] = {
    {"&ملف", kFileMenu, 2},
    {"&أعدادات", kSettingsMenu, 14},
    {"&تعليمات", kHelpMenu, 3},
};

struct WaveRow {
  const char* name;
  int rate;
  int dataBytes;
  int resourceBytes;
  bool factChunk;
};
inline constexpr WaveRow kWaves[] = {
    {"IDW_BOING", 22050, 15232, 15276, false}, {"IDW_CLAPS", 11025, 27758, 27802, false},
    {"IDW_CLICK", 22050, 2929, 2974, false},   {"IDW_ERROR", 11025, 2211, 2268, true},
    {"IDW_LOSE", 11025, 21333, 21378, false},  {"IDW_ZOT", 11025, 5119, 5164, false},
};

}  // namespace expected
