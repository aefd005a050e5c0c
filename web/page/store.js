// The match kept in the browser between visits: after every call into the
// module that changed something, the whole game (table, generator, settings,
// pacing and statistics) goes under one versioned key, so that a reload, a
// closed tab or a phone that drops a background tab goes on with the same
// match. A save is written only between moves: a reload while a dialog is open
// returns to the table before the move that opened it.
//
// Two tabs: the save belongs to the tab that opened the page last. An older
// tab stops saving and playing, and offers to play here, which reloads it so
// that it goes on from the newest save; so neither spoils the other's save.
//
// Storage missing, full or refused: the page plays on without it.

const kSaveKey = 'zot.match.v1';
const kUnreadKey = 'zot.match.v1.unread';
const kOwnerKey = 'zot.owner';
const tab = Math.random().toString(36).slice(2) + Date.now().toString(36);
let storage = null, lastSaved = null, inactive = false, onInactive = null;

function storageOrNull() {
  try {
    const store = window.localStorage;
    store.getItem(kOwnerKey);
    return store;
  } catch (error) {
    return null;
  }
}

const read = (key) => {
  try {
    return storage ? storage.getItem(key) : null;
  } catch (error) {
    return null;
  }
};
const write = (key, value) => {
  try {
    if (storage) storage.setItem(key, value);
    return true;
  } catch (error) {
    return false;
  }
};

function checkOwner() {
  // The value as it stands now, not as an event reported it: events of two
  // tabs that claimed at once may arrive in either order.
  if (inactive || !storage || read(kOwnerKey) === tab) return;
  inactive = true;
  onInactive();
}

// Opens the store and claims the save for this tab; returns the saved game,
// or null when there is none (or no storage).
export function open(whenInactive) {
  onInactive = whenInactive;
  storage = storageOrNull();
  if (storage === null) return null;
  write(kOwnerKey, tab);
  window.addEventListener('storage', (event) => {
    if (event.key === kOwnerKey || event.key === null) checkOwner();
  });
  return read(kSaveKey);
}

// A save the module refused is kept aside, not lost, before the next save
// takes its place.
export function keepUnreadable(text) {
  write(kUnreadKey, text);
}

export const isInactive = () => inactive;

// A choice of the page's own (not the game's), read and written at once: null,
// and kept for this visit only, without storage.
export function preference(key) {
  try {
    const store = storageOrNull();
    return store ? store.getItem(key) : null;
  } catch (error) {
    return null;
  }
}
export function setPreference(key, value) {
  try {
    const store = storageOrNull();
    if (store) store.setItem(key, value);
  } catch (error) {
    // Full or refused: this visit only.
  }
}

export function save(text) {
  if (!storage || inactive || text === lastSaved) return;
  checkOwner();
  if (inactive) return;
  if (write(kSaveKey, text)) lastSaved = text;
}

