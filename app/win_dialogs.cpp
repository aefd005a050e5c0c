// The seven modal dialogs and their four procedures (the house rules' two are in
// win_house_dialogs.cpp). Wide-character calls throughout, so the Arabic texts
// show whatever the system's code page.
#include "app/win_shell.h"

#include "app/win_access.h"

#include "game/entry.h"
#include "game/shell.h"
#include "resources/resource.h"
#include "words/words.h"

std::uint8_t confirmResult = 0;

namespace {

// Dialogs open now: a press may open one inside another's answer (a colour,
// then the deal's scores).
int openDialogs = 0;

}  // namespace

// The template's id goes to WM_INITDIALOG, which makes the dialog readable by
// it; the template shown is the language's (its English twin left to right),
// the Arabic one where it has no twin.
INT_PTR ShowDialog(HWND owner, int templateId, DLGPROC procedure) {
  ++openDialogs;
  const bool twin = FindResourceW(appInstance, MAKEINTRESOURCEW(InLanguage(templateId)), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
  const INT_PTR answer = DialogBoxParamW(appInstance, MAKEINTRESOURCEW(twin ? InLanguage(templateId) : templateId), owner,
                                         procedure, templateId);
  --openDialogs;
  return answer;
}

bool DialogOpen() { return openDialogs > 0; }

namespace {

// A field's text is digits, or the string table's word for a seat not at the table.
void SetField(HWND dialog, const DialogField& field) {
  const std::wstring text = Utf16(field.seatOut ? Word(IDS_SEAT_OUT_FIELD) : field.text);
  SetDlgItemTextW(dialog, field.controlId, text.c_str());
}

// A picture control loads its bitmap anew at every opening and leaves it behind
// when it goes: the dialog takes each back and frees it.
void FreePictures(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
      HGDIOBJ picture = reinterpret_cast<HGDIOBJ>(SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, 0));
      if (picture != nullptr) DeleteObject(picture);
    }
  }
}

// The drawn-card question's Zot button, beside its two, while saying it is the
// human's to do: added as it opens, so that the template stays as it always was.
void AddSayZotButton(HWND dialog) {
  RECT place{120, 35, 155, 49};  // dialog units, in line with OK and Cancel
  MapDialogRect(dialog, &place);
  HWND button = CreateWindowExW(0, L"BUTTON", Utf16(Word(IDS_SAY_ZOT_BUTTON)).c_str(),
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, place.left, place.top,
                                place.right - place.left, place.bottom - place.top, dialog,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_SAY_ZOT)), appInstance, nullptr);
  SendMessageW(button, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), TRUE);
}

}  // namespace

bool IsChecked(HWND dialog, int controlId) {
  return SendDlgItemMessageW(dialog, controlId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

INT_PTR CALLBACK ColorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    for (int id = IDC_BLUE; id <= IDC_YELLOW; ++id) {
      SendDlgItemMessageW(dialog, id, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    const CardColor color = Table().currentColor;
    if (color >= 0 && color <= 3) {
      SendDlgItemMessageW(dialog, IDC_BLUE + color, BM_SETCHECK, BST_CHECKED, 0);
    }
    MakeDialogReadable(dialog, static_cast<int>(lParam));
    return TRUE;
  }
  if (message == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const int color = static_cast<int>(item->CtlID) - IDC_BLUE_SWATCH;
    if (color < 0 || color > 3) return FALSE;
    DrawColorStrip(item->hDC, item->rcItem, color);
    return TRUE;
  }
  if (message == WM_COMMAND) {
    // Only OK leaves: a colour is always chosen. Should several radios answer
    // checked, the last in colour order wins.
    if (LOWORD(wParam) == IDOK) {
      INT_PTR chosen = Table().currentColor;
      for (int id = IDC_BLUE; id <= IDC_YELLOW; ++id) {
        if (IsChecked(dialog, id)) chosen = id - IDC_BLUE;
      }
      EndDialog(dialog, chosen);
    }
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK ScoreDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    for (const DialogField& field : ScoreDialogFields()) SetField(dialog, field);
    MakeDialogReadable(dialog, static_cast<int>(lParam));
    return TRUE;
  }
  // Otherwise the score dialog answers like the plain OK dialogs.
  return OkDialogProc(dialog, message, wParam, lParam);
}

INT_PTR CALLBACK OkDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    MakeDialogReadable(dialog, static_cast<int>(lParam));
    return TRUE;
  }
  if (message == WM_DESTROY) {
    FreePictures(dialog);
    return FALSE;
  }
  if (message == WM_COMMAND) {
    // Esc and the close box send IDCANCEL; only OK closes these dialogs.
    if (LOWORD(wParam) == IDOK) {
      EndDialog(dialog, 0);
    }
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK YesNoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    if (lParam == IDD_PLAY_DRAWN_CARD && CanSayZot()) AddSayZotButton(dialog);
    MakeDialogReadable(dialog, static_cast<int>(lParam));
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDC_SAY_ZOT) {
    SayZot();
    SetFocus(GetDlgItem(dialog, IDOK));
    DestroyWindow(GetDlgItem(dialog, IDC_SAY_ZOT));
    return TRUE;
  }
  if (message == WM_COMMAND) {
    if (LOWORD(wParam) == IDOK) {
      confirmResult = 1;
      EndDialog(dialog, 0);
    } else if (LOWORD(wParam) == IDCANCEL) {
      confirmResult = 0;
      EndDialog(dialog, 0);
    }
    return TRUE;
  }
  return FALSE;
}

// A chooser that could not be shown keeps the colour in force.
CardColor AskColor(WindowHandle owner) {
  const INT_PTR chosen = ShowDialog(static_cast<HWND>(owner), IDD_COLOR_CHOOSER, ColorDialogProc);
  return chosen >= kBlue && chosen <= kYellow ? static_cast<CardColor>(chosen) : Table().currentColor;
}
void ShowDealScores(WindowHandle owner) { ShowDialog(static_cast<HWND>(owner), IDD_SCORE, ScoreDialogProc); }
void ShowMatchWon(WindowHandle owner) { ShowDialog(static_cast<HWND>(owner), IDD_WIN, OkDialogProc); }
void ShowMatchLost(WindowHandle owner) { ShowDialog(static_cast<HWND>(owner), IDD_LOSE, OkDialogProc); }
void ShowAbout(HWND owner) { ShowDialog(owner, IDD_ABOUT, OkDialogProc); }
void ShowCardPoints(HWND owner) { ShowDialog(owner, IDD_CARD_POINTS, OkDialogProc); }

bool AskPlayDrawnCard(WindowHandle owner) {
  // A dialog that cannot be shown answers no.
  confirmResult = 0;
  ShowDialog(static_cast<HWND>(owner), IDD_PLAY_DRAWN_CARD, YesNoDialogProc);
  return confirmResult != 0;
}
