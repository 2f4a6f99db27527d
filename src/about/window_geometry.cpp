#include "about/window_geometry.h"

#include "about/placement.h"

RECT GetWindowOrScreenRect(HWND window)
{
    RECT rect;
    if (window != NULL && GetWindowRect(window, &rect)) {
        return rect;
    }
    rect.left = 0;
    rect.top = 0;
    rect.right = GetSystemMetrics(SM_CXSCREEN);
    rect.bottom = GetSystemMetrics(SM_CYSCREEN);
    return rect;
}

int RectWidth(HWND window)
{
    RECT rect = GetWindowOrScreenRect(window);
    return rect.right - rect.left;
}

int RectHeight(HWND window)
{
    RECT rect = GetWindowOrScreenRect(window);
    return rect.bottom - rect.top;
}

RECT GetWorkArea(POINT point)
{
    MONITORINFO info;
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoA(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info)) {
        return GetWindowOrScreenRect(NULL);
    }
    return info.rcWork;
}

int MoveWindowTo(HWND window, int x, int y)
{
    return SetWindowPos(window, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER) != FALSE;
}

void PlaceNearCursor(HWND window)
{
    POINT cursor;
    if (!GetCursorPos(&cursor)) {
        cursor.x = 0;
        cursor.y = 0;
    }
    PlacementPoint at;
    at.x = cursor.x;
    at.y = cursor.y;
    RECT rect = GetWindowOrScreenRect(window);
    PlacementSize size;
    size.width = rect.right - rect.left;
    size.height = rect.bottom - rect.top;
    RECT work = GetWorkArea(cursor);
    PlacementRect workArea;
    workArea.left = work.left;
    workArea.top = work.top;
    workArea.right = work.right;
    workArea.bottom = work.bottom;
    PlacementPoint position = ComputeNearCursorPosition(at, size, workArea);

    POINT point;
    point.x = position.x;
    point.y = position.y;
    // GetParent also gives the owner of a pop-up; only a true child is
    // positioned in its parent's client co-ordinates.
    HWND parent = GetParent(window);
    if (parent != NULL && IsChild(parent, window)) {
        ScreenToClient(parent, &point);
    }
    MoveWindowTo(window, point.x, point.y);
}
