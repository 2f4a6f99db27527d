// The one bound of every wait of the tests, and the loop that waits for a
// state up to it.
#ifndef KIVERAN_TESTS_WAITS_H
#define KIVERAN_TESTS_WAITS_H

#include <windows.h>

// How long a wait waits for the state it needs before the test fails. A
// wait returns as soon as the state is there, so the bound costs nothing
// when things go well; it is long because on a machine busy with other work
// Wine's shell may first wait 10-20 s for its desktop and services, and a
// list or a window can take seconds to come. Each test binary's CTest
// TIMEOUT (tests/*/tests.cmake) is a multiple of it.
const DWORD kWaitMs = 60000;

// Asks ready() every 20 ms until it says true or timeoutMs has passed, and
// once more after that, so that a state reached during the last pause
// counts. Returns ready()'s last answer.
template <typename Ready>
bool WaitUntil(Ready ready, DWORD timeoutMs = kWaitMs)
{
    DWORD start = GetTickCount();
    while (!ready()) {
        if (GetTickCount() - start >= timeoutMs) {
            return ready();
        }
        Sleep(20);
    }
    return true;
}

#endif
