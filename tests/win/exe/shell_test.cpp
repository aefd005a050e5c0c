// The shell's procedures under the real window manager: the four dialog
// procedures on the real templates, the seven dialog operations as modal
// dialogs, the menu commands with their marks, the window's handlers, the DIB
// frame buffer and the loop's pacing wait.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "app/win_scale.h"
#include "app/win_shell.h"
#include "check.h"
#include "exe_module.h"
#include "game/match.h"
#include "game/shell.h"
#include "game/pacing.h"
#include "game/table.h"
#include "gfx/framebuffer.h"
#include "gfx/sprite.h"
#include "resources/resource.h"

HINSTANCE appInstance = nullptr;

namespace {

HMODULE program = nullptr;

// ---- Driving modal dialogs from inside their own message loop ----

using Step = std::function<void(HWND dialog)>;
std::deque<Step> steps;
int idleTicks = 0;

HWND OpenDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM out) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
          *reinterpret_cast<HWND*>(out) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Each tick runs the next scripted step on the open dialog. With no script
// left, a dialog that stays open is answered with OK after a while, so a
// dialog that should have closed cannot hang the test (and is counted).
void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = OpenDialog();
  if (dialog == nullptr) return;
  if (!steps.empty()) {
    Step step = steps.front();
    steps.pop_front();
    step(dialog);
    idleTicks = 0;
    return;
  }
  if (++idleTicks > 4) {
    idleTicks = 0;
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  }
}

