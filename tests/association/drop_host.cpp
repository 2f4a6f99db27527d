// Runs the association for the one path given on its command line, as the
// program does after resolving its argument.
#include <windows.h>

#include "association/drop_handler.h"
#include "launch/command_args.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[1024];
    if (!GetCommandLineArgument(GetCommandLineA(), 1, path, sizeof(path))) {
        path[0] = '\0';
    }
    HandleDroppedFile(path);
    return 0;
}
