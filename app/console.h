#pragma once

// Makes the standard output reach the console the program was started from.
// A Windows program built for the GUI has no console of its own: there it
// attaches to its parent's console, unless the output is already redirected.
// Started from Explorer or the Start menu it opens none. Elsewhere it does nothing.
void useParentConsole();
