#include "run/erase_run.h"

#include "platform/fault_guard.h"

RunState ThisRun;

namespace {
constexpr DWORD PauseBeforeEraseButton = 1000;  // lets the host open its erase dialog
constexpr DWORD PauseAfterClick = 30000;        // no erase ends sooner; saves 30 polls
constexpr DWORD PauseBeforeExitCommand = 500;   // lets the host settle after the erase

bool StartOrFindHost()
{
    // A host that is already running is used as it is; the command line is
    // then never read.
    return FindRunningHost() || LaunchHost();
}

bool EraseDisc()
{
    if (!StartOrFindHost()) return false;
    if (!WaitForHostWindow()) return false;
    CloseHostAfxWindow();
    SetForegroundWindow(ThisRun.HostWindow);
    if (!InvokeEraseCommand()) return false;
    Sleep(PauseBeforeEraseButton);
    if (!PressEraseButton()) return false;
    Sleep(PauseAfterClick);
    return WaitForEraseEnd();
}
}  // namespace

void RunErase()
{
    ThisRun = RunState{nullptr, nullptr, true};
    if (EraseDisc()) {
        if (!ThisRun.CloseHostAfterErase) {
            MessageBeep(MB_OK);
        } else {
            Sleep(PauseBeforeExitCommand);
            if (ExitHostViaMenu()) MessageBeep(MB_OK);
        }
    }
    ExitProcess(0);
}

void RunProgram()
{
    // Only the two guarded steps catch faults. One that escapes any other
    // step ends the process quietly with status 0 rather than in an error
    // box: the run is unattended and its exit status is 0 whatever the outcome.
    RunWithLastResort(RunErase);
}
