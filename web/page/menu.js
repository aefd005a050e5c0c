// The menu bar, for the mouse, fingers and the keyboard alike. One tap or click
// opens a menu, a tap on another title switches to it, and with a mouse moving
// over another title while one is open switches too; a press elsewhere closes
// the menus and goes no further. By keys, as ARIA's menu bar: Enter, Space or
// Down on a title opens its menu at its first item (Up at its last); Up and
// Down move among the items, Home and End to the first and last, Left and
// Right to the next title and its menu (the bar runs right to left); Enter and
// Space choose; Esc closes back to the title, and Esc on a title gives the keys
// back to where they were. Alt with a title's access letter opens its menu.
// Keys a menu has no use for close it and go on to the game, so an open menu
// never keeps T, C, L, D or F2 from the table.

let menubar = null, onCommand = null, markOf = null;
// Where the focus was before the keys came to the menu bar.
let returnTo = null;

const titles = () => Array.from(menubar.querySelectorAll('.menu-title'));
const itemsOf = (title) => Array.from(title.nextElementSibling.querySelectorAll('li[data-command]'));
const openTitle = () => menubar.querySelector('.menu-title[aria-expanded="true"]');

export function close() {
  for (const title of titles()) {
    title.setAttribute('aria-expanded', 'false');
    title.nextElementSibling.hidden = true;
  }
}

// The one title in the Tab order: the last one used.
function rove(title) {
  for (const other of titles()) other.tabIndex = other === title ? 0 : -1;
}

function open(title, focusItem) {
  close();
  rove(title);
  title.setAttribute('aria-expanded', 'true');
  title.nextElementSibling.hidden = false;
  const items = itemsOf(title);
  if (focusItem === 'first') items[0].focus();
  else if (focusItem === 'last') items[items.length - 1].focus();
}

export const isOpen = () => openTitle() !== null;

// The marks of the settings items, as the module's settings have them.
export function showMarks() {
  for (const item of menubar.querySelectorAll('li[role="menuitemradio"]')) {
    item.setAttribute('aria-checked', markOf(Number(item.dataset.command)) ? 'true' : 'false');
  }
}

// The focus leaves the menu bar for where it was before it came.
function leave() {
  close();
  const target = returnTo;
  returnTo = null;
  if (menubar.contains(document.activeElement)) document.activeElement.blur();
  if (target && target.isConnected && !menubar.contains(target)) target.focus();
}

function choose(item) {
  leave();
  onCommand(Number(item.dataset.command));
}

const sameLetter = (a, b) => a.normalize('NFD')[0] === b.normalize('NFD')[0];

// The title whose access letter Alt+key is, or null.
function accessTitle(event) {
  if (!event.altKey || event.ctrlKey || event.metaKey || event.key.length !== 1) return null;
  return titles().find((title) => title.dataset.letter && sameLetter(title.dataset.letter, event.key)) || null;
}

// Keys on the bar's titles and in an open menu. True when the menu used the key.
export function onKey(event) {
  const access = accessTitle(event);
  if (access) {
    if (!menubar.contains(document.activeElement)) returnTo = document.activeElement;
    open(access, 'first');
    event.preventDefault();
    return true;
  }
  const title = openTitle() || (menubar.contains(event.target) ? event.target.closest('.menu-title') : null);
  if (!title || event.altKey || event.ctrlKey || event.metaKey) {
    if (isOpen()) close();
    return false;
  }
  const expanded = title.getAttribute('aria-expanded') === 'true';
  const items = itemsOf(title), at = items.indexOf(document.activeElement);
  const all = titles(), next = (step) => all[(all.indexOf(title) + step + all.length) % all.length];
  const key = event.key;
  if (key === 'ArrowLeft' || key === 'ArrowRight') {
    // Right to left: Left is the next title.
    const to = next(key === 'ArrowLeft' ? 1 : -1);
    if (expanded) open(to, 'first');
    else {
      rove(to);
      to.focus();
    }
  } else if (key === 'ArrowDown' || key === 'ArrowUp') {
    const down = key === 'ArrowDown';
    if (!expanded || at < 0) open(title, down ? 'first' : 'last');
    else items[(at + (down ? 1 : items.length - 1)) % items.length].focus();
  } else if ((key === 'Home' || key === 'End') && expanded) {
    items[key === 'Home' ? 0 : items.length - 1].focus();
  } else if (key === 'Enter' || key === ' ') {
    if (at >= 0) choose(items[at]);
    else open(title, 'first');
  } else if (key === 'Escape') {
    if (expanded) {
      close();
      title.focus();
    } else {
      leave();
    }
  } else if (key === 'Tab') {
    // The focus goes on by the browser's order; the menu closes behind it.
    close();
    return false;
  } else {
    // Not the menu's key: the menu closes and the key goes on to the game.
    if (expanded) leave();
    return false;
  }
  event.preventDefault();
  return true;
}

export function init(bar, commandHandler, markGetter) {
  menubar = bar;
  onCommand = commandHandler;
  markOf = markGetter;
  for (const title of titles()) {
    title.addEventListener('click', () => {
      if (title.getAttribute('aria-expanded') === 'true') close();
      else open(title, null);
    });
    // Touch screens send pointerenter too, just before the tap's click.
    title.addEventListener('pointerenter', (event) => {
      if (event.pointerType === 'mouse' && isOpen()) open(title, null);
    });
  }
  for (const item of menubar.querySelectorAll('li[data-command]')) {
    item.addEventListener('click', () => choose(item));
  }
  // The focus coming to the bar from elsewhere, by Tab or a press.
  menubar.addEventListener('focusin', (event) => {
    if (event.relatedTarget && !menubar.contains(event.relatedTarget)) returnTo = event.relatedTarget;
  });
  // First of all listeners, so the press never reaches the table.
  document.addEventListener('pointerdown', (event) => {
    if (menubar.contains(event.target) || !isOpen()) return;
    close();
    event.stopPropagation();
  }, true);
}