std::wstring Text(HWND window) {
  wchar_t text[128] = {};
  GetWindowTextW(window, text, 128);
  return text;
}
std::wstring ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
void Press(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
void PressEsc(HWND dialog) { PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0); }
bool Checked(HWND dialog, int id) { return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// A step that checks the dialog is still open (an Esc before it did nothing).
Step StillOpen() {
  return [](HWND dialog) { CHECK(IsWindowVisible(dialog)); };
}
Step TitleIs(const char* title) {
  return [title](HWND dialog) { CHECK_EQ(Text(dialog), check::Wide(title)); };
}

// ---- Modeless copies of the templates for direct message tests ----

HWND Make(int id, DLGPROC procedure) {
  HWND dialog = CreateDialogParamW(appInstance, MAKEINTRESOURCEW(id), nullptr, procedure, 0);
  if (dialog != nullptr) ShowWindow(dialog, SW_SHOWNA);
  return dialog;
}
// A command as the button or keyboard would send it, handed to the procedure
// itself: its own answer (the dialog manager hides it from SendMessage).
INT_PTR Command(DLGPROC procedure, HWND dialog, int id) {
  return procedure(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void ColorDialogTests() {
  check::group = "colour chooser";
  // The radio of the colour in force is marked; any other value marks none.
  for (int color : {0, 1, 2, 3, -1, 4, -128, 127}) {
    gameTable.currentColor = static_cast<CardColor>(color);
    HWND dialog = Make(IDD_COLOR_CHOOSER, ColorDialogProc);
    if (!CHECK(dialog != nullptr)) return;
    for (int c = 0; c < 4; ++c) CHECK_EQ(Checked(dialog, IDC_BLUE + c), c == color);
    DestroyWindow(dialog);
  }

  // The chooser answers with its choice: OK untouched keeps the colour, a
  // changed radio is read back, of several marked the last in colour order
  // wins, and with none marked the colour in force stays.
  const struct {
    CardColor before;
    Step act;
    int want;
  } answers[] = {
      {kRed, [](HWND) {}, kRed},
      {kBlue,
       [](HWND d) {
         Press(d, IDC_YELLOW);  // an auto radio: marks yellow, clears blue
         CHECK(!Checked(d, IDC_BLUE));
         CHECK(IsWindowVisible(d));  // the radio's own command closes nothing
       },
       kYellow},
      {kBlue,
       [](HWND d) {
         SendDlgItemMessageW(d, IDC_RED, BM_SETCHECK, BST_CHECKED, 0);
         SendDlgItemMessageW(d, IDC_GREEN, BM_SETCHECK, BST_CHECKED, 0);
       },
       kRed},
      {-1, [](HWND) {}, -1},
  };
  for (const auto& a : answers) {
    gameTable.currentColor = a.before;
    steps = {a.act, [](HWND d) { Press(d, IDOK); }};
    CHECK_EQ(static_cast<int>(AskColor(nullptr)), a.want);
    CHECK(steps.empty());
    CHECK_EQ(static_cast<int>(gameTable.currentColor), static_cast<int>(a.before));  // the rules record it, not the dialog
  }

  // Esc (IDCANCEL) and other ids leave it open and change nothing.
  gameTable.currentColor = kGreen;
  HWND dialog = Make(IDD_COLOR_CHOOSER, ColorDialogProc);
  Press(dialog, IDC_BLUE);
  CHECK_EQ(Command(ColorDialogProc, dialog, IDCANCEL), static_cast<INT_PTR>(TRUE));
  CHECK_EQ(Command(ColorDialogProc, dialog, 4242), static_cast<INT_PTR>(TRUE));
  CHECK(IsWindowVisible(dialog));
  CHECK_EQ(static_cast<int>(gameTable.currentColor), kGreen);
  CHECK_EQ(ColorDialogProc(dialog, WM_MOUSEMOVE, 0, 0), static_cast<INT_PTR>(FALSE));
  CHECK_EQ(ColorDialogProc(dialog, WM_INITDIALOG, 0, 0), static_cast<INT_PTR>(TRUE));
  DestroyWindow(dialog);

  // Modal, as the game calls it: opens with green marked, Esc does nothing,
  // Down from the last radio goes round to OK (not to the strips), red then OK
  // is the choice.
  gameTable.currentColor = kGreen;
  steps = {TitleIs("أختر اللون"),
           [](HWND d) {
             CHECK(Checked(d, IDC_GREEN));
             PressEsc(d);
           },
           StillOpen(),
           [](HWND d) {
             SetFocus(GetDlgItem(d, IDC_YELLOW));
             PostMessageW(GetDlgItem(d, IDC_YELLOW), WM_KEYDOWN, VK_DOWN, 0);
           },
           [](HWND d) { CHECK(GetFocus() == GetDlgItem(d, IDOK)); }, [](HWND d) { Press(d, IDC_RED); },
           [](HWND d) { Press(d, IDOK); }};
  CHECK_EQ(static_cast<int>(AskColor(nullptr)), kRed);
  CHECK(steps.empty());
}

// Beside each radio its strip of the colour bar, pixel for pixel as the table
// shows it (unenlarged at 96 DPI): printed through the static control itself.
void ColorStripTests() {
  check::group = "colour chooser strips";
  LoadSprites();
  HWND dialog = Make(IDD_COLOR_CHOOSER, ColorDialogProc);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  for (int c = 0; c < 4 && CHECK(colorBarSprite != nullptr && colorBarSprite->pixels != nullptr); ++c) {
    RECT box{};
    GetClientRect(GetDlgItem(dialog, IDC_BLUE_SWATCH + c), &box);
    HGDIOBJ previous = SelectObject(dc, CreateCompatibleBitmap(screen, box.right, box.bottom));
    SendDlgItemMessageW(dialog, IDC_BLUE_SWATCH + c, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    int wrong = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 60; ++x) {
        // 5-5-5 widened as GDI does: each 5-bit v to (v << 3) | (v >> 2).
        const int p = colorBarSprite->pixels[colorBarSprite->rowOffsets[20 * c + y] + x];
        auto wide = [p](int shift) { return static_cast<BYTE>((p >> shift & 31) << 3 | (p >> shift & 31) >> 2); };
        wrong += GetPixel(dc, (box.right - 60) / 2 + x, (box.bottom - 20) / 2 + y) != RGB(wide(10), wide(5), wide(0));
      }
    }
    if (!CHECK_EQ(wrong, 0)) std::printf("  strip %d: %d of 1200 pixels wrong\n", c, wrong);
    DeleteObject(SelectObject(dc, previous));
  }
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  DestroyWindow(dialog);
  FreeSprites();
}

void ScoreDialogTests() {
  check::group = "score dialog";
  const std::int32_t points[4] = {0, 57, 20, 31};
  const std::int32_t scores[4] = {108, 0, 500, 1739};
  struct Row {
    int players;
    const wchar_t* texts[8];  // 1011..1014, then 1015, 1018, 1017, 1016
  } rows[] = {
      {4, {L"0", L"57", L"20", L"31", L"108", L"0", L"500", L"1739"}},
      {3, {L"0", L"57", L"20", L"N/A", L"108", L"0", L"500", L"N/A"}},
      {2, {L"0", L"57", L"N/A", L"N/A", L"108", L"0", L"N/A", L"N/A"}},
  };
  const int ids[8] = {1011, 1012, 1013, 1014, 1015, 1018, 1017, 1016};
  for (const Row& row : rows) {
    gameTable.playerCount = row.players;
    for (int i = 0; i < 4; ++i) {
      gameTable.handPoints[i] = points[i];
      gameTable.matchScores[i] = scores[i];
    }
    HWND dialog = Make(IDD_SCORE, ScoreDialogProc);
    if (!CHECK(dialog != nullptr)) return;
    for (int i = 0; i < 8; ++i) CHECK_EQ(ItemText(dialog, ids[i]), std::wstring(row.texts[i]));
    CHECK_EQ(Command(ScoreDialogProc, dialog, IDCANCEL), static_cast<INT_PTR>(TRUE));
    CHECK(IsWindowVisible(dialog));
    Command(ScoreDialogProc, dialog, IDOK);
    CHECK(!IsWindowVisible(dialog));
    DestroyWindow(dialog);
  }
  // A number wider than the field's four digits is cut, never overrun.
  gameTable.playerCount = 4;
  gameTable.matchScores[0] = 123456;
  HWND dialog = Make(IDD_SCORE, ScoreDialogProc);
  CHECK_EQ(ItemText(dialog, 1015), std::wstring(L"1234"));
  DestroyWindow(dialog);

  gameTable.matchScores[0] = 42;
  steps = {TitleIs("النتيجة"), [](HWND d) {
             CHECK_EQ(ItemText(d, 1015), std::wstring(L"42"));
             PressEsc(d);
           },
           StillOpen(), [](HWND d) { Press(d, IDOK); }};
  ShowDealScores(nullptr);
  CHECK(steps.empty());
}

void OkDialogTests() {
  check::group = "information and match dialogs";
  struct Row {
    int id;
    void (*show)(WindowHandle);
    const char* title;
  };
  for (int id : {IDD_ABOUT, IDD_CARD_POINTS, IDD_WIN, IDD_LOSE}) {
    HWND dialog = Make(id, OkDialogProc);
    if (!CHECK(dialog != nullptr)) continue;
    CHECK_EQ(Command(OkDialogProc, dialog, IDCANCEL), static_cast<INT_PTR>(TRUE));
    SendMessageW(dialog, WM_CLOSE, 0, 0);  // the close box of dialog 175
    CHECK(IsWindowVisible(dialog));
    HBITMAP bitmap = nullptr;
    if (id != IDD_CARD_POINTS) {
      // The picture shows the card back at its own 60 x 90 size.
      HWND picture = nullptr;
      for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) picture = child;
      }
      bitmap = picture ? reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)) : nullptr;
      BITMAP info{};
      if (CHECK(bitmap != nullptr) && GetObjectW(bitmap, sizeof info, &info) != 0) {
        CHECK_EQ(static_cast<int>(info.bmWidth), 60);
        CHECK_EQ(static_cast<int>(info.bmHeight), 90);
      }
    }
    CHECK_EQ(OkDialogProc(dialog, WM_TIMER, 0, 0), static_cast<INT_PTR>(FALSE));
    Command(OkDialogProc, dialog, IDOK);
    CHECK(!IsWindowVisible(dialog));
    DestroyWindow(dialog);
    // The picture is loaded anew at every opening: it must go with the dialog.
    if (bitmap != nullptr) CHECK_EQ(static_cast<long long>(GetObjectType(bitmap)), 0LL);
  }
  const Row modal[] = {{IDD_WIN, ShowMatchWon, "النتيجة النهائيه"}, {IDD_LOSE, ShowMatchLost, "مهـــزوم"}};
  for (const Row& row : modal) {
    steps = {TitleIs(row.title), [](HWND d) { PressEsc(d); }, StillOpen(), [](HWND d) { Press(d, IDOK); }};
    row.show(nullptr);
    CHECK(steps.empty());
  }
}

