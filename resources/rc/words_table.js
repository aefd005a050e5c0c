#!/usr/bin/env node
// Writes the string table of the resource script as C++, both languages: the
// ResourceString() of the programs that have no Windows resources to load it
// from (the page's module, the tests). The page's own strings are in too.
//   words_table.js OUT.cpp RC HEADER
'use strict';
const fs = require('fs');
const rcWords = require('./rc_words.js');

const [out, rcFile, headerFile] = process.argv.slice(2);
const { strings, english } = rcWords.read(rcFile, headerFile, { page: true });
const cases = Object.entries(strings).map(([name, text]) => `    case ${name}: return ${JSON.stringify(text)};`)
  .concat(Object.entries(english).map(([name, text]) => `    case ${name} + ZOT_ENGLISH: return ${JSON.stringify(text)};`));
fs.writeFileSync(out, `// Written at build time from resources/zot.rc by resources/rc/words_table.js: not to be edited.
#include "resources/resource.h"
#include "words/words.h"

const char* ResourceString(int stringId) {
  switch (stringId) {
${cases.join('\n')}
    default: return "";
  }
}
`);
