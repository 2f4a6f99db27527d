#include "about/placement.h"

#include <limits.h>

// One co-ordinate: the cursor less half the size, pulled back to the far
// edge less the size, then to the near edge. The sums are taken in 64 bits
// so that no co-ordinate can overflow; for any size that is not negative the
// result lies between the work area's edges or on the near one, and a
// degenerate negative size is held to the range of int.
static int PlaceOnAxis(int cursor, int size, int nearEdge, int farEdge)
{
    long long position = (long long)cursor + size / -2;
    long long farLimit = (long long)farEdge - size;
    if (position > farLimit) {
        position = farLimit;
    }
    if (position < nearEdge) {
        position = nearEdge;
    }
    if (position > INT_MAX) {
        position = INT_MAX;
    }
    return (int)position;
}

PlacementPoint ComputeNearCursorPosition(PlacementPoint cursor, PlacementSize size,
                                         PlacementRect workArea)
{
    PlacementPoint position;
    position.x = PlaceOnAxis(cursor.x, size.width, workArea.left, workArea.right);
    position.y = PlaceOnAxis(cursor.y, size.height, workArea.top, workArea.bottom);
    return position;
}
