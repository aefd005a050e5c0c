// The words the table is told in: the resource script's string table, in UTF-8.
// Each program supplies Word: Zot.exe from its own resources, the page and the
// tests from a table the build writes from the same script (words_table.cpp).
#pragma once

// The string `stringId` of resources/resource.h; "" when the program has none.
const char* Word(int stringId);
