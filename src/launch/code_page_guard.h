// The program's texts are Shift-JIS bytes handed to the A functions, and its
// path and argument scanners apply the Shift-JIS byte ranges: under any other
// ANSI code page its messages would be garbage, its default menu text would
// be stored as garbage and its scanners would cut paths and arguments wrong.
#ifndef KIVERAN_LAUNCH_CODE_PAGE_GUARD_H
#define KIVERAN_LAUNCH_CODE_PAGE_GUARD_H

// 1 when the ANSI code page is 932. Otherwise shows one message, in Japanese
// and English in UTF-16 so that it reads right under any code page, saying
// what the program needs and what the system uses, and returns 0: the run
// must then end having done nothing else.
int RequireJapaneseCodePage(void);

#endif
