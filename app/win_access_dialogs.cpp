// The dialogs for a screen reader. The system names most controls by their
// own text; the few that show none (the colour strips, the card-back picture,
// the score fields' bare numbers) or show it in Latin letters (the card kinds of
// the card points) get an Arabic name of their own, through an accessible
// object that stands in front of the system's and changes nothing else. The
// look and the keys stay as they are; only the reading order of two dialogs
// changes: the question's lines before its buttons, and the scores row by row.
#include "app/win_access.h"

#include <array>
#include <map>
#include <vector>

#include "app/win_forwarding_accessible.h"
#include "game/entry.h"
#include "resources/resource.h"
#include "words/names.h"
#include "words/words.h"

namespace {

// What a named control's object answers in place of the system's.
struct ControlWords {
  WNDPROC procedure;  // the control's own
  std::wstring name;
  long role;         // 0: the system's
  bool textIsValue;  // a text to read: the window's text is its value, not its name
};
std::map<HWND, ControlWords> namedControls;

class NamedControl : public ForwardingAccessible {
 public:
  NamedControl(IAccessible* system, HWND control, const ControlWords& words)
      : ForwardingAccessible(system), control_(control), words_(words) {}

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (ChildIdOf(child) != CHILDID_SELF) return ForwardingAccessible::get_accName(child, name);
    return AnswerText(words_.name, name);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (ChildIdOf(child) != CHILDID_SELF || words_.role == 0) return ForwardingAccessible::get_accRole(child, role);
    return AnswerNumber(words_.role, role);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (ChildIdOf(child) != CHILDID_SELF || !words_.textIsValue) {
      return ForwardingAccessible::get_accValue(child, value);
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control_, text.data(), static_cast<int>(text.size()))));
    return AnswerText(text, value);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const HRESULT result = ForwardingAccessible::get_accState(child, state);
    if (SUCCEEDED(result) && words_.textIsValue && state->vt == VT_I4) state->lVal |= STATE_SYSTEM_READONLY;
    return result;
  }

 private:
  HWND control_;
  ControlWords words_;
};

LRESULT CALLBACK NamedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto found = namedControls.find(control);
  if (found == namedControls.end()) return DefWindowProcW(control, message, wParam, lParam);
  const WNDPROC procedure = found->second.procedure;
  IAccessible* system = nullptr;
  if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT &&
      SUCCEEDED(CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&system)))) {
    IAccessible* named = new NamedControl(system, control, found->second);
    const LRESULT result = LresultFromObject(IID_IAccessible, wParam, named);
    named->Release();
    return result;
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    namedControls.erase(found);
  }
  return CallWindowProcW(procedure, control, message, wParam, lParam);
}

void Name(HWND control, const std::string& name, long role = 0, bool textIsValue = false) {
  if (control == nullptr || namedControls.count(control) != 0) return;
  const auto procedure =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NamedControlProc)));
  namedControls[control] = {procedure, Utf16(name), role, textIsValue};
}

std::wstring TextOf(HWND control) {
  wchar_t text[64] = {};
  GetWindowTextW(control, text, 64);
  return text;
}

bool IsStaticOfType(HWND control, LONG type) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  return lstrcmpiW(name, L"Static") == 0 && (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == type;
}

// Moves a control to the end of the reading order, which is the z-order; the
// tab order of the buttons among themselves stays.
void ReadLast(HWND control) {
  SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
}

// Buttons read last start a group of their own, so that the arrow keys still
// move among them only, as when they came first.
void ReadButtonsLast(HWND dialog, std::initializer_list<int> ids) {
  for (int id : ids) ReadLast(GetDlgItem(dialog, id));
  HWND first = GetDlgItem(dialog, *ids.begin());
  SetWindowLongW(first, GWL_STYLE, GetWindowLongW(first, GWL_STYLE) | WS_GROUP);
}

// The picture of the about, win and lose dialogs.
void NamePictures(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsStaticOfType(child, SS_BITMAP)) Name(child, Word(IDS_CARD_BACK), ROLE_SYSTEM_GRAPHIC);
  }
}

