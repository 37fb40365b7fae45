// The harness itself: a program that hangs or ends early fails the test
// quickly and is never left running.
#include "tests/e2e/driver.h"
#include "res/resource.h"

namespace {

TEST(Driver, HungProgramIsGivenUpOnAndKilled)
{
    MetrovaApp app = {};
    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    ASSERT_NE(SuspendThread(app.process.hThread), DWORD(-1));   // its window thread stops answering
    DWORD start = GetTickCount();
    EXPECT_FALSE(SendCommand(app.window, IDM_VIEW_SWAP));       // not answered: gives up
    EXPECT_LT(GetTickCount() - start, 2 * DRIVER_TIMEOUT_MS);
    HANDLE process = 0;
    DuplicateHandle(GetCurrentProcess(), app.process.hProcess, GetCurrentProcess(), &process, SYNCHRONIZE, FALSE, 0);
    StopMetrova(&app);                                          // closing fails, so it is killed
    EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_OBJECT_0);
    CloseHandle(process);
}

TEST(Driver, ProgramWithoutWindowFailsTheStart)
{
    MetrovaApp app = {};
    std::string why;
    char program[MAX_PATH];
    GetSystemDirectoryA(program, MAX_PATH);
    lstrcatA(program, "\\hostname.exe");                        // prints a name and ends
    EXPECT_FALSE(StartMetrova(&app, &why, program));
    EXPECT_EQ(why, "Metrova ended before showing its window");
    StopMetrova(&app);
}

}  // namespace