void YesNoDialogTests() {
  check::group = "drawn-card question";
  HWND dialog = Make(IDD_PLAY_DRAWN_CARD, YesNoDialogProc);
  if (!CHECK(dialog != nullptr)) return;
  confirmResult = 7;
  CHECK_EQ(Command(YesNoDialogProc, dialog, 1234), static_cast<INT_PTR>(TRUE));
  CHECK_EQ(static_cast<int>(confirmResult), 7);
  CHECK(IsWindowVisible(dialog));
  Command(YesNoDialogProc, dialog, IDOK);
  CHECK_EQ(static_cast<int>(confirmResult), 1);
  CHECK(!IsWindowVisible(dialog));
  ShowWindow(dialog, SW_SHOWNA);
  Command(YesNoDialogProc, dialog, IDCANCEL);
  CHECK_EQ(static_cast<int>(confirmResult), 0);
  CHECK(!IsWindowVisible(dialog));
  CHECK_EQ(YesNoDialogProc(dialog, WM_SETFOCUS, 0, 0), static_cast<INT_PTR>(FALSE));
  DestroyWindow(dialog);

  // Modal: OK plays, the second button and Esc decline.
  steps = {TitleIs("هذه الورقة ممكن لعبها"), [](HWND d) { Press(d, IDOK); }};
  CHECK(AskPlayDrawnCard(nullptr));
  steps = {[](HWND d) { Press(d, IDCANCEL); }};
  CHECK(!AskPlayDrawnCard(nullptr));
  steps = {[](HWND d) { Press(d, IDOK); }};
  CHECK(AskPlayDrawnCard(nullptr));
  steps = {[](HWND d) { PressEsc(d); }};
  CHECK(!AskPlayDrawnCard(nullptr));
  CHECK(steps.empty());
}