// Beside each colour its strip: named for the colour and its shape, so the
// strip a reader lands on says the same choice as the radio beside it.
void NameSwatches(HWND dialog) {
  constexpr int kShapes[4] = {IDS_SHAPE_BLUE, IDS_SHAPE_GREEN, IDS_SHAPE_RED, IDS_SHAPE_YELLOW};
  for (int color = 0; color < 4; ++color) {
    Name(GetDlgItem(dialog, IDC_BLUE_SWATCH + color), Say(IDS_SWATCH, {ColorName(color), Word(kShapes[color])}),
         ROLE_SYSTEM_GRAPHIC);
  }
}

// The card kinds the Arabic dialog writes in Latin letters, top to bottom, in
// Arabic; the English twin's words are English already.
void NameCardKinds(HWND dialog) {
  if (CurrentLanguage() == Language::kEnglish) return;
  constexpr int kKinds[5] = {IDS_FACE_DRAW_TWO, IDS_FACE_REVERSE, IDS_FACE_SKIP, IDS_WILD, IDS_WILD_DRAW_FOUR};
  int kind = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr && kind < 5; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring text = TextOf(child);
    const bool latin = !text.empty() && ((text[0] >= L'A' && text[0] <= L'Z') || (text[0] >= L'a' && text[0] <= L'z'));
    if (latin) Name(child, Word(kKinds[kind++]));
  }
}

// The score dialog row by row: each seat's label, then its two fields, each
// named for its seat and its column (the group box around it), then OK.
void ScoresByRow(HWND dialog) {
  // Seat s's hand points are field s, its match score field kSeatCount + s.
  const std::array<DialogField, 8> fields = ScoreDialogFields();
  auto rectOf = [dialog](HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  // A field's column: the group box that holds it; its seat's label: the
  // static at its left on the same line.
  auto columnOf = [&](HWND field, HWND* label) {
    const RECT f = rectOf(field);
    std::wstring column;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      const RECT r = rectOf(child);
      const bool group = (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX && TextOf(child) != L"";
      if (group && r.left <= f.left && f.right <= r.right && r.top <= f.top && f.bottom <= r.bottom) {
        column = TextOf(child);
      }
      if (label != nullptr && r.top == f.top && r.right <= f.left && IsStaticOfType(child, SS_LEFT)) {
        *label = child;
      }
    }
    return column;
  };
  std::vector<HWND> order;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    HWND label = nullptr;
    const DialogField& points = fields[seat];
    const DialogField& score = fields[kSeatCount + seat];
    for (const DialogField* f : {&points, &score}) {
      HWND field = GetDlgItem(dialog, f->controlId);
      const std::wstring column = columnOf(field, f == &points ? &label : nullptr);
      const std::string shown = f->seatOut ? Word(IDS_NOT_PLAYING) : Utf8(TextOf(field));
      Name(field, Say(IDS_SCORE_FIELD, {SeatName(seat), Utf8(column), shown}));
    }
    if (label != nullptr) order.push_back(label);
    order.push_back(GetDlgItem(dialog, points.controlId));
    order.push_back(GetDlgItem(dialog, score.controlId));
  }
  for (HWND control : order) ReadLast(control);
  ReadButtonsLast(dialog, {IDOK});
}

// The how to play: a text to read, named by the dialog's title, not a name
// that holds the whole text.
void HelpAsText(HWND dialog) { Name(GetDlgItem(dialog, IDC_HELP_TEXT), Utf8(TextOf(dialog)), ROLE_SYSTEM_TEXT, true); }

}  // namespace

void MakeDialogReadable(HWND dialog, int templateId) {
  switch (templateId) {
    case IDD_COLOR_CHOOSER: NameSwatches(dialog); break;
    case IDD_SCORE: ScoresByRow(dialog); break;
    case IDD_CARD_POINTS: NameCardKinds(dialog); break;
    case IDD_PLAY_DRAWN_CARD: ReadButtonsLast(dialog, {IDOK, IDCANCEL}); break;
    case IDD_HELP: HelpAsText(dialog); break;
    default: NamePictures(dialog); break;
  }
}
