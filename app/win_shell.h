// The Windows shell's own operations, shared between its files and its tests.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>
#include <string>

// The module instance WinMain received; every resource is loaded from it.
extern HINSTANCE appInstance;

// The table's words (win_words.cpp supplies words/words.h's Word from the
// module's string table), and UTF-8 text to and from the wide calls' UTF-16.
std::wstring Utf16(const std::string& utf8);
std::string Utf8(const std::wstring& text);

// Main window and loop (win_main.cpp).
bool CreateMainWindow();
int RunMessageLoop();

// Window procedure and its handlers (win_wndproc.cpp).
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void OnCreate();
void OnDestroy();
void OnPaint(HWND window);
// True when the key was one of the table's (arrows, Home, End, Enter, Space, D).
bool OnKeyDown(WPARAM key, LPARAM flags);

// Menu commands (win_menu.cpp).
void OnCommand(HWND window, int commandId);
void SetMenuMarks(int markId, int clearId);
// The main menu in the language chosen, marked for the settings, with the language item.
HMENU LoadMainMenu();

// Dialogs (win_dialogs.cpp). The game's six are declared in game/shell.h.
// Every modal dialog of the program opens through ShowDialog, which passes
// `templateId` on to WM_INITDIALOG and keeps count of the dialogs open; it
// returns the dialog's answer, or -1 when the dialog could not be shown.
INT_PTR ShowDialog(HWND owner, int templateId, DLGPROC procedure);
// True while a dialog is open: the game is inside a move, waiting for its answer.
bool DialogOpen();
void ShowAbout(HWND owner);
void ShowCardPoints(HWND owner);
// The program's own how-to-play text, for when no help file opens.
void ShowHelp(HWND owner);
// The manual: "Zot.hlp" beside the program, opened by its viewer; without the
// file or a viewer, ShowHelp (win_help.cpp).
void OpenManual(HWND owner);
INT_PTR CALLBACK HelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
extern std::uint8_t confirmResult;
INT_PTR CALLBACK ColorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Whether check box or radio `controlId` of `dialog` is checked.
bool IsChecked(HWND dialog, int controlId);
INT_PTR CALLBACK ScoreDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK OkDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK YesNoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The house rules' dialog (win_house_dialogs.cpp): the rules chosen, kHouse*
// bits, or -1 when cancelled; and the Zot command of the menu bar, enabled
// while the say-zot rule is on.
int AskHouseRules(HWND owner);
void EnableSayZot(HMENU menu);  // greyed unless the say-zot rule is on
void ShowSayZotCommand(HWND window);

// Pacing wait (win_clock.cpp): milliseconds the loop may sleep at tick `now`
// before the pacing test can pass, INFINITE while the pacing is disarmed.
DWORD PacingWaitMs(std::uint32_t now);

// What the loop does between passes, and what it tells of them: the program's
// own (win_loop.cpp), or a measurement build's (win_loop_measure.cpp).
// Sleeps until a message arrives or the pacing deadline comes.
void WaitForWork();
// Each message the loop takes, and each pacing tick that lets a computer seat move.
void NoteLoopMessage(const MSG& message);
void NoteComputerTurn(std::uint32_t now);

// The window at its monitor's scale (win_scale_window.cpp): sized and placed
// after the menu is attached, and again when it moves to another scale.
void ScaleMainWindow(HWND window);
void OnDpiChanged(HWND window, int dpi, const RECT* suggested);

// The frame at the top-left of `dc`, enlarged by displayScale (win_gfx.cpp).
struct FrameBuffer;
void DrawFrameScaled(HDC dc, const FrameBuffer& frame);
// Strip `color` (0..3) of the colour bar sprite, centred in `box` at the largest
// whole enlargement that fits; nothing while the sprite is not loaded.
void DrawColorStrip(HDC dc, const RECT& box, int color);
