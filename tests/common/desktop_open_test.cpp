// Which route opens a file, from what this process's token query gave.
// Wine reports every process as Full (and a process started with the linked
// token as Limited), never Default: the whole table is shown here.
#include "common/desktop_open.h"

#include <gtest/gtest.h>

TEST(ChooseOpenRoute, OnlyATokenWithoutTheAdministratorsFullRightsOpensByItself)
{
    struct Row {
        const char* name;
        DWORD queryError;
        DWORD elevationType;
        OpenRoute route;
    };
    const Row rows[] = {
        {"elevated with a linked token", ERROR_SUCCESS, TokenElevationTypeFull, OPEN_BY_DESKTOP},
        {"UAC off, or the built-in Administrator", ERROR_SUCCESS, TokenElevationTypeDefault, OPEN_BY_PROGRAM},
        {"a standard user, or the linked token itself", ERROR_SUCCESS, TokenElevationTypeLimited, OPEN_BY_PROGRAM},
        {"a type this program does not know", ERROR_SUCCESS, 4, OPEN_BY_DESKTOP},
        {"Windows 2000 and XP: no such token class", ERROR_INVALID_PARAMETER, 0, OPEN_BY_PROGRAM},
        {"the query refused", ERROR_ACCESS_DENIED, 0, OPEN_BY_DESKTOP},
        {"the query failed otherwise", ERROR_INSUFFICIENT_BUFFER, TokenElevationTypeLimited, OPEN_BY_DESKTOP},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.route, ChooseOpenRoute(row.queryError, row.elevationType));
    }
}
