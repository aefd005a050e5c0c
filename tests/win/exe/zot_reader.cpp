// Reads a running Zot.exe from another process as a screen reader does, through
// MSAA, and does a default action as a reader's user does (zot_probe has the keys).
//   zot_reader tree               a line an object, children indented: ROLE "NAME" [value= description=
//                                 action=] [state=HEX] at=X,Y,W,H (client pixels) [hit] [children=N];
//                                 "hit" when the parent's hit test at X+2,Y+2 finds the object
//   zot_reader dialog [WAIT_MS]   the open dialog's controls in reading order: ID ROLE "NAME"
//   zot_reader listen             until the window goes, a line an event: EVENT (hex) OBJECT CHILD NAME
//   zot_reader act OBJECT CHILD   the default action of child CHILD of object OBJECT
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "check.h"
#include "zot_window.h"

// After windows.h, which check.h brings.
#include <ole2.h>
#include <oleacc.h>

namespace {

using zot_window::MainWindow;

// An object (id CHILDID_SELF) or a simple element of it.
struct Element {
  IAccessible* object;
  long id;
};

VARIANT Id(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

using TextProperty = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
std::string Text(const Element& e, TextProperty property = &IAccessible::get_accName) {
  BSTR text = nullptr;
  const HRESULT result = (e.object->*property)(Id(e.id), &text);
  std::string out = SUCCEEDED(result) && text != nullptr ? check::Utf8(text) : "";
  SysFreeString(text);
  return out;
}

long Number(const Element& e, HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, VARIANT*)) {
  VARIANT value = Id(-1);
  return SUCCEEDED((e.object->*property)(Id(e.id), &value)) && value.vt == VT_I4 ? value.lVal : -1;
}

IAccessible* AsAccessible(const VARIANT& v) {
  IAccessible* object = nullptr;
  if (v.vt == VT_DISPATCH && v.pdispVal != nullptr) {
    v.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&object));
  }
  return object;
}

// Whether the parent's hit test at `point` finds `e`: its child id, or an object of its name.
bool Hits(IAccessible* parent, const Element& e, LONG x, LONG y) {
  VARIANT found = Id(CHILDID_SELF);
  if (parent == nullptr || FAILED(parent->accHitTest(x, y, &found))) return false;
  IAccessible* object = AsAccessible(found);
  const bool same = object != nullptr ? e.id == CHILDID_SELF && Text({object, CHILDID_SELF}) == Text(e)
                                      : found.vt == VT_I4 && e.id != CHILDID_SELF && found.lVal == e.id;
  if (object != nullptr) object->Release();
  VariantClear(&found);
  return same;
}

void PrintTree(const Element& e, IAccessible* parent, int depth) {
  // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "..." + string.
  std::string line(static_cast<std::size_t>(depth) * 2, ' ');
  line.append(std::to_string(Number(e, &IAccessible::get_accRole))).append(" ").append(check::Quoted(Text(e)));
  const std::pair<const char*, TextProperty> kTexts[] = {{" value=", &IAccessible::get_accValue},
                                                         {" description=", &IAccessible::get_accDescription},
                                                         {" action=", &IAccessible::get_accDefaultAction}};
  for (const auto& [label, property] : kTexts) {
    if (!Text(e, property).empty()) line.append(label).append(check::Quoted(Text(e, property)));
  }
  char number[64] = "";
  const long state = Number(e, &IAccessible::get_accState);
  if (state > 0) std::snprintf(number, sizeof number, " state=%lx", state);
  line.append(number);
  LONG x = 0, y = 0, w = 0, h = 0;
  POINT origin{0, 0};
  ClientToScreen(MainWindow(), &origin);
  if (SUCCEEDED(e.object->accLocation(&x, &y, &w, &h, Id(e.id)))) {
    std::snprintf(number, sizeof number, " at=%ld,%ld,%ld,%ld", x - origin.x, y - origin.y, w, h);
    line.append(number).append(w > 0 && Hits(parent, e, x + 2, y + 2) ? " hit" : "");
  }
  LONG count = 0;
  if (e.id == CHILDID_SELF && SUCCEEDED(e.object->get_accChildCount(&count))) {
    line.append(" children=").append(std::to_string(count));
  }
  std::printf("%s\n", line.c_str());
  VARIANT children[64];
  LONG got = 0;
  if (e.id != CHILDID_SELF || count <= 0 ||
      FAILED(AccessibleChildren(e.object, 0, count < 64 ? count : 64, children, &got))) {
    return;
  }
  for (LONG i = 0; i < got; ++i) {
    if (children[i].vt == VT_I4) PrintTree({e.object, children[i].lVal}, e.object, depth + 1);
    if (IAccessible* child = AsAccessible(children[i])) {
      PrintTree({child, CHILDID_SELF}, e.object, depth + 1);
      child->Release();
    }
    VariantClear(&children[i]);
  }
}

