// What the plain-memory platform adds for tools and tests: where the bitmap
// files are read from.
#pragma once

#include "game/shell.h"

// Folder holding <NAME>.bmp for every bitmap resource. Null or "" restores the
// folder built in (the source tree's resources/bitmaps).
void SetBitmapDirectory(const char* directory);
const char* BitmapDirectory();
