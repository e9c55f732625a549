#include "app/console.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>

void useParentConsole()
{
    // Output redirected to a file or a pipe already has somewhere to go.
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN)
        return;
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
}
#else
void useParentConsole() {}
#endif
