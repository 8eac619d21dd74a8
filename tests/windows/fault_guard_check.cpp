// The guard on a real Win32 (Wine), as the programs link it: faults of every
// kind raised inside a guarded block are caught and over, one after another;
// an exception handled inside a call is left alone; and a fault outside every
// guard ends the process quietly with status 0. Prints a line a case and
// "N passed, N failed", then raises that last fault: the process's exit
// status tells whether the last resort held.
#include <windows.h>

#include <cstdio>

#include "platform/fault_guard.h"

namespace {

constexpr DWORD AppCode = 0xE0484F4B;

void WriteThroughNull() { *static_cast<volatile int*>(nullptr) = 1; }

BOOL CALLBACK FaultingEnumeration(HWND, LPARAM)
{
    WriteThroughNull();
    return FALSE;
}

LRESULT CALLBACK FaultingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER) WriteThroughNull();
    return DefWindowProcA(window, message, wParam, lParam);
}

struct Case {
    const char* Name;
    void (*Block)(int& steps);
    bool Caught;
};

const Case Cases[] = {
    {"a null-pointer write is caught", [](int& steps) { ++steps; WriteThroughNull(); ++steps; }, true},
    {"a raised code is caught", [](int& steps) { ++steps; RaiseException(AppCode, 0, 0, nullptr); ++steps; }, true},
    {"a code raised as not continuable is caught",
     [](int& steps) { ++steps; RaiseException(0xE06D7363, EXCEPTION_NONCONTINUABLE, 0, nullptr); ++steps; }, true},
    {"a fault in a callback inside EnumWindows is caught",
     [](int& steps) { ++steps; EnumWindows(FaultingEnumeration, 0); ++steps; }, true},
    {"a fault in a window procedure inside SendMessageA is caught",
     [](int& steps) {
         ++steps;
         WNDCLASSA windowClass = {};
         windowClass.lpfnWndProc = FaultingWindowProc;
         windowClass.lpszClassName = "Veskara Faulting Class";
         RegisterClassA(&windowClass);
         HWND window = CreateWindowA(windowClass.lpszClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
         SendMessageA(window, WM_USER, 0, 0);
         ++steps;
     },
     true},
    {"an exception handled inside a call is left alone",
     [](int& steps) { ++steps; IsBadReadPtr(nullptr, 4); OutputDebugStringA("veskara"); ++steps; }, false},
    {"a null-pointer write after all that is caught again", [](int& steps) { ++steps; WriteThroughNull(); ++steps; },
     true},
    {"a raised code after all that is caught again",
     [](int& steps) { ++steps; RaiseException(AppCode, 0, 0, nullptr); ++steps; }, true},
};

struct Run {
    const Case* Which;
    int Steps;  // how far the block got: 1 when a fault left it, 2 when it ran to its end
};

void RunCase(void* data)
{
    Run& run = *static_cast<Run*>(data);
    run.Which->Block(run.Steps);
}

void CheckEveryCase()
{
    int passed = 0, failed = 0;
    for (const Case& c : Cases) {
        Run run{&c, 0};
        const bool ranToItsEnd = RunGuardedBlock(RunCase, &run);
        const bool caught = !ranToItsEnd;
        const bool right = caught == c.Caught && run.Steps == (c.Caught ? 1 : 2);
        std::printf("%s  %s (caught: %s, steps: %d)\n", right ? "ok  " : "FAIL", c.Name, caught ? "yes" : "no",
                    run.Steps);
        ++(right ? passed : failed);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    // Outside every guard: the process must end here, quietly, with status 0.
    WriteThroughNull();
    std::printf("FAIL  the run went on after a fault outside every guard\n");
    std::fflush(stdout);
    ExitProcess(3);
}

}  // namespace

int main()
{
    RunWithLastResort(CheckEveryCase);
}
