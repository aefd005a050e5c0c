// The table as a screen reader sees it: the main window's client area is an
// accessible object of its own whose children are the human's hand (a list of
// cards), the draw pile, the top of the discard pile with the colour to match,
// each computer seat with its number of cards, whose turn it is, the scores
// and the announcement of the newest move. Nothing is kept here: every answer
// is read from the table at the moment it is asked for, in words/'s words.
#include "app/win_access.h"

#include "app/win_forwarding_accessible.h"
#include "app/win_table_items.h"
#include "app/win_scale.h"
#include "game/entry.h"
#include "game/shell.h"
#include "resources/resource.h"
#include "words/names.h"
#include "words/narrator.h"
#include "words/words.h"

namespace {

// Asks the window for a press once the caller has its answer.
HRESULT PostPress(HWND window, int index, CardCode card) {
  if (!PostMessageW(window, kAccessPressMessage, static_cast<WPARAM>(index), static_cast<LPARAM>(card))) return E_FAIL;
  return S_OK;
}

HRESULT AnswerObject(IAccessible* object, VARIANT* out) {
  VariantInit(out);
  out->vt = VT_DISPATCH;
  out->pdispVal = object;
  return S_OK;
}

// An object of the main window's table, which answers every call from the table as it is then.
class TableElement : public ForwardingAccessible {
 public:
  explicit TableElement(HWND window) : window_(window) {}

 protected:
  HWND window_;
};

// The table: the client area's object, whose children are simple elements but
// for the hand, an object of its own.
class TableObject : public TableElement {
 public:
  using TableElement::TableElement;

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (parent == nullptr) return E_POINTER;
    return AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (count == nullptr) return E_POINTER;
    *count = TableItems().count;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    const long id = ChildIdOf(child);
    if (id == CHILDID_SELF) return AnswerText(Word(IDS_TABLE), name);
    if (const std::string* phrase = PhraseOf(id)) return AnswerText(*phrase, name);
    if (ItemOf(id) != Item::kNone) return AnswerText(ItemName(ItemOf(id)), name);
    if (name != nullptr) *name = nullptr;
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    // The draw pile's size is the one thing of it anybody may know.
    if (ItemOf(ChildIdOf(child)) != Item::kDrawPile) return ForwardingAccessible::get_accValue(child, value);
    return AnswerText(CardCount(PileCount(Table().drawPile)), value);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const long id = ChildIdOf(child);
    if (id == CHILDID_SELF) return AnswerNumber(ROLE_SYSTEM_CLIENT, role);
    if (PhraseOf(id) != nullptr) return AnswerNumber(ROLE_SYSTEM_STATICTEXT, role);
    switch (ItemOf(id)) {
      case Item::kHand: return AnswerNumber(ROLE_SYSTEM_LIST, role);
      case Item::kDrawPile: return AnswerNumber(ROLE_SYSTEM_PUSHBUTTON, role);
      case Item::kNone: return E_INVALIDARG;
      default: return AnswerNumber(ROLE_SYSTEM_STATICTEXT, role);
    }
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const long id = ChildIdOf(child);
    const long unavailable = IsWindowEnabled(window_) ? 0 : STATE_SYSTEM_UNAVAILABLE;
    if (id == CHILDID_SELF) {
      const bool focused = HasFocus(window_) && SelectedHandCard() < 0;
      return AnswerNumber(STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0) | unavailable, state);
    }
    if (PhraseOf(id) != nullptr) return AnswerNumber(STATE_SYSTEM_READONLY, state);
    switch (ItemOf(id)) {
      case Item::kHand:
      case Item::kDrawPile: return AnswerNumber(unavailable, state);
      case Item::kNone: return E_INVALIDARG;
      default: return AnswerNumber(STATE_SYSTEM_READONLY, state);
    }
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (ItemOf(ChildIdOf(child)) != Item::kDrawPile) return ForwardingAccessible::get_accDefaultAction(child, action);
    return AnswerText(Word(Table().dealActive ? IDS_ACTION_DRAW : IDS_ACTION_START), action);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (ItemOf(ChildIdOf(child)) != Item::kDrawPile) return ForwardingAccessible::accDoDefaultAction(child);
    return PostPress(window_, -1, kNoCard);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT child) override {
    const long id = ChildIdOf(child);
    if (id == CHILDID_SELF || PhraseOf(id) != nullptr) return AnswerLocation(window_, ShownTable(window_), x, y, w, h);
    const Item item = ItemOf(id);
    if (item == Item::kNone) return E_INVALIDARG;
    return AnswerLocation(window_, ItemRect(window_, item), x, y, w, h);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;

 private:
  // A child as a VARIANT: the hand as its object, any other by its id.
  HRESULT AnswerChild(long id, VARIANT* out);
};

