// For headless programs that picture nothing.
#include "game/shell.h"

void RenderTable(WindowHandle) {}
