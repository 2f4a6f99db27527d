#include "about/about_contents.h"

#include <stdlib.h>

#include "about/about_config.h"
#include "about/about_texts.h"
#include "about/version_library.h"
#include "common/bounded_text.h"
#include "path/module_file.h"
#include "common/system_library.h"

AboutBoxConfig g_aboutConfig;

// The function of rsrc32.dll: a selector in (0 system, 1 GDI, 2 USER), the
// free percentage out.
typedef int(WINAPI* FreeSystemResourcesProc)(int selector);

void* LoadOwnVersionInfo(const VersionLibrary* library, const char* path, DWORD** translation)
{
    DWORD handle = 0;
    void* entry = NULL;
    UINT length = 0;
    *translation = NULL;
    DWORD size = library->getFileVersionInfoSize(path, &handle);
    if (size == 0) {
        return NULL;
    }
    void* block = malloc(size);
    if (block == NULL) {
        return NULL;
    }
    // An empty translation table would leave nothing to read the entry from.
    if (library->getFileVersionInfo(path, 0, size, block) &&
        library->verQueryValue(block, "\\VarFileInfo\\Translation", &entry, &length) && entry != NULL &&
        length >= sizeof(DWORD)) {
        *translation = (DWORD*)entry;
        return block;
    }
    free(block);
    return NULL;
}

int QueryVersionString(const VersionLibrary* library, char* output, void* block, DWORD translation,
                       const char* name)
{
    char subBlock[ABOUT_TEXT_SIZE];
    void* value = NULL;
    UINT length = 0;
    if (!ComposeVersionStringPath(subBlock, (unsigned int)translation, name) ||
        !library->verQueryValue(block, subBlock, &value, &length) || value == NULL) {
        output[0] = '\0';
        return 0;
    }
    CopyText(output, ABOUT_TEXT_SIZE, (const char*)value);
    return 1;
}

int GetFreeSystemResources(int* system, int* gdi, int* user)
{
    // No NT-based Windows has the library, so a copy that a search by name
    // finds, in the program's folder, the current folder or on PATH, may have
    // been put there by anyone. Only the system folder's, where Windows 95
    // kept it, is taken.
    HMODULE library = LoadSystemLibrary("rsrc32.dll");
    if (library == NULL) {
        return 0;
    }
    // The name is the 32-bit library's, stdcall decoration included; the
    // 64-bit edition asks for it as it is, since no 64-bit library exists that
    // would name its export otherwise.
    FreeSystemResourcesProc query =
        (FreeSystemResourcesProc)FindLibraryFunction(library, "_MyGetFreeSystemResources32@4");
    if (query == NULL) {
        FreeLibrary(library);
        return 0;
    }
    if (system != NULL) {
        *system = query(0);
    }
    if (gdi != NULL) {
        *gdi = query(1);
    }
    if (user != NULL) {
        *user = query(2);
    }
    FreeLibrary(library);
    return 1;
}

// The strings of the program file's version block that the items of flags
// show, and the texts composed from them; every text empty when the file has
// no readable block, or when the system's version library cannot be had. A
// box that shows no text reads no block.
static void ReadVersionTexts(UINT32 flags, AboutTexts* texts)
{
    char path[MAX_PATH];
    VersionLibrary library;
    DWORD* translation = NULL;
    ClearAboutTexts(texts);
    if (!(flags & (ABOUT_TITLE | ABOUT_VERSION | ABOUT_COMPANY | ABOUT_COPYRIGHT)) ||
        !GetModulePath(path) || !LoadVersionLibrary(&library)) {
        return;
    }
    void* block = LoadOwnVersionInfo(&library, path, &translation);
    if (block != NULL) {
        if (flags & ABOUT_COMPANY) {
            QueryVersionString(&library, texts->company, block, *translation, "CompanyName");
        }
        if (flags & ABOUT_COPYRIGHT) {
            QueryVersionString(&library, texts->copyright, block, *translation, "LegalCopyright");
        }
        if (flags & ABOUT_VERSION) {
            QueryVersionString(&library, texts->version, block, *translation, "ProductVersion");
        }
        if (flags & (ABOUT_TITLE | ABOUT_VERSION)) {
            QueryVersionString(&library, texts->description, block, *translation, "FileDescription");
        }
        ComposeAboutTexts(texts);
        free(block);
    }
    FreeVersionLibrary(&library);
}

static void SetControlText(HWND dialog, int control, const char* text)
{
    SetWindowTextA(GetDlgItem(dialog, control), text);
}

static void FillAboutItems(HWND dialog, const AboutTexts* texts, const char* resources)
{
    UINT32 flags = g_aboutConfig.flags;
    if (flags & ABOUT_ICON) {
        // An icon of its own, which the control then owns.
        SendMessageA(GetDlgItem(dialog, g_aboutConfig.iconControl), STM_SETICON,
                     (WPARAM)GetModuleIcon(GetModuleHandleA(NULL), ICON_BIG), 0);
    }
    if (flags & ABOUT_LINK) {
        SetControlText(dialog, g_aboutConfig.linkControl, g_aboutConfig.linkText);
    }
    if (flags & ABOUT_TITLE) {
        SetWindowTextA(dialog, texts->title);
    }
    if (flags & ABOUT_COMPANY) {
        SetControlText(dialog, g_aboutConfig.companyControl, texts->company);
    }
    if (flags & ABOUT_COPYRIGHT) {
        SetControlText(dialog, g_aboutConfig.copyrightControl, texts->copyright);
    }
    if (flags & ABOUT_VERSION) {
        SetControlText(dialog, g_aboutConfig.versionControl, texts->versionLine);
    }
    if (flags & ABOUT_RESOURCES) {
        SetControlText(dialog, g_aboutConfig.resourcesControl, resources);
    }
}

BOOL InitAboutContents(HWND dialog)
{
    char resources[ABOUT_RESOURCES_SIZE];
    AboutTexts texts;
    int system = 0;

    resources[0] = '\0';
    SetModuleIcons(dialog, GetModuleHandleA(NULL));
    ReadVersionTexts(g_aboutConfig.flags, &texts);
    if (GetFreeSystemResources(&system, NULL, NULL)) {
        ComposeResourcesLine(resources, system);
    }
    FillAboutItems(dialog, &texts, resources);
    return TRUE;
}

void ReleaseAboutIcons(HWND dialog)
{
    ReleaseModuleIcons(dialog);
    // Without ABOUT_ICON the control still shows the template's icon, which
    // the system shares and which must stay.
    HICON icon = (g_aboutConfig.flags & ABOUT_ICON)
                     ? (HICON)SendMessageA(GetDlgItem(dialog, g_aboutConfig.iconControl), STM_SETICON, 0, 0)
                     : NULL;
    if (icon != NULL) {
        DestroyIcon(icon);
    }
}