// The human's hand: a list whose items are the cards, the keyboard's
// selection being the focused and selected one.
class HandObject : public TableElement {
 public:
  using TableElement::TableElement;

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (parent == nullptr) return E_POINTER;
    *parent = new TableObject(window_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (count == nullptr) return E_POINTER;
    *count = PileCount(Hand());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    return Card(child) >= 0 ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (ChildIdOf(child) == CHILDID_SELF) return AnswerText(Word(IDS_HAND), name);
    const int card = Card(child);
    if (card < 0) return E_INVALIDARG;
    return AnswerText(CardName(Hand().cards[card]), name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    const int card = Card(child);
    if (card < 0) return ForwardingAccessible::get_accDescription(child, description);
    return AnswerText(HandCardPlayable(card) ? Word(IDS_PLAYABLE) : "", description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (ChildIdOf(child) == CHILDID_SELF) return AnswerNumber(ROLE_SYSTEM_LIST, role);
    return Card(child) >= 0 ? AnswerNumber(ROLE_SYSTEM_LISTITEM, role) : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const long unavailable = IsWindowEnabled(window_) ? 0 : STATE_SYSTEM_UNAVAILABLE;
    if (ChildIdOf(child) == CHILDID_SELF) return AnswerNumber(unavailable, state);
    const int card = Card(child);
    if (card < 0) return E_INVALIDARG;
    long bits = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE | unavailable;
    if (card == SelectedHandCard()) bits |= STATE_SYSTEM_SELECTED | (HasFocus(window_) ? STATE_SYSTEM_FOCUSED : 0);
    return AnswerNumber(bits, state);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (focus == nullptr) return E_POINTER;
    VariantInit(focus);
    if (!HasFocus(window_) || SelectedHandCard() < 0) return S_FALSE;
    return AnswerNumber(SelectedHandCard() + 1, focus);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (selection == nullptr) return E_POINTER;
    VariantInit(selection);
    return SelectedHandCard() < 0 ? S_FALSE : AnswerNumber(SelectedHandCard() + 1, selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (Card(child) < 0) return ForwardingAccessible::get_accDefaultAction(child, action);
    return AnswerText(Word(IDS_ACTION_PLAY), action);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const int card = Card(child);
    if (card < 0) return ForwardingAccessible::accDoDefaultAction(child);
    return PostPress(window_, card, Hand().cards[card]);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT child) override {
    if (ChildIdOf(child) == CHILDID_SELF) return AnswerLocation(window_, HandRect(), x, y, w, h);
    const int card = Card(child);
    return card < 0 ? E_INVALIDARG : AnswerLocation(window_, CardRect(card), x, y, w, h);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (end == nullptr) return E_POINTER;
    VariantInit(end);
    const int n = PileCount(Hand());
    const long from = ChildIdOf(start);
    long to = 0;
    if (from == CHILDID_SELF && direction == NAVDIR_FIRSTCHILD) to = 1;
    if (from == CHILDID_SELF && direction == NAVDIR_LASTCHILD) to = n;
    if (from >= 1 && (direction == NAVDIR_NEXT || direction == NAVDIR_RIGHT)) to = from + 1;
    if (from >= 1 && (direction == NAVDIR_PREVIOUS || direction == NAVDIR_LEFT)) to = from - 1;
    return to >= 1 && to <= n ? AnswerNumber(to, end) : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    if (child == nullptr) return E_POINTER;
    VariantInit(child);
    int tx = 0, ty = 0;
    if (!TablePointAt(window_, x, y, &tx, &ty)) return S_FALSE;
    const int card = HandCardAt(PileCount(Hand()), tx, ty);
    if (card >= 0) return AnswerNumber(card + 1, child);
    return Contains(HandRect(), tx, ty) ? AnswerNumber(CHILDID_SELF, child) : S_FALSE;
  }

 private:
  // The card a child id names, or -1.
  static int Card(const VARIANT& child) {
    const long id = ChildIdOf(child);
    return id >= 1 && id <= PileCount(Hand()) ? static_cast<int>(id - 1) : -1;
  }
};

HRESULT TableObject::AnswerChild(long id, VARIANT* out) {
  if (ItemOf(id) == Item::kHand) return AnswerObject(new HandObject(window_), out);
  return AnswerNumber(id, out);
}

HRESULT TableObject::get_accChild(VARIANT child, IDispatch** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  const long id = ChildIdOf(child);
  if (ItemOf(id) == Item::kHand) {
    *out = new HandObject(window_);
    return S_OK;
  }
  return ItemOf(id) != Item::kNone || PhraseOf(id) != nullptr ? S_FALSE : E_INVALIDARG;
}

HRESULT TableObject::get_accFocus(VARIANT* focus) {
  if (focus == nullptr) return E_POINTER;
  VariantInit(focus);
  if (!HasFocus(window_)) return S_FALSE;
  if (SelectedHandCard() >= 0) return AnswerChild(IdOf(Item::kHand), focus);
  return AnswerNumber(CHILDID_SELF, focus);
}

HRESULT TableObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (end == nullptr) return E_POINTER;
  VariantInit(end);
  const long count = TableItems().count;
  const long from = ChildIdOf(start);
  long to = 0;
  if (from == CHILDID_SELF && direction == NAVDIR_FIRSTCHILD) to = 1;
  if (from == CHILDID_SELF && direction == NAVDIR_LASTCHILD) to = count;
  if (from >= 1 && from <= count && direction == NAVDIR_NEXT) to = from + 1;
  if (from >= 1 && from <= count && direction == NAVDIR_PREVIOUS) to = from - 1;
  return to >= 1 && to <= count ? AnswerChild(to, end) : S_FALSE;
}

HRESULT TableObject::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (child == nullptr) return E_POINTER;
  VariantInit(child);
  int tx = 0, ty = 0;
  if (!TablePointAt(window_, x, y, &tx, &ty)) return S_FALSE;
  // Over the cards of the hand, as a press there would be.
  if (Table().dealActive && HandCardAt(PileCount(Hand()), tx, ty) >= 0) return AnswerChild(IdOf(Item::kHand), child);
  if (OnDrawPile(tx, ty)) return AnswerNumber(IdOf(Item::kDrawPile), child);
  // The colour strip tells the colour to match, as the top item does.
  if (Table().dealActive && Contains(kColorStrip, tx, ty)) return AnswerNumber(IdOf(Item::kTop), child);
  const Items items = TableItems();
  for (int i = 0; i < items.count; ++i) {
    const Item item = items.item[i];
    const bool placed = item == Item::kTop || item == Item::kSeat1 || item == Item::kSeat2 || item == Item::kSeat3;
    if (placed && Contains(ItemRect(window_, item), tx, ty)) return AnswerNumber(i + 1, child);
  }
  return AnswerNumber(CHILDID_SELF, child);
}

}  // namespace

LRESULT OnGetObject(HWND window, WPARAM flags, LPARAM objectId) {
  const LONG id = static_cast<LONG>(objectId);
  IAccessible* object = nullptr;
  if (id == OBJID_CLIENT) object = new TableObject(window);
  if (id == kHandObjectId) object = new HandObject(window);
  if (object == nullptr) return DefWindowProcW(window, WM_GETOBJECT, flags, objectId);
  const LRESULT result = LresultFromObject(IID_IAccessible, flags, object);
  object->Release();
  return result;
}

void OnAccessPress(WPARAM index, LPARAM card) {
  const int i = static_cast<int>(static_cast<INT_PTR>(index));
  if (i < 0) {
    OnDrawPileButton();
  } else if (i < PileCount(Hand()) && Hand().cards[i] == static_cast<CardCode>(card)) {
    OnHandCardButton(i);
  } else {
    // The card the reader named is gone (the hand changed in between): no
    // other card is played, and the press, as any, takes the selection.
    HideHandSelection();
  }
}
