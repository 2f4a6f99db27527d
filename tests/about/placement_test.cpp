#include "about/placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ComputeNearCursorPosition, PlacesTheWindowCentredOnTheCursorInsideTheWorkArea)
{
    struct Row {
        const char* name;
        PlacementPoint cursor;
        PlacementSize size;
        PlacementRect work;
        PlacementPoint expected;
    };
    const PlacementRect screen = {0, 0, 1280, 1024};
    const PlacementRect leftMonitor = {-1280, 0, 0, 1024};  // a monitor left of the primary one
    const PlacementRect aboveMonitor = {0, -1024, 1280, -30};
    const Row rows[] = {
        {"even size: exactly half on each side", {500, 400}, {200, 100}, screen, {400, 350}},
        // 201 / -2 is -100 (toward zero), not -101.
        {"odd size: the offset truncates toward zero", {500, 400}, {201, 101}, screen, {400, 350}},
        {"size of one: no offset", {500, 400}, {1, 1}, screen, {500, 400}},
        {"pushed back from the right edge", {1270, 400}, {200, 100}, screen, {1080, 350}},
        {"pushed back from the bottom edge", {500, 1020}, {200, 100}, screen, {400, 924}},
        {"bottom-right corner: both edges meet the work area's", {1279, 1023}, {241, 127}, screen, {1039, 897}},
        {"pushed in from the left edge", {10, 400}, {200, 100}, screen, {0, 350}},
        {"pushed in from the top edge", {500, 5}, {200, 100}, screen, {400, 0}},
        {"right edge exactly reached stays", {1180, 400}, {200, 100}, screen, {1080, 350}},
        {"wider than the work area: the left edge wins", {1279, 400}, {1500, 100}, screen, {0, 350}},
        {"taller than the work area: the top edge wins", {500, 1023}, {200, 1100}, screen, {400, 0}},
        {"larger both ways, cursor at the far corner", {1279, 1023}, {2000, 1500}, screen, {0, 0}},
        {"work area left of the primary monitor", {-640, 512}, {201, 101}, leftMonitor, {-740, 462}},
        {"left monitor, near its right edge", {-5, 512}, {201, 101}, leftMonitor, {-201, 462}},
        {"left monitor, near its left edge", {-1275, 512}, {201, 101}, leftMonitor, {-1280, 462}},
        {"left monitor, larger than it", {-5, 512}, {1500, 101}, leftMonitor, {-1280, 462}},
        {"negative cursor: the offset still truncates toward zero", {-3, -3}, {5, 5}, {-100, -100, 100, 100},
         {-5, -5}},
        {"work area above the primary, short of its bottom", {600, -31}, {200, 100}, aboveMonitor,
         {500, -130}},
        {"work area above the primary, larger than it", {600, -31}, {200, 1200}, aboveMonitor, {500, -1024}},
        {"task bar on the left", {60, 400}, {200, 100}, {120, 0, 1280, 1024}, {120, 350}},
        {"empty work area: its top-left corner", {500, 400}, {200, 100}, {300, 200, 300, 200}, {300, 200}},
        {"extreme co-ordinates do not overflow", {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX},
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, INT_MIN}},
        {"most negative size: its offset is positive", {0, 0}, {INT_MIN, INT_MIN},
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {1073741824, 1073741824}},
        {"degenerate size past the largest co-ordinate is held to it", {INT_MAX, INT_MAX}, {INT_MIN, INT_MIN},
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {INT_MAX, INT_MAX}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlacementPoint position = ComputeNearCursorPosition(row.cursor, row.size, row.work);
        EXPECT_EQ(row.expected.x, position.x);
        EXPECT_EQ(row.expected.y, position.y);
    }
}

}  // namespace
