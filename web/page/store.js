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
//
// A save this build cannot read is kept aside, the last few of them, under
// keys numbered in the order they came; a save of a newer build is left as it
// is, and this visit saves nothing over it.

const kSaveKey = 'zot.match.v1';
const kUnreadKey = /^zot\.match\.v1\.unread\.(\d+)$/;
const kOwnerKey = 'zot.owner';
// The copies kept aside: so many at most, and so many characters in all, well
// within the five million or so a browser gives a site, so that they never
// leave the game itself no room.
const kUnreadKept = 3;
const kUnreadChars = 2 << 20;
const tab = Math.random().toString(36).slice(2) + Date.now().toString(36);
let storage = null, lastSaved = null, inactive = false, onInactive = null, newer = false;

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

// Storage the browser keeps under pressure, asked once a visit where it can
// be: an installed app is granted it. Refused, or never answered, the page
// plays as before.
function askToPersist() {
  navigator.storage?.persisted?.().then((persisted) => persisted || navigator.storage.persist()).catch(() => {});
}

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
  askToPersist();
  write(kOwnerKey, tab);
  window.addEventListener('storage', (event) => {
    if (event.key === kOwnerKey || event.key === null) checkOwner();
  });
  return read(kSaveKey);
}

// A save the module refused is kept aside, not lost, before the next save
// takes its place; the oldest copies make room. False when it could not be
// kept: longer than all the room the copies have, or refused by the browser.
export function keepUnreadable(text) {
  try {
    if (!storage) return false;
    const kept = [];
    for (let i = 0; i < storage.length; ++i) {
      const number = storage.key(i).match(kUnreadKey)?.[1];
      if (number !== undefined) kept.push({ key: storage.key(i), number: Number(number), length: read(storage.key(i)).length });
    }
    kept.sort((a, b) => a.number - b.number);
    // Found again after a save that could not take its place: kept already.
    const newest = kept[kept.length - 1];
    if (newest && read(newest.key) === text) return true;
    if (text.length > kUnreadChars) return false;
    let chars = kept.reduce((sum, copy) => sum + copy.length, text.length);
    while (kept.length >= kUnreadKept || chars > kUnreadChars) {
      const oldest = kept.shift();
      chars -= oldest.length;
      storage.removeItem(oldest.key);
    }
    return write(`zot.match.v1.unread.${newest ? newest.number + 1 : 1}`, text);
  } catch (error) {
    return false;
  }
}

// A save of a newer build: this visit plays without writing over it.
export function keepNewer() {
  newer = true;
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

// False when the browser refused it (its storage full): the next call tries again.
export function save(text) {
  if (!storage || inactive || newer || text === lastSaved) return true;
  checkOwner();
  if (inactive) return true;
  if (!write(kSaveKey, text)) return false;
  lastSaved = text;
  return true;
}