// Without the templates the dialogs cannot open: the calls return at once,
// the colour stays and the question answers no, whatever the last answer was.
void MissingTemplateTests() {
  check::group = "dialogs that cannot open";
  HINSTANCE saved = appInstance;
  appInstance = GetModuleHandleW(nullptr);
  confirmResult = 1;
  CHECK(!AskPlayDrawnCard(nullptr));
  gameTable.currentColor = kYellow;
  CHECK_EQ(static_cast<int>(AskColor(nullptr)), kYellow);
  appInstance = saved;
}

void FrameBufferTests() {
  check::group = "DIB frame buffer";
  CreateFrameBuffer(kFrameWidth, kFrameHeight);
  FrameBuffer* frame = frameBuffer;
  if (!CHECK(frame != nullptr)) return;
  CHECK(frame->memoryDC != nullptr && frame->dibSection != nullptr && frame->bits != nullptr);
  CHECK(frame->pixels == frame->bits);
  CHECK_EQ(frame->rowStep, -600);
  CHECK_EQ(frame->rowOffsets[0], 239400);
  CHECK_EQ(frame->rowOffsets[399], 0);
  bool allBlack = true;
  for (int i = 0; i < 600 * 400; ++i) allBlack &= frame->pixels[i] == 0;
  CHECK(allBlack);

  DIBSECTION section{};
  if (CHECK(GetObjectW(static_cast<HBITMAP>(frame->dibSection), sizeof section, &section) == sizeof section)) {
    CHECK_EQ(static_cast<int>(section.dsBm.bmWidth), 600);
    CHECK_EQ(static_cast<int>(section.dsBm.bmHeight), 400);
    CHECK_EQ(static_cast<int>(section.dsBm.bmBitsPixel), 16);
    CHECK_EQ(static_cast<int>(section.dsBmih.biHeight), 400);  // bottom-up
  }
  // The DIB section is selected into the memory DC.
  CHECK(GetCurrentObject(static_cast<HDC>(frame->memoryDC), OBJ_BITMAP) == frame->dibSection);

  // Picture coordinates through the row table are what GDI sees: red at the
  // top-left corner, blue at the bottom-left, as 5-5-5 pixels.
  frame->pixels[frame->rowOffsets[0] + 0] = 0x7C00;
  frame->pixels[frame->rowOffsets[399] + 0] = 0x001F;
  frame->pixels[frame->rowOffsets[10] + 20] = 0x03E0;
  GdiFlush();
  HDC memoryDC = static_cast<HDC>(frame->memoryDC);
  CHECK_EQ(static_cast<long long>(GetPixel(memoryDC, 0, 0)), static_cast<long long>(RGB(255, 0, 0)));
  CHECK_EQ(static_cast<long long>(GetPixel(memoryDC, 0, 399)), static_cast<long long>(RGB(0, 0, 255)));
  CHECK_EQ(static_cast<long long>(GetPixel(memoryDC, 20, 10)), static_cast<long long>(RGB(0, 255, 0)));
  CHECK_EQ(frame->pixels[239400], static_cast<std::uint16_t>(0x7C00));
  CHECK_EQ(frame->pixels[0], static_cast<std::uint16_t>(0x001F));

  // Presenting copies unscaled to the client origin and leaves nothing to repaint.
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  UpdateWindow(window);
  InvalidateRect(window, nullptr, FALSE);
  PresentFrame(window);
  RECT pending{};
  CHECK(!GetUpdateRect(window, &pending, FALSE));
  HDC dc = GetDC(window);
  CHECK_EQ(static_cast<long long>(GetPixel(dc, 0, 0)), static_cast<long long>(RGB(255, 0, 0)));
  CHECK_EQ(static_cast<long long>(GetPixel(dc, 20, 10)), static_cast<long long>(RGB(0, 255, 0)));
  CHECK_EQ(static_cast<long long>(GetPixel(dc, 1, 1)), 0LL);
  ReleaseDC(window, dc);
  DestroyWindow(window);

  DestroyFrameBuffer();
  CHECK(frameBuffer == nullptr);
}

