// The erase run: the program's one sequence of steps, from finding or starting
// the host to making it exit, and the values the steps hand to one another.
#pragma once

#include <cstddef>

#include "platform/desktop.h"

// True: the step did its work. False: it failed and has already told the user.
using StepResult = bool;

struct RunState {
    HWND HostWindow;           // the host's main window; borrowed, never released
    HMENU HostMenu;            // its menu bar as InvokeEraseCommand last read it
    bool CloseHostAfterErase;  // false when the host was already running or /NoClose was given
};

// The one run of this process; set to its initial values by RunErase.
extern RunState ThisRun;

// The program's entry: runs the steps in order and ends the process with
// status 0. Does not return.
[[noreturn]] void RunErase();

// RunErase, made safe for an unattended start: a fault that escapes a step
// still ends the process quietly with status 0.
[[noreturn]] void RunProgram();

StepResult FindRunningHost();
StepResult LaunchHost();
StepResult WaitForHostWindow();
void CloseHostAfxWindow();
StepResult InvokeEraseCommand();
StepResult PressEraseButton();
StepResult WaitForEraseEnd();
StepResult ExitHostViaMenu();

// Command line: [NeroPath] [/NoClose].
extern const char NoCloseSwitch[];

// The longest argument kept; longer ones keep their first MaxArgumentBytes
// bytes and the rest is read past.
constexpr std::size_t MaxArgumentBytes = 4096;

// One argument as split from the command line, NUL-terminated, in fixed storage.
struct Argument {
    char Text[MaxArgumentBytes + 1];
};

// The first arguments of a command line after the program's own name.
struct CommandLineArguments {
    int Count;        // every argument after the program's name
    Argument First;   // empty when Count < 1
    Argument Second;  // empty when Count < 2
};
CommandLineArguments SplitCommandLine(const char* line);

// Reads the process's command line, returns the host command to start and
// clears CloseHostAfterErase when the switch asks for it.
Argument ParseCommandLine();
