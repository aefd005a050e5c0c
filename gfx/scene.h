// The table scene. RenderTable (declared with the other shell operations in
// game/shell.h) draws it into the frame buffer and presents it.
#pragma once

#include "game/shell.h"

// Draws the scene for the current GameTable into the frame buffer without
// presenting it (RenderTable = DrawTable + PresentFrame).
void DrawTable();
