// Every move said: the table's events in words, as the page says them, each
// handed to a screen reader as it happens; and the keys that say the table again.
#include "app/win_access.h"

#include <ole2.h>

#include "game/entry.h"
#include "game/shell.h"
#include "words/narrator.h"

namespace {

struct Phrases {
  std::string text[kKeptPhrases];
  long said = 0;  // phrases so far; the newest is text[(said - 1) % kKeptPhrases]
};
Phrases phrases;

// UI Automation's notification (Windows 10 1709 and later), looked up so that
// Zot.exe starts and plays where the library or the call is missing.
using HostProviderCall = HRESULT(WINAPI*)(HWND, IUnknown**);
using NotificationCall = HRESULT(WINAPI*)(IUnknown*, int kind, int processing, BSTR text, BSTR activity);
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingAll = 2;  // every phrase, queued: none is dropped for the next

struct Automation {
  HostProviderCall hostProvider;
  NotificationCall notify;
};

const Automation& AutomationCalls() {
  static const Automation calls = [] {
    Automation found{nullptr, nullptr};
    HMODULE core = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (core == nullptr) return found;
    found.hostProvider = reinterpret_cast<HostProviderCall>(
        reinterpret_cast<void (*)()>(GetProcAddress(core, "UiaHostProviderFromHwnd")));
    found.notify = reinterpret_cast<NotificationCall>(
        reinterpret_cast<void (*)()>(GetProcAddress(core, "UiaRaiseNotificationEvent")));
    return found;
  }();
  return calls;
}

void NotifyAutomation(HWND window, const std::wstring& text) {
  const Automation& uia = AutomationCalls();
  if (uia.hostProvider == nullptr || uia.notify == nullptr) return;
  IUnknown* provider = nullptr;
  if (FAILED(uia.hostProvider(window, &provider)) || provider == nullptr) return;
  BSTR display = SysAllocString(text.c_str());
  BSTR activity = SysAllocString(L"ZotTable");
  uia.notify(provider, kNotificationKindOther, kNotificationProcessingAll, display, activity);
  SysFreeString(activity);
  SysFreeString(display);
  provider->Release();
}

void OnTableEvent(const TableEvent& event) {
  const std::string text = NarrateEvent(event);
  if (!text.empty()) Announce(text);
}

}  // namespace

void ListenToTable() { SetTableObserver(OnTableEvent); }
void StopListening() { SetTableObserver(nullptr); }

const std::string* PhraseOf(LONG id) {
  // Each id is a slot of the ring: it holds the last phrase written there.
  const long slot = id - kFirstPhraseId;
  if (slot < 0 || slot >= kKeptPhrases || slot >= phrases.said) return nullptr;
  return &phrases.text[slot];
}

LONG NewestPhraseId() { return phrases.said == 0 ? 0 : kFirstPhraseId + (phrases.said - 1) % kKeptPhrases; }

void Announce(const std::string& text) {
  phrases.text[phrases.said % kKeptPhrases] = text;
  ++phrases.said;
  HWND window = static_cast<HWND>(mainWindow);
  if (window == nullptr) return;
  // The name changes, which a reader watching the object hears, and a live
  // region changed, which a reader speaks wherever its focus is.
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, NewestPhraseId());
  NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, window, OBJID_CLIENT, NewestPhraseId());
  NotifyAutomation(window, Utf16(text));
}

bool OnSayAgainKey(WPARAM key, LPARAM flags) {
  TableQuery query;
  const bool repeat = (flags & (1 << 30)) != 0;
  // Letters arrive as their capital's key code; Ctrl with them is no query.
  if (key < 'A' || key > 'Z' || !TableQueryOfLetter(static_cast<char>(key), &query)) return false;
  if (GetKeyState(VK_CONTROL) < 0) return false;
  if (!repeat) Announce(AnswerQuery(query));
  return true;
}
