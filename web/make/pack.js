// The page's large parts packed at build time: gzip at its highest level
// (node's zlib writes no time or name into the header, so a build repeats
// byte for byte), and names for the site's files taken from their content.
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const gzip = (bytes) => zlib.gzipSync(bytes, { level: 9 });

// A short name for the content: a new build with other bytes gets other names.
const contentName = (...parts) => {
  const hash = crypto.createHash('sha256');
  for (const part of parts) hash.update(part);
  return hash.digest('hex').slice(0, 12);
};

// Every file of the named folders of `root`, each at /FOLDER/NAME in the
// module's file system, as one stream of bytes and the list of [path, size].
function packFolders(root, folders) {
  const files = [], parts = [];
  for (const folder of folders) {
    for (const name of fs.readdirSync(path.join(root, folder)).sort()) {
      const bytes = fs.readFileSync(path.join(root, folder, name));
      files.push([`/${folder}/${name}`, bytes.length]);
      parts.push(bytes);
    }
  }
  return { files, bytes: Buffer.concat(parts) };
}

module.exports = { gzip, contentName, packFolders };
