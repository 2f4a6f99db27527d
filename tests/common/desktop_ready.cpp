// Linked into the test programs that drive the program, and only those: the
// others have no need of the desktop, nor of COM's local servers as they end.
#include "common/waits.h"

#include <windows.h>
#include <exdisp.h>

#include <gtest/gtest.h>

namespace {

// The session's desktop (tests/rig/wine-session.sh) registers the
// shell-windows object, through which the program has files opened as the
// signed-in user, a moment after it starts: a test program that drives the
// program waits for it once, before its first test.
class DesktopShellReady : public ::testing::Environment {
    void SetUp() override
    {
        HRESULT com = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
        bool ready = WaitUntil([] {
            IShellWindows* windows = NULL;
            bool served = SUCCEEDED(CoCreateInstance(__uuidof(ShellWindows), NULL, CLSCTX_LOCAL_SERVER,
                                                     __uuidof(IShellWindows), (void**)&windows));
            if (windows != NULL) {
                windows->Release();
            }
            return served;
        });
        if (!ready) {
            ADD_FAILURE() << "The desktop did not serve the shell-windows object within " << kWaitMs << " ms.";
        }
        if (SUCCEEDED(com)) {
            CoUninitialize();
        }
    }
};

::testing::Environment* const kDesktopShellReady = ::testing::AddGlobalTestEnvironment(new DesktopShellReady);

}  // namespace
