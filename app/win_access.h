// The table for a screen reader: the main window's accessible objects
// (win_table_objects.cpp, read off the table by win_table_items.cpp, their
// changes told by win_table_changes.cpp), the moves said as they happen
// (win_announce.cpp) and the dialogs' controls named and put in reading order
// (win_access_dialogs.cpp).
// Everything they say comes from words/ and names no card of another seat's
// hand nor anything of the draw pile but its size.
#pragma once

#include "app/win_shell.h"

#include <string>

// The hand's object id of its own, beside OBJID_CLIENT (the table): events
// about a card name the card by the hand's child id (index + 1).
constexpr LONG kHandObjectId = 1;

// What a default action asks the window to do once the reader's call has
// returned: press card wParam of the hand (-1: the draw pile), whose code is
// lParam. A press may open a modal dialog, which must not hold the caller.
constexpr UINT kAccessPressMessage = WM_APP + 1;

// WM_GETOBJECT: the table for OBJID_CLIENT, the hand for kHandObjectId.
LRESULT OnGetObject(HWND window, WPARAM flags, LPARAM objectId);
// kAccessPressMessage: the press a default action asked for.
void OnAccessPress(WPARAM index, LPARAM card);
// After every change to the table (TableChanged), what changed as a reader
// follows it: the names of the table's lines, the hand's cards, and the
// keyboard's selection moved to another card (or gone) as the focus.
void TellTableChanges(HWND window);

// Every event of the table said in words (from WM_CREATE to WM_DESTROY).
void ListenToTable();
void StopListening();
// Says `text`: the announcement's name becomes it, with the events that make a
// reader speak it, and a UI Automation notification where the system has one.
void Announce(const std::string& text);
// L, C and T, unshifted and not repeated: the table said again.
bool OnSayAgainKey(WPARAM key, LPARAM flags);

// The phrases said: each is a child of the table with an id of its own, so a
// reader that reads an event late still hears what was said then. The newest
// is also the announcement child the table lists.
constexpr LONG kFirstPhraseId = 1000;
constexpr int kKeptPhrases = 256;
// The phrase of child id `id`, or null.
const std::string* PhraseOf(LONG id);
// The newest phrase's child id, or 0 before anything was said.
LONG NewestPhraseId();

// The names a reader hears for the dialogs' controls that show no words of
// their own, and the reading order of the dialogs that need one; `templateId`
// says which dialog is opening (from WM_INITDIALOG).
void MakeDialogReadable(HWND dialog, int templateId);
