// The About box's configuration record and the program-wide state of the box.
// The platform hands a dialog procedure no pointer of the caller's, so the
// configuration in use and the open window live here.
#ifndef KIVERAN_ABOUT_ABOUT_CONFIG_H
#define KIVERAN_ABOUT_ABOUT_CONFIG_H

#include <windows.h>

// Items that InitAboutContents fills. The bits 0x0001 and 0x0004 are unused.
#define ABOUT_TITLE 0x0002
#define ABOUT_ICON 0x0008
#define ABOUT_COMPANY 0x0010
#define ABOUT_VERSION 0x0020
#define ABOUT_COPYRIGHT 0x0040
#define ABOUT_LINK 0x0080
#define ABOUT_RESOURCES 0x0100

struct AboutBoxConfig {
    UINT32 flags;           // which items to fill (ABOUT_...)
    INT32 iconControl;      // static icon control
    INT32 companyControl;   // company-name text
    INT32 versionControl;   // "description ver. version" line
    INT32 copyrightControl; // copyright text
    INT32 linkControl;      // the link, a static with SS_NOTIFY
    INT32 resourcesControl; // free-resources line
    const char* linkText;   // the link's text and the target the shell opens
    const char* templateName;
    DLGPROC hook;           // called first for every message; 0 stops the box's own handling
    HCURSOR linkCursor;     // shown over the link
    HINSTANCE instance;     // module holding the template
};

// The configuration in use, copied in by ShowAboutBox before the box starts.
extern AboutBoxConfig g_aboutConfig;
// The open box, or null while none is shown.
extern HWND g_aboutWindow;

#endif
