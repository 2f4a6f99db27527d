#include "launch/launch_main.h"

#include <objbase.h>

#include "about/about_window.h"
#include "association/drop_handler.h"
#include "common/message_box.h"
#include "launch/code_page_guard.h"
#include "launch/command_args.h"
#include "launch/resolve_long_path.h"
#include "common/system_library.h"

static const char kSeveralFilesCaption[] = "複数のファイルがドロップされました";
static const char kSeveralFilesText[] =
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

// The shell and the Open dialog load libraries by name into the process; the
// current folder, which may be any folder the program was started from,
// leaves their search. Windows hands the setting on to the processes started
// from this one, such as the program that opens the dropped file, which is
// the safer search for them too. (SetDefaultDllDirectories would narrow it
// further, but also for the shell extensions the Open dialog loads, which it
// breaks.)
// SetDllDirectoryA is declared only from Windows XP SP1 on, newer than the
// headers this program is compiled against, so it is looked up.
static void KeepCurrentFolderOutOfLibrarySearch(void)
{
    typedef BOOL(WINAPI * SetDllDirectoryProc)(LPCSTR);
    SetDllDirectoryProc setDllDirectory =
        (SetDllDirectoryProc)FindLibraryFunction(GetModuleHandleA("kernel32.dll"), "SetDllDirectoryA");
    if (setDllDirectory != NULL) {
        setDllDirectory("");
    }
}

// The arguments are split from the raw command line by the program's own
// rules, not taken from the C runtime, whose splitting differs between
// runtimes on quotes, backslashes and Shift-JIS trail bytes. The line is
// read in UTF-16: the A form substitutes look-alikes for what code page 932
// cannot hold (U+00A5 even becomes a backslash) and would name another file.
// ShellExecute may hand its work to shell extensions and delegate handlers,
// which need COM initialised on the calling thread, apartment-threaded; OLE1
// DDE is not used. The run goes on without COM when it cannot be had.
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
