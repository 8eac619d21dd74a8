// The real run sequence with the real Win32 operations, against the stand-in
// host running on another thread of this process: Wine cannot read another
// process's menus, so this is how the menu, dialog, watch and exit steps are
// proven on a real user32. The host's options come from VESKARA_STAND_IN; the
// command line is left to the run, exactly as a user would type it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "run/erase_run.h"
#include "stand_in_host.h"

namespace {
StandInOptions Options;

DWORD WINAPI HostThread(LPVOID options)
{
    RunStandInHost(*static_cast<StandInOptions*>(options));
    return 0;
}
}  // namespace

// The run ends with ExitProcess, which would stop the host thread before it has
// handled what the run sent last (the exit command). This program is linked
// with ExitProcess wrapped: the host gets a moment to drain its queue, then
// the process ends as the run asked.
extern "C" {
extern void(WINAPI* VESKARA_REAL_EXIT_PROCESS)(UINT);

void WINAPI EndAfterHostHasHandledItsMessages(UINT status)
{
    Sleep(1500);
    if (!Options.Report.empty()) {
        if (FILE* file = std::fopen(Options.Report.c_str(), "ab")) {
            std::fprintf(file, "run ended with status %u\n", status);
            std::fclose(file);
        }
    }
    VESKARA_REAL_EXIT_PROCESS(status);
}

void(WINAPI* VESKARA_WRAP_EXIT_PROCESS)(UINT) = EndAfterHostHasHandledItsMessages;
}

int main()
{
    Options = ParseStandInOptions(std::getenv("VESKARA_STAND_IN"));
    CreateThread(nullptr, 0, HostThread, &Options, 0, nullptr);
    if (Options.WindowDelay == 0 && !Options.NoWindow) {
        // An already running host: wait until its main window is there.
        for (int i = 0; i < 100 && FindWindowA("NERO_BURNING_ROM Class", nullptr) == nullptr; ++i) Sleep(50);
    }
    RunProgram();
}
