// The program the user chose in Windows' own settings for an extension.
#ifndef KIVERAN_ASSOCIATION_STORE_DEFAULT_APP_H
#define KIVERAN_ASSOCIATION_STORE_DEFAULT_APP_H

// The file type the user picked in Windows' own settings for extension
// (the ProgId of its UserChoiceLatest\ProgId key, else of its UserChoice
// key), which decides what a double-click opens from Windows 8 on. 1 with
// the name in progId (ASSOC_TEXT_SIZE bytes; empty when code page 932
// cannot hold it), or 0 with progId empty when there is none. Only reads.
int ReadUserChoice(const char* extension, char* progId);

// Whether that choice names another file type than type: then a
// double-click opens the choice, whatever type's default verb runs.
int ChoiceNamesAnotherType(const char* extension, const char* type);

#endif