// ---- Display scale ----

// GDI's scaled presentation of a frame whose pixels hold their own column (then
// row), read back: each client pixel must show the table pixel a press there
// maps to, at whole and fractional scales.
void DisplayScaleTests() {
  check::group = "display scale";
  CreateFrameBuffer(kFrameWidth, kFrameHeight);
  if (!CHECK(frameBuffer != nullptr)) return;
  for (int presentDpi : {96, 120, 144, 164, 192, 255, 288}) {
    displayScale = MakeDisplayScale(192, presentDpi);
    const int w = displayScale.presentedWidth, h = displayScale.presentedHeight;
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    int wrong[2] = {0, 0};
    for (int axis = 0; axis < 2; ++axis) {
      for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x) frameBuffer->pixels[frameBuffer->rowOffsets[y] + x] = axis ? y : x;
      DrawFrameScaled(dc, *frameBuffer);
      GdiFlush();
      for (int i = 0; i < (axis ? h : w); ++i) {
        const std::uint32_t c = static_cast<const std::uint32_t*>(bits)[axis ? i * w + w - 1 : (h - 1) * w + i];
        const int shown = static_cast<int>(((c >> 19 & 31) << 10) | ((c >> 11 & 31) << 5) | (c >> 3 & 31));
        wrong[axis] += shown != (axis ? TableY(i) : TableX(i));
      }
    }
    if (!CHECK_EQ(wrong[0] + wrong[1], 0)) std::printf("  presented at %d dpi: %d x, %d y\n", presentDpi, wrong[0], wrong[1]);
    // A table edge maps to the first client pixel that shows it (or what follows it).
    int edges = 0;
    for (int t = 0; t <= kFrameWidth; ++t) {
      const int c = ClientFromTable(t, w, kFrameWidth);
      edges += TableX(c) < t || (c > 0 && TableX(c - 1) >= t);
    }
    if (!CHECK_EQ(edges, 0)) std::printf("  presented at %d dpi: %d edges wrong\n", presentDpi, edges);
    DeleteObject(SelectObject(dc, previous));
    DeleteDC(dc);
  }
  CHECK_EQ(TableX(-1), -1);  // left of the client area stays off the table
  displayScale = DisplayScale{};
  DestroyFrameBuffer();

  // The largest scale that fits, for 594 x 356 of the table and Wine's non-client sizes.
  struct FitRow {
    int dpi;
    Size2 nonClient, workArea;
    int want;
  };
  for (const FitRow& row : {FitRow{192, {9, 88}, {1920, 1080}, 192}, FitRow{192, {9, 88}, {1024, 768}, 164},
                            FitRow{288, {9, 132}, {1920, 1080}, 255}, FitRow{144, {9, 66}, {640, 480}, 102},
                            FitRow{144, {9, 66}, {320, 240}, 96}, FitRow{72, {6, 33}, {640, 480}, 72}}) {
    if (!CHECK_EQ(FittingDpi(row.dpi, {594, 356}, row.nonClient, row.workArea), row.want)) {
      std::printf("  at %d dpi in %dx%d\n", row.dpi, row.workArea.width, row.workArea.height);
    }
  }
}

