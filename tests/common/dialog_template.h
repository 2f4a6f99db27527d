// Reads a classic dialog template resource (DLGTEMPLATE and its items) back
// into plain values, with texts as Shift-JIS, so tests can compare it with
// the layout it should have.
#ifndef KIVERAN_TESTS_DIALOG_TEMPLATE_H
#define KIVERAN_TESTS_DIALOG_TEMPLATE_H

#include <windows.h>

#include <string>
#include <vector>

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, width = 0, height = 0;
    WORD id = 0;
    std::string className;  // upper case; predefined classes by their names
    std::string text;       // "#n" for an ordinal
};

struct DialogTemplate {
    bool found = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, width = 0, height = 0;
    std::string menu;
    std::string windowClass;
    std::string caption;
    WORD pointSize = 0;
    std::string font;
    std::vector<DialogItem> items;
};

// The template name of language in the running program's resources.
DialogTemplate ReadDialogTemplate(const char* name, WORD language);

// One control as the template should hold it.
struct ExpectedItem {
    WORD id;
    const char* className;
    const char* text;
    short x, y, width, height;
    DWORD style;
};

// Checks the template's controls against expected, in order (a GoogleTest
// expectation for each field).
void ExpectDialogItems(const DialogTemplate& dialog, const ExpectedItem* expected, size_t count);

#endif
