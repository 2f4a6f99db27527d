#include "common/desktop_open.h"

#include <exdisp.h>
#include <shldisp.h>
#include <shlobj.h>
#include <string.h>

#include "common/system_library.h"

// SID_STopLevelBrowser, under which the desktop's window offers its shell
// browser; the headers only declare it, for a library the program does not link.
static const GUID kTopLevelBrowser = {0x4c96be40, 0x915c, 0x11cf, {0x99, 0xd3, 0x00, 0xaa, 0x00, 0x4a, 0xe8, 0x37}};

typedef BSTR(WINAPI* SysAllocStringProc)(const OLECHAR*);
typedef void(WINAPI* SysFreeStringProc)(BSTR);

OpenRoute ChooseOpenRoute(DWORD queryError, DWORD elevationType)
{
    // Windows 2000 and XP know no such token class: nothing there is elevated.
    if (queryError == ERROR_INVALID_PARAMETER) {
        return OPEN_BY_PROGRAM;
    }
    if (queryError == ERROR_SUCCESS
        && (elevationType == TokenElevationTypeDefault || elevationType == TokenElevationTypeLimited)) {
        return OPEN_BY_PROGRAM;
    }
    return OPEN_BY_DESKTOP;
}

static OpenRoute RouteOfThisProcess(void)
{
    HANDLE token;
    DWORD type = 0;
    DWORD size = 0;
    DWORD error = ERROR_SUCCESS;
    // A token that cannot be read may well be the administrator's.
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return OPEN_BY_DESKTOP;
    }
    if (!GetTokenInformation(token, TokenElevationType, &type, sizeof(type), &size)) {
        error = GetLastError();
    }
    CloseHandle(token);
    return ChooseOpenRoute(error, type);
}

static void Release(IUnknown* object)
{
    if (object != NULL) {
        object->Release();
    }
}

// The desktop shell's automation object, reached through the desktop's own
// folder view; null when no running desktop serves it.
static IShellDispatch2* FindDesktopShell(void)
{
    IShellWindows* windows = NULL;
    IDispatch* desktop = NULL;
    IServiceProvider* services = NULL;
    IShellBrowser* browser = NULL;
    IShellView* view = NULL;
    IDispatch* background = NULL;
    IShellFolderViewDual* folderView = NULL;
    IDispatch* application = NULL;
    IShellDispatch2* shell = NULL;
    VARIANT location;
    VARIANT root;
    memset(&location, 0, sizeof(location));
    memset(&root, 0, sizeof(root));
    V_VT(&location) = VT_I4;
    V_I4(&location) = CSIDL_DESKTOP;
    LONG window = 0;
    if (SUCCEEDED(CoCreateInstance(__uuidof(ShellWindows), NULL, CLSCTX_LOCAL_SERVER, __uuidof(IShellWindows),
                                   (void**)&windows))
        && windows->FindWindowSW(&location, &root, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, &desktop) == S_OK
        && desktop != NULL
        && SUCCEEDED(desktop->QueryInterface(__uuidof(IServiceProvider), (void**)&services))
        && SUCCEEDED(services->QueryService(kTopLevelBrowser, __uuidof(IShellBrowser), (void**)&browser))
        && SUCCEEDED(browser->QueryActiveShellView(&view)) && view != NULL
        && SUCCEEDED(view->GetItemObject(SVGIO_BACKGROUND, __uuidof(IDispatch), (void**)&background))
        && background != NULL
        && SUCCEEDED(background->QueryInterface(__uuidof(IShellFolderViewDual), (void**)&folderView))
        && SUCCEEDED(folderView->get_Application(&application)) && application != NULL) {
        application->QueryInterface(__uuidof(IShellDispatch2), (void**)&shell);
    }
    Release(application);
    Release(folderView);
    Release(background);
    Release(view);
    Release(browser);
    Release(services);
    Release(desktop);
    Release(windows);
    return shell;
}

// The desktop's ShellExecute, with no arguments and the default verb. Its
// strings come from oleaut32.dll, loaded only on this route. COM may or may
// not be initialised by the caller: a nested initialisation is counted.
static int OpenThroughDesktop(const WCHAR* target, const WCHAR* folder)
{
    HMODULE library = LoadSystemLibrary("oleaut32.dll");
    if (library == NULL) {
        return 0;
    }
    SysAllocStringProc allocate = (SysAllocStringProc)FindLibraryFunction(library, "SysAllocString");
    SysFreeStringProc freeString = (SysFreeStringProc)FindLibraryFunction(library, "SysFreeString");
    HRESULT com = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    IShellDispatch2* shell = allocate != NULL && freeString != NULL ? FindDesktopShell() : NULL;
    int opened = 0;
    if (shell != NULL) {
        VARIANT none;
        VARIANT directory;
        VARIANT show;
        memset(&none, 0, sizeof(none));
        memset(&directory, 0, sizeof(directory));
        memset(&show, 0, sizeof(show));
        V_VT(&show) = VT_I4;
        V_I4(&show) = SW_SHOWNORMAL;
        BSTR file = allocate(target);
        if (folder != NULL) {
            V_VT(&directory) = VT_BSTR;
            V_BSTR(&directory) = allocate(folder);
        }
        // S_FALSE: the desktop started nothing.
        opened = file != NULL && (folder == NULL || V_BSTR(&directory) != NULL)
                 && shell->ShellExecute(file, none, directory, none, show) == S_OK;
        freeString(V_BSTR(&directory));
        freeString(file);
        shell->Release();
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    FreeLibrary(library);
    return opened;
}

static int OpenAsSignedInUser(const WCHAR* target, const WCHAR* folder)
{
    if (RouteOfThisProcess() == OPEN_BY_DESKTOP) {
        return OpenThroughDesktop(target, folder);
    }
    ShellExecuteW(NULL, NULL, target, NULL, folder, SW_SHOWNORMAL);
    return 1;
}

int OpenFileAsSignedInUser(const WCHAR* path)
{
    WCHAR folder[MAX_PATH];
    size_t last = 0;
    size_t i = 0;
    for (; path[i] != L'\0' && i + 1 < MAX_PATH; ++i) {
        folder[i] = path[i];
        if (path[i] == L'\\') {
            last = i;
        }
    }
    // A drive's root keeps its backslash: "C:" names the drive's current folder.
    folder[last > 0 && folder[last - 1] == L':' ? last + 1 : last] = L'\0';
    return OpenAsSignedInUser(path, folder);
}

int OpenAddressAsSignedInUser(const WCHAR* address)
{
    return OpenAsSignedInUser(address, NULL);
}