// ---- The main window's handlers and the menu commands ----

int Marked(int id) {
  return (GetMenuState(GetMenu(static_cast<HWND>(mainWindow)), static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) ? 1 : 0;
}

void FillFrame(std::uint16_t value) {
  for (int i = 0; i < 600 * 400; ++i) frameBuffer->pixels[i] = value;
}
bool Redrawn() { return frameBuffer->pixels[frameBuffer->rowOffsets[50] + 50] != 0x1234; }

void WindowTests() {
  check::group = "main window";
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"ZotTestClass";
  RegisterClassW(&windowClass);
  gameTable = GameTable{};
  HWND window = CreateWindowExW(0, L"ZotTestClass", L"Zot", WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 0, 0, 600, 400,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!CHECK(window != nullptr)) return;
  // OnCreate: the defaults that match the menu's marks, frame, sprites, deck.
  CHECK_EQ(gameTable.playerCount, 4);
  CHECK_EQ(static_cast<int>(gameTable.soundOn), 1);
  CHECK_EQ(static_cast<int>(gameTable.singleDealMatch), 1);
  CHECK_EQ(gameTable.drawUntilPlayable, 0);
  CHECK_EQ(static_cast<int>(gameTable.dealActive), 0);
  CHECK(frameBuffer != nullptr);
  CHECK(feltSprite != nullptr && feltSprite->pixels != nullptr);
  CHECK(cardSprites[54] != nullptr && cardSprites[54]->pixels != nullptr);
  CHECK_EQ(PileCount(gameTable.drawPile), kDeckSize);
  if (frameBuffer == nullptr) return;

  mainWindow = window;
  SetMenu(window, LoadMenuW(appInstance, MAKEINTRESOURCEW(IDR_MAIN_MENU)));
  CHECK(GetMenu(window) != nullptr);

  // Moved to a monitor of 150 %: at the suggested corner, the client area the
  // 96-DPI one times 1.5; back on one of 100 %: 600 x 400 again.
  RECT view{}, client{}, place{40, 30, 940, 630};
  GetClientRect(window, &view);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&place));
  GetClientRect(window, &client);
  GetWindowRect(window, &place);
  CHECK(client.right == ScaledLength(view.right, 144) && client.bottom == ScaledLength(view.bottom, 144));
  CHECK(place.left == 40 && place.top == 30);
  place = {20, 10, 620, 410};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&place));
  GetWindowRect(window, &place);
  CHECK(place.left == 20 && place.top == 10 && place.right == 620 && place.bottom == 410);

  // Paint: the whole scene, and no repaint left pending.
  FillFrame(0x1234);
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  CHECK(Redrawn());
  RECT pending{};
  CHECK(!GetUpdateRect(window, &pending, FALSE));

  check::group = "menu commands";
  struct Row {
    int id;
    int playerCount, drawUntilPlayable, singleDealMatch, soundOn;
    bool startsMatch;
    int marks[9];  // 40013, 40014, 40015, 40016, 40017, 40023, 40024, 40018, 40019
  } rows[] = {
      {IDM_TWO_PLAYERS, 2, 0, 1, 1, true, {1, 0, 1, 0, 0, 1, 0, 1, 0}},
      {IDM_FOUR_PLAYERS, 4, 0, 1, 1, true, {1, 0, 0, 0, 1, 1, 0, 1, 0}},
      {IDM_THREE_PLAYERS, 3, 0, 1, 1, true, {1, 0, 0, 1, 0, 1, 0, 1, 0}},
      {IDM_THREE_PLAYERS, 3, 0, 1, 1, true, {1, 0, 0, 1, 0, 1, 0, 1, 0}},
      {IDM_SOUND_OFF, 3, 0, 1, 0, false, {0, 1, 0, 1, 0, 1, 0, 1, 0}},
      {IDM_DRAW_UNTIL_PLAYABLE, 3, 1, 1, 0, true, {0, 1, 0, 1, 0, 0, 1, 1, 0}},
      {IDM_PLAY_TO_500, 3, 1, 0, 0, true, {0, 1, 0, 1, 0, 0, 1, 0, 1}},
      {IDM_SOUND_ON, 3, 1, 0, 1, false, {1, 0, 0, 1, 0, 0, 1, 0, 1}},
      {IDM_STANDARD_RULES, 3, 0, 0, 1, true, {1, 0, 0, 1, 0, 1, 0, 0, 1}},
      {IDM_ONE_DEAL, 3, 0, 1, 1, true, {1, 0, 0, 1, 0, 1, 0, 1, 0}},
      {IDM_NEW_GAME, 3, 0, 1, 1, true, {1, 0, 0, 1, 0, 1, 0, 1, 0}},
      {IDM_TWO_PLAYERS, 2, 0, 1, 1, true, {1, 0, 1, 0, 0, 1, 0, 1, 0}},
      {12345, 2, 0, 1, 1, false, {1, 0, 1, 0, 0, 1, 0, 1, 0}},
  };
  const int markIds[9] = {40013, 40014, 40015, 40016, 40017, 40023, 40024, 40018, 40019};
  for (const Row& row : rows) {
    gameTable.dealActive = 0;
    for (int i = 0; i < 4; ++i) gameTable.matchScores[i] = 77;
    FillFrame(0x1234);
    OnCommand(window, row.id);
    std::printf("command %d\n", row.id);
    CHECK_EQ(gameTable.playerCount, row.playerCount);
    CHECK_EQ(gameTable.drawUntilPlayable, row.drawUntilPlayable);
    CHECK_EQ(static_cast<int>(gameTable.singleDealMatch), row.singleDealMatch);
    CHECK_EQ(static_cast<int>(gameTable.soundOn), row.soundOn);
    for (int m = 0; m < 9; ++m) CHECK_EQ(Marked(markIds[m]), row.marks[m]);
    CHECK_EQ(gameTable.dealActive != 0, row.startsMatch);
    // A new match zeroes the scores of the seats in play only.
    for (int seat = 0; seat < 4; ++seat) {
      CHECK_EQ(gameTable.matchScores[seat], row.startsMatch && seat < row.playerCount ? 0 : 77);
    }
    CHECK(Redrawn());
  }

  // A new game in the middle of a deal drops it for a fresh one.
  OnCommand(window, IDM_NEW_GAME);
  CardPile before = gameTable.hands[0];
  gameTable.matchScores[0] = 300;
  OnCommand(window, IDM_NEW_GAME);
  CHECK_EQ(gameTable.matchScores[0], 0);
  CHECK(std::string(reinterpret_cast<char*>(before.cards)) != std::string(reinterpret_cast<char*>(gameTable.hands[0].cards)));

  // The information dialogs, owned by the main window, which they disable.
  steps = {TitleIs("نبذه عن الزوت"), [](HWND d) {
             CHECK(!IsWindowEnabled(static_cast<HWND>(mainWindow)));
             CHECK(GetWindow(d, GW_OWNER) == static_cast<HWND>(mainWindow));
             PressEsc(d);
           },
           StillOpen(), [](HWND d) { Press(d, IDOK); }};
  FillFrame(0x1234);
  OnCommand(window, IDM_ABOUT);
  CHECK(steps.empty());
  CHECK(Redrawn());
  CHECK(IsWindowEnabled(window));
  steps = {TitleIs("نقاط الكروت"), [](HWND d) { SendMessageW(d, WM_CLOSE, 0, 0); }, StillOpen(),
           [](HWND d) { Press(d, IDOK); }};
  OnCommand(window, IDM_CARD_POINTS);
  CHECK(steps.empty());

  // The language item, last on the settings menu: the other language's menu at
  // once, its marks and the match kept, the dialogs from their twins; and back.
  check::group = "language";
  SetMenu(window, LoadMainMenu());
  const auto menuText = [window](int popup, int position) {
    HMENU menu = popup < 0 ? GetMenu(window) : GetSubMenu(GetMenu(window), popup);
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(position < 0 ? GetMenuItemCount(menu) - 1 : position), text, 64, MF_BYPOSITION);
    return std::wstring(text);
  };
  const auto allMarks = [] {
    std::string marks;
    for (const int id : {40013, 40014, 40015, 40016, 40017, 40023, 40024, 40018, 40019}) marks += Marked(id) ? '1' : '0';
    return marks;
  };
  const std::string marks = allMarks(), hand(reinterpret_cast<char*>(gameTable.hands[0].cards));
  CHECK_EQ(menuText(1, -1), std::wstring(L"English"));
  OnCommand(window, IDM_LANGUAGE);
  CHECK_EQ(menuText(-1, 0) + L"|" + menuText(1, 0) + L"|" + menuText(1, -1), check::Wide("&File|Sound|العربية"));
  CHECK_EQ(allMarks(), marks);
  CHECK_EQ(std::string(reinterpret_cast<char*>(gameTable.hands[0].cards)), hand);
  steps = {TitleIs("Card points"), [](HWND d) { Press(d, IDOK); }};
  OnCommand(window, IDM_CARD_POINTS);
  CHECK(steps.empty());
  OnCommand(window, IDM_LANGUAGE);
  CHECK_EQ(menuText(-1, 0) + L"|" + menuText(1, -1), check::Wide("&ملف|English"));
  CHECK_EQ(allMarks(), marks);

  // Exit only posts WM_CLOSE; the redraw still follows.
  FillFrame(0x1234);
  OnCommand(window, IDM_EXIT);
  MSG message{};
  CHECK(PeekMessageW(&message, window, WM_CLOSE, WM_CLOSE, PM_REMOVE));
  CHECK(IsWindow(window));
  CHECK(Redrawn());

  // A press on the idle table starts a match, wherever it lands.
  check::group = "table clicks";
  gameTable.dealActive = 0;
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, -7));
  CHECK_EQ(static_cast<int>(gameTable.dealActive), 1);

  // Teardown: sprites and frame released, pacing disarmed, quit posted with 0.
  check::group = "teardown";
  ArmTurnPacing();
  DestroyWindow(window);
  CHECK(frameBuffer == nullptr);
  CHECK_EQ(static_cast<int>(gameTable.computerTurnPending), 0);
  CHECK(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  CHECK_EQ(static_cast<long long>(message.wParam), 0LL);
  mainWindow = nullptr;
}

