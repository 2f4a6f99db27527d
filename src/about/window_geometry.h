// Window and screen rectangles, the work area, and moving a window next to
// the cursor.
#ifndef KIVERAN_ABOUT_WINDOW_GEOMETRY_H
#define KIVERAN_ABOUT_WINDOW_GEOMETRY_H

#include <windows.h>

// The window's rectangle in screen co-ordinates, or for a null window the
// screen's: 0, 0, SM_CXSCREEN, SM_CYSCREEN.
RECT GetWindowOrScreenRect(HWND window);
// Width and height of GetWindowOrScreenRect(window).
int RectWidth(HWND window);
int RectHeight(HWND window);
// The work area (the screen less the task bar) of the monitor under point,
// or of the nearest one; the primary screen's rectangle when the system
// gives none.
RECT GetWorkArea(POINT point);
// Moves the window's top-left corner to x, y without resizing it or changing
// its place in the Z order. Returns 1, or 0 when the system refused.
int MoveWindowTo(HWND window, int x, int y);
// Moves a window so that it is centred on the cursor and lies inside the
// work area of the cursor's monitor; a child window's position is given in
// its parent's client co-ordinates.
void PlaceNearCursor(HWND window);

#endif
