// The About box's texts, composed from the strings of the version block and
// the free-resources figure. Every text is cut at a character boundary
// rather than overrun its buffer.
#ifndef KIVERAN_ABOUT_ABOUT_TEXTS_H
#define KIVERAN_ABOUT_ABOUT_TEXTS_H

enum {
    ABOUT_TEXT_SIZE = 264,     // each string read or composed
    ABOUT_RESOURCES_SIZE = 34  // the free-resources line: a figure of up to three characters
};

struct AboutTexts {
    char company[ABOUT_TEXT_SIZE];      // "CompanyName"
    char copyright[ABOUT_TEXT_SIZE];    // "LegalCopyright"
    char version[ABOUT_TEXT_SIZE];      // "ProductVersion"
    char description[ABOUT_TEXT_SIZE];  // "FileDescription"
    char title[ABOUT_TEXT_SIZE];        // "description について"
    char versionLine[ABOUT_TEXT_SIZE];  // "description ver. version"
};

// Every text empty: what the box shows when no version block can be read.
void ClearAboutTexts(AboutTexts* texts);

// The title and the version line from the description and the version.
// Returns 1, or 0 when one of them had to be cut.
int ComposeAboutTexts(AboutTexts* texts);

// "システムリソース： N ％使用可能" into output (ABOUT_RESOURCES_SIZE bytes).
// A figure too long for the line (below -99 or above 999) leaves it empty and
// gives 0: a cut figure would show a wrong number.
int ComposeResourcesLine(char* output, int figure);

// The version block's path of one string, "\StringFileInfo\LLLLCCCC\name",
// from a translation entry whose low half is the language and high half the
// code page; into output (ABOUT_TEXT_SIZE bytes). 0 and empty when it does not fit.
int ComposeVersionStringPath(char* output, unsigned int translation, const char* name);

#endif