void PacingWaitTests() {
  check::group = "loop wait";
  gameTable.computerTurnPending = 0;
  CHECK_EQ(PacingWaitMs(5000), static_cast<DWORD>(INFINITE));
  gameTable.computerTurnPending = 1;
  gameTable.lastTurnTick = 5000;
  CHECK_EQ(PacingWaitMs(5000), static_cast<DWORD>(1001));
  CHECK_EQ(PacingWaitMs(5999), static_cast<DWORD>(2));
  CHECK_EQ(PacingWaitMs(6000), static_cast<DWORD>(1));  // exactly 1000 ms: not yet
  CHECK_EQ(PacingWaitMs(6001), static_cast<DWORD>(0));
  CHECK_EQ(PacingWaitMs(90000), static_cast<DWORD>(0));
  // Armed just before the counter wraps: the true, small difference counts.
  gameTable.lastTurnTick = 0xFFFFFF00u;
  CHECK_EQ(PacingWaitMs(0x50), static_cast<DWORD>(1001 - 0x150));
  CHECK_EQ(PacingWaitMs(0x2E8), static_cast<DWORD>(1));
  CHECK_EQ(PacingWaitMs(0x2E9), static_cast<DWORD>(0));
  gameTable.computerTurnPending = 0;
}

}  // namespace

int main(int argc, char** argv) {
  program = OpenProgramResources(argc, argv);
  if (program == nullptr) return 2;
  appInstance = program;
  SetTimer(nullptr, 0, 40, OnTick);
  const DWORD start = GetTickCount();
  for (void (*group)() : {PacingWaitTests, ColorDialogTests, ColorStripTests, ScoreDialogTests, OkDialogTests,
                          YesNoDialogTests, MissingTemplateTests, FrameBufferTests, DisplayScaleTests, WindowTests}) {
    group();
    std::printf("%-32s done at %lu ms\n", check::group, GetTickCount() - start);
  }
  return check::Finish();
}
