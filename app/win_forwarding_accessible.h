// What the table's accessible objects and the dialogs' named controls share:
// COM's bookkeeping, the plain answers of IAccessible, and the few conversions
// their answers need. A screen reader in another process calls these through
// COM, on the window's thread, between the loop's messages.
#pragma once

#include "app/win_shell.h"

#include <ole2.h>
#include <oleacc.h>

#include <string>

#include "game/layout.h"

// An IAccessible that answers for itself what a subclass overrides and hands
// everything else to `inner` (a system object it stands in front of), or,
// without one, answers "not supported" as MSAA's optional members may.
class ForwardingAccessible : public IAccessible {
 public:
  explicit ForwardingAccessible(IAccessible* inner = nullptr) : inner_(inner) {}
  virtual ~ForwardingAccessible() {
    if (inner_ != nullptr) inner_->Release();
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 protected:
  IAccessible* inner_;

 private:
  LONG references_ = 1;
};

// The child id a VARIANT names (VT_I4), or -1 for anything else.
long ChildIdOf(const VARIANT& child);
// A text for a BSTR answer: S_FALSE and no string when it is empty.
HRESULT AnswerText(const std::wstring& text, BSTR* out);
HRESULT AnswerText(const std::string& utf8, BSTR* out);
// A number (a role, a state, a child id) as a VT_I4 answer.
HRESULT AnswerNumber(long value, VARIANT* out);
// A rectangle of the table as the screen shows it: the window's scale applied,
// then its client area's place on the screen.
HRESULT AnswerLocation(HWND window, const TableRect& rect, LONG* left, LONG* top, LONG* width, LONG* height);
