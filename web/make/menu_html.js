// The menu bar of the resource script's menu as an ARIA menu bar: each title a
// menuitem that opens its menu, with the access letter that follows "&" as its
// Alt shortcut; a popup that carries check marks holds settings, so its items
// are radio items, but for a command among them (one that opens a dialog, "…",
// or the language item). One title is in the Tab order at a time (menu.js moves it).
'use strict';

function menuHtml(popups, escapeHtml) {
  return popups.map((popup, n) => {
    const letter = (popup.text.match(/&(.)/) || [])[1];
    const title = popup.text.replace('&', '');
    const settings = popup.items.some((item) => item.checked);
    const items = popup.items.map((item) => {
      if (item.separator) return '    <li role="separator"></li>';
      const radio = settings && !item.command && !item.text.endsWith('…');
      return `    <li role="${radio ? 'menuitemradio' : 'menuitem'}" tabindex="-1" data-command="${item.id}"` +
        `${radio ? ` aria-checked="${item.checked}"` : ''}>${escapeHtml(item.text)}</li>`;
    });
    const shortcut = letter ? ` aria-keyshortcuts="Alt+${escapeHtml(letter)}" data-letter="${escapeHtml(letter)}"` : '';
    return `<div class="menu" role="none">
  <button class="menu-title" id="menu-title-${n}" role="menuitem" tabindex="${n === 0 ? 0 : -1}" aria-haspopup="menu" aria-expanded="false"${shortcut}>${escapeHtml(title)}</button>
  <ul class="menu-items" role="menu" aria-labelledby="menu-title-${n}" hidden>
${items.join('\n')}
  </ul>
</div>`;
  }).join('\n');
}

module.exports = menuHtml;
