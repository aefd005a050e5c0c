// The shared part of the accessible objects: COM's bookkeeping, forwarding to
// the system's own object where there is one, and the answers' conversions.
#include "app/win_forwarding_accessible.h"

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

namespace {

// MSAA's "not supported" (or "nothing"), with the out parameter cleared as COM wants.
HRESULT Cleared(BSTR* out, HRESULT result) {
  if (out != nullptr) *out = nullptr;
  return result;
}
HRESULT Cleared(IDispatch** out, HRESULT result) {
  if (out != nullptr) *out = nullptr;
  return result;
}
HRESULT Cleared(LONG* out, HRESULT result) {
  if (out != nullptr) *out = 0;
  return result;
}
HRESULT Cleared(VARIANT* out, HRESULT result) {
  if (out != nullptr) VariantInit(out);
  return result;
}
HRESULT Cleared(std::nullptr_t, HRESULT result) { return result; }

}  // namespace

// Each member asks the system's object when there is one.
#define ZOT_FORWARD(call, out, fallback) return inner_ != nullptr ? inner_->call : Cleared(out, fallback)

HRESULT ForwardingAccessible::get_accParent(IDispatch** p) { ZOT_FORWARD(get_accParent(p), p, S_FALSE); }
HRESULT ForwardingAccessible::get_accChildCount(LONG* n) { ZOT_FORWARD(get_accChildCount(n), n, S_OK); }
HRESULT ForwardingAccessible::get_accChild(VARIANT c, IDispatch** p) {
  ZOT_FORWARD(get_accChild(c, p), p, E_INVALIDARG);
}
HRESULT ForwardingAccessible::get_accName(VARIANT c, BSTR* s) { ZOT_FORWARD(get_accName(c, s), s, S_FALSE); }
HRESULT ForwardingAccessible::get_accValue(VARIANT c, BSTR* s) {
  ZOT_FORWARD(get_accValue(c, s), s, DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::get_accDescription(VARIANT c, BSTR* s) {
  ZOT_FORWARD(get_accDescription(c, s), s, S_FALSE);
}
HRESULT ForwardingAccessible::get_accRole(VARIANT c, VARIANT* v) { ZOT_FORWARD(get_accRole(c, v), v, E_INVALIDARG); }
HRESULT ForwardingAccessible::get_accState(VARIANT c, VARIANT* v) { ZOT_FORWARD(get_accState(c, v), v, E_INVALIDARG); }
HRESULT ForwardingAccessible::get_accHelp(VARIANT c, BSTR* s) {
  ZOT_FORWARD(get_accHelp(c, s), s, DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::get_accHelpTopic(BSTR* s, VARIANT c, LONG* n) {
  ZOT_FORWARD(get_accHelpTopic(s, c, n), s, DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::get_accKeyboardShortcut(VARIANT c, BSTR* s) {
  ZOT_FORWARD(get_accKeyboardShortcut(c, s), s, DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::get_accFocus(VARIANT* v) { ZOT_FORWARD(get_accFocus(v), v, S_FALSE); }
HRESULT ForwardingAccessible::get_accSelection(VARIANT* v) { ZOT_FORWARD(get_accSelection(v), v, S_FALSE); }
HRESULT ForwardingAccessible::get_accDefaultAction(VARIANT c, BSTR* s) {
  ZOT_FORWARD(get_accDefaultAction(c, s), s, DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::accSelect(LONG flags, VARIANT c) {
  ZOT_FORWARD(accSelect(flags, c), nullptr, DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT c) {
  ZOT_FORWARD(accLocation(x, y, w, h, c), nullptr, DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::accNavigate(LONG d, VARIANT c, VARIANT* v) {
  ZOT_FORWARD(accNavigate(d, c, v), v, DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::accHitTest(LONG x, LONG y, VARIANT* v) {
  ZOT_FORWARD(accHitTest(x, y, v), v, DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::accDoDefaultAction(VARIANT c) {
  ZOT_FORWARD(accDoDefaultAction(c), nullptr, DISP_E_MEMBERNOTFOUND);
}
HRESULT ForwardingAccessible::put_accName(VARIANT c, BSTR s) { ZOT_FORWARD(put_accName(c, s), nullptr, E_NOTIMPL); }
HRESULT ForwardingAccessible::put_accValue(VARIANT c, BSTR s) { ZOT_FORWARD(put_accValue(c, s), nullptr, E_NOTIMPL); }

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
