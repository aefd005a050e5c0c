// The how-to-play text (resources/help_ar.txt, which Zot.exe shows as it
// stands) as the page's guide: its first line is the dialog's caption, each
// block after a blank line a section whose first line is its heading (when the
// block has more lines than one and the line ends in no stop), every other line
// a paragraph, so a screen reader can move by heading.
'use strict';

const escapeHtml = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

function helpHtml(text) {
  const blocks = text.trim().split(/\r?\n\s*\r?\n/).map((block) => block.split(/\r?\n/).map((line) => line.trim()));
  blocks[0].shift();  // the title, which the caption shows
  return blocks.filter((lines) => lines.length > 0).map((lines) => lines.map((line, i) =>
    i === 0 && lines.length > 1 && !/[.:؟!،]$/.test(line) ? `<h3>${escapeHtml(line)}</h3>` : `<p>${escapeHtml(line)}</p>`)
    .join('\n')).join('\n');
}

module.exports = { helpHtml };
