#include "association/drop_handler.h"

#include <windows.h>
#include <shellapi.h>

#include <string.h>

#include "association/association_dialog.h"
#include "association/association_store.h"
#include "association/message_box.h"
#include "association/refused_extension.h"
#include "path/bounded_text.h"
#include "path/sjis_path.h"

static const char kNotFoundCaption[] = "ファイルが見つかりません";
static const char kNotFoundText[] =
    "ドロップされたファイルが見つからないため、関連づけを行うことはできません。";
static const char kDirectoryCaption[] = "ディレクトリがドロップされました";
static const char kDirectoryText[] =
    "現在のバージョンでは、ディレクトリに関連づけを行うことはできません。";
static const char kSpecialCaption[] = "特殊な拡張子への関連づけ";
static const char kSpecialText[] =
    "現在のバージョンでは、拡張子 exe, com, lnk に関連づけを行うことはできません。";

// 1 when the file may be associated; otherwise the user has been told why not.
static int AcceptDroppedPath(const char* path, const char* extension)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        ShowMessage(NULL, kNotFoundCaption, kNotFoundText, MB_OK);
        return 0;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        ShowMessage(NULL, kDirectoryCaption, kDirectoryText, MB_OK);
        return 0;
    }
    if (IsRefusedExtension(extension)) {
        ShowMessage(NULL, kSpecialCaption, kSpecialText, MB_OK);
        return 0;
    }
    return 1;
}

// The program now associated with the file, or nothing.
static void FindCurrentProgram(const char* path, char* program)
{
    // The buffer's contents are not defined when nothing is found.
    if ((INT_PTR)FindExecutableA(path, NULL, program) <= 32) {
        program[0] = '\0';
    }
    TerminateText(program, MAX_PATH);
}

void HandleDroppedFile(const char* path)
{
    const char* extension = FindExtension(path);
    if (!AcceptDroppedPath(path, extension)) {
        return;
    }
    AssocRequest request;
    memset(&request, 0, sizeof(request));
    request.runAfter = 1;
    request.quoteFileName = 1;
    request.setDefaultVerb = 0;
    FindCurrentProgram(path, request.commandLine);
    ReadCurrentAssociation(extension, &request);
    if (!RunAssociationDialog(NULL, &request)) {
        return;
    }
    int written = WriteAssociation(extension, request, NULL);
    if (written && request.runAfter) {
        ShellExecuteA(NULL, NULL, path, NULL, NULL, SW_SHOWNORMAL);
    }
}
