#include "launch/launch_main.h"

#include <objbase.h>

#include "about/about_window.h"
#include "association/drop_handler.h"
#include "common/message_box.h"
#include "common/packed_text.h"
#include "launch/code_page_guard.h"
#include "launch/command_args.h"
#include "launch/resolve_long_path.h"
#include "common/system_library.h"

static const char kSeveralFilesCaption[] PACKED_TEXT = "複数のファイルがドロップされました";
static const char kSeveralFilesText[] PACKED_TEXT =
    "ファイルを一つづつドロップしてください。\n\n"
    " 現在のバージョンでは、複数の拡張子に\n"
    "同時に関連づけを行うことはできません。";

// Resolves the one argument and hands it to the drop handler. An argument
// of more than 259 characters (the splitter refuses it rather than cut it),
// or one that the shell cannot resolve, is handed on as an empty path, on
// which the drop handler ends the run.
static void RunForOneArgument(const WCHAR* commandLine)
{
    WCHAR argument[MAX_PATH];
    WCHAR path[MAX_PATH];
    path[0] = L'\0';
    if (GetCommandLineArgument(commandLine, 1, argument, MAX_PATH)) {
        ResolveLongPath(argument, path, MAX_PATH);
    }
    HandleDroppedFile(path);
}

// The shell and the Open dialog load libraries by name: the current folder,
// which may be any folder, leaves their search (and that of the processes
// started from here). SetDefaultDllDirectories would break shell extensions.
// SetDllDirectoryA is newer than the headers' 0x0501, so it is looked up.
static void KeepCurrentFolderOutOfLibrarySearch(void)
{
    typedef BOOL(WINAPI * SetDllDirectoryProc)(LPCSTR);
    SetDllDirectoryProc setDllDirectory =
        (SetDllDirectoryProc)FindLibraryFunction(GetModuleHandleA("kernel32.dll"), "SetDllDirectoryA");
    if (setDllDirectory != NULL) {
        setDllDirectory("");
    }
}

// The arguments are split by the program's own rules (runtimes differ on
// quotes and backslashes) from the UTF-16 line: the A form substitutes
// look-alikes for what code page 932 cannot hold (U+00A5 becomes a
// backslash). Shell extensions need COM, apartment-threaded; without it the
// run goes on.
int LaunchMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    KeepCurrentFolderOutOfLibrarySearch();
    if (!RequireJapaneseCodePage()) {
        return 0;
    }
    HRESULT com = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const WCHAR* commandLine = GetCommandLineW();
    int count = CountCommandLineArguments(commandLine);
    if (count < 2) {
        ShowProgramAboutBox(NULL);
    } else if (count == 2) {
        RunForOneArgument(commandLine);
    } else {
        ShowMessage(NULL, kSeveralFilesCaption, kSeveralFilesText, MB_OK);
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showState)
{
    return LaunchMain(instance, previousInstance, commandLine, showState);
}
