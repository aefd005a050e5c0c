// The shared part of the accessible objects: COM's bookkeeping, forwarding to
// the system's own object where there is one, and the answers' conversions.
#include "app/win_accessible.h"

#include "app/win_scale.h"

HRESULT ForwardingAccessible::QueryInterface(REFIID id, void** out) {
  if (out == nullptr) return E_POINTER;
  if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) || IsEqualIID(id, IID_IAccessible)) {
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG ForwardingAccessible::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT ForwardingAccessible::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

// Each member asks the system's object when there is one, else says MSAA's "not supported".
#define ZOT_FORWARD(call, fallback) \
  if (inner_ != nullptr) return inner_->call; \
  return fallback

HRESULT ForwardingAccessible::get_accParent(IDispatch** parent) {
  if (parent != nullptr) *parent = nullptr;
  ZOT_FORWARD(get_accParent(parent), S_FALSE);
}
HRESULT ForwardingAccessible::get_accChildCount(LONG* count) {
  if (count != nullptr) *count = 0;
  ZOT_FORWARD(get_accChildCount(count), S_OK);
}
HRESULT ForwardingAccessible::get_accChild(VARIANT child, IDispatch** out) {
  if (out != nullptr) *out = nullptr;
  ZOT_FORWARD(get_accChild(child, out), E_INVALIDARG);
}
HRESULT ForwardingAccessible::get_accName(VARIANT child, BSTR* name) {
  if (name != nullptr) *name = nullptr;
  ZOT_FORWARD(get_accName(child, name), S_FALSE);
}
HRESULT ForwardingAccessible::get_accValue(VARIANT child, BSTR* value) {
  if (value != nullptr) *value = nullptr;
  ZOT_FORWARD(get_accValue(child, value), DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::get_accDescription(VARIANT child, BSTR* description) {
  if (description != nullptr) *description = nullptr;
  ZOT_FORWARD(get_accDescription(child, description), S_FALSE);
}
HRESULT ForwardingAccessible::get_accRole(VARIANT child, VARIANT* role) {
  ZOT_FORWARD(get_accRole(child, role), E_INVALIDARG);
}
HRESULT ForwardingAccessible::get_accState(VARIANT child, VARIANT* state) {
  ZOT_FORWARD(get_accState(child, state), E_INVALIDARG);
}
HRESULT ForwardingAccessible::get_accHelp(VARIANT child, BSTR* help) {
  if (help != nullptr) *help = nullptr;
  ZOT_FORWARD(get_accHelp(child, help), DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
  if (file != nullptr) *file = nullptr;
  ZOT_FORWARD(get_accHelpTopic(file, child, topic), DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  if (shortcut != nullptr) *shortcut = nullptr;
  ZOT_FORWARD(get_accKeyboardShortcut(child, shortcut), DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::get_accFocus(VARIANT* focus) {
  if (focus != nullptr) VariantInit(focus);
  ZOT_FORWARD(get_accFocus(focus), S_FALSE);
}
HRESULT ForwardingAccessible::get_accSelection(VARIANT* selection) {
  if (selection != nullptr) VariantInit(selection);
  ZOT_FORWARD(get_accSelection(selection), S_FALSE);
}
HRESULT ForwardingAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (action != nullptr) *action = nullptr;
  ZOT_FORWARD(get_accDefaultAction(child, action), DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::accSelect(LONG flags, VARIANT child) {
  ZOT_FORWARD(accSelect(flags, child), DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT child) {
  ZOT_FORWARD(accLocation(x, y, w, h, child), DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (end != nullptr) VariantInit(end);
  ZOT_FORWARD(accNavigate(direction, start, end), DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (child != nullptr) VariantInit(child);
  ZOT_FORWARD(accHitTest(x, y, child), DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::accDoDefaultAction(VARIANT child) {
  ZOT_FORWARD(accDoDefaultAction(child), DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::put_accName(VARIANT child, BSTR name) {
  ZOT_FORWARD(put_accName(child, name), E_NOTIMPL);
}
HRESULT ForwardingAccessible::put_accValue(VARIANT child, BSTR value) {
  ZOT_FORWARD(put_accValue(child, value), E_NOTIMPL);
}

#undef ZOT_FORWARD

long ChildIdOf(const VARIANT& child) { return child.vt == VT_I4 ? child.lVal : -1; }

HRESULT AnswerText(const std::wstring& text, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT AnswerText(const std::string& utf8, BSTR* out) { return AnswerText(Utf16(utf8), out); }

HRESULT AnswerNumber(long value, VARIANT* out) {
  if (out == nullptr) return E_POINTER;
  VariantInit(out);
  out->vt = VT_I4;
  out->lVal = value;
  return S_OK;
}

HRESULT AnswerLocation(HWND window, const TableRect& rect, LONG* left, LONG* top, LONG* width, LONG* height) {
  if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
  const int x0 = ClientFromTable(rect.x, displayScale.presentedWidth, kFrameWidth);
  const int y0 = ClientFromTable(rect.y, displayScale.presentedHeight, kFrameHeight);
  const int x1 = ClientFromTable(rect.x + rect.w, displayScale.presentedWidth, kFrameWidth);
  const int y1 = ClientFromTable(rect.y + rect.h, displayScale.presentedHeight, kFrameHeight);
  POINT corner{x0, y0};
  ClientToScreen(window, &corner);
  *left = corner.x;
  *top = corner.y;
  *width = x1 - x0;
  *height = y1 - y0;
  return S_OK;
}
