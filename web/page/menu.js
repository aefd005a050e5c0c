// The menu bar: one tap or click opens a menu, a tap on another title
// switches to it, and with a mouse moving over another title while one is open
// switches too. A press elsewhere closes the menus and goes no further.

let menubar = null, onCommand = null, markOf = null;

export function close() {
  for (const title of menubar.querySelectorAll('.menu-title')) {
    title.setAttribute('aria-expanded', 'false');
    title.nextElementSibling.hidden = true;
  }
}

function open(title) {
  close();
  title.setAttribute('aria-expanded', 'true');
  title.nextElementSibling.hidden = false;
}

export const isOpen = () => menubar.querySelector('.menu-title[aria-expanded="true"]') !== null;

// The marks of the settings items, as the module's settings have them.
export function showMarks() {
  for (const item of menubar.querySelectorAll('li[role="menuitemradio"]')) {
    item.setAttribute('aria-checked', markOf(Number(item.dataset.command)) ? 'true' : 'false');
  }
}

export function init(bar, commandHandler, markGetter) {
  menubar = bar;
  onCommand = commandHandler;
  markOf = markGetter;
  for (const title of menubar.querySelectorAll('.menu-title')) {
    title.addEventListener('click', () => {
      if (title.getAttribute('aria-expanded') === 'true') close();
      else open(title);
    });
    // Touch screens send pointerenter too, just before the tap's click.
    title.addEventListener('pointerenter', (event) => {
      if (event.pointerType === 'mouse' && isOpen()) open(title);
    });
  }
  for (const item of menubar.querySelectorAll('li[data-command]')) {
    item.addEventListener('click', () => {
      close();
      onCommand(Number(item.dataset.command));
    });
  }
  // First of all listeners, so the press never reaches the table.
  document.addEventListener('pointerdown', (event) => {
    if (menubar.contains(event.target) || !isOpen()) return;
    close();
    event.stopPropagation();
  }, true);
}