IAccessible* ObjectOf(HWND window, LONG objectId) {
  IAccessible* object = nullptr;
  if (window != nullptr) {
    AccessibleObjectFromWindow(window, static_cast<DWORD>(objectId), IID_IAccessible, reinterpret_cast<void**>(&object));
  }
  return object;
}

// The controls in the order a reader meets them: the z-order.
int ShowDialog(DWORD waitMs) {
  HWND dialog = zot_window::OpenDialog(waitMs);
  if (dialog == nullptr) return 1;
  std::printf("title \"%s\"\n", zot_window::Text(dialog).c_str());
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IAccessible* object = ObjectOf(child, OBJID_CLIENT)) {
      const Element e{object, CHILDID_SELF};
      std::printf("%d %ld %s\n", static_cast<short>(GetDlgCtrlID(child)), Number(e, &IAccessible::get_accRole),
                  check::Quoted(Text(e)).c_str());
      object->Release();
    }
  }
  return 0;
}

HWND listened = nullptr;
std::vector<std::pair<DWORD, std::pair<LONG, LONG>>> heard;  // event, object id, child id

// Kept for the loop, as a reader queues them: a call into Zot from inside the
// hook would take the next event in the middle of this one.
void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId, DWORD, DWORD) {
  if (window == listened) heard.push_back({event, {objectId, childId}});
}

int Listen() {
  listened = MainWindow();
  DWORD process = 0;
  GetWindowThreadProcessId(listened, &process);
  HWINEVENTHOOK hook = listened == nullptr ? nullptr
                                           : SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_LIVEREGIONCHANGED,
                                                             nullptr, OnEvent, process, 0, WINEVENT_OUTOFCONTEXT);
  if (hook == nullptr) return 1;
  std::printf("listening\n");
  std::fflush(stdout);
  while (IsWindow(listened)) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    for (const auto& [event, ids] : std::exchange(heard, {})) {
      IAccessible* object = nullptr;
      VARIANT child = Id(CHILDID_SELF);
      const auto [objectId, childId] = ids;
      if (FAILED(AccessibleObjectFromEvent(listened, static_cast<DWORD>(objectId), static_cast<DWORD>(childId), &object,
                                           &child))) {
        continue;
      }
      std::printf("%lx %ld %ld %s\n", event, objectId, childId,
                  Text({object, child.vt == VT_I4 ? child.lVal : CHILDID_SELF}).c_str());
      std::fflush(stdout);
      object->Release();
    }
  }
  UnhookWinEvent(hook);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string verb = argc > 1 ? argv[1] : "";
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int code = 2;
  const bool act = verb == "act" && argc > 3;
  IAccessible* object =
      verb == "tree" || act ? ObjectOf(MainWindow(), act ? std::atoi(argv[2]) : OBJID_CLIENT) : nullptr;
  if (verb == "tree" || act) code = object != nullptr ? 0 : 1;
  if (verb == "tree" && object != nullptr) PrintTree({object, CHILDID_SELF}, nullptr, 0);
  if (act && object != nullptr) code = object->accDoDefaultAction(Id(std::atol(argv[3]))) == S_OK ? 0 : 1;
  if (verb == "dialog") code = ShowDialog(argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 0);
  if (verb == "listen") code = Listen();
  if (object != nullptr) object->Release();
  if (code == 2) std::printf("usage: zot_reader tree|dialog [ms]|listen|act OBJECT CHILD\n");
  std::fflush(stdout);
  CoUninitialize();
  return code;
}
