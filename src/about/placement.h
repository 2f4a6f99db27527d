// Where a window goes so that it is centred on the cursor and lies inside
// the work area: the arithmetic alone, on plain records.
#ifndef KIVERAN_ABOUT_PLACEMENT_H
#define KIVERAN_ABOUT_PLACEMENT_H

struct PlacementPoint {
    int x;
    int y;
};

struct PlacementSize {
    int width;
    int height;
};

struct PlacementRect {
    int left;
    int top;
    int right;
    int bottom;
};

// The top-left corner for a window of size: the cursor minus half the size
// (size / -2, truncated toward zero), then pulled back inside workArea from
// the right and bottom, then from the left and top, so that the left and top
// edges win when the window is larger than the work area.
PlacementPoint ComputeNearCursorPosition(PlacementPoint cursor, PlacementSize size,
                                         PlacementRect workArea);

#endif
