// Entry of the Windows programs: no window, no message loop, just the run.
#include "run/erase_run.h"

// What the C++ runtime does when a fault finds no handler. Its default prints
// a demangled diagnostic and aborts, which can leave the user with a runtime
// error box and pulls a demangler into the program. RunProgram already ends
// every run with status 0; this keeps the same promise for the rest.
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    ExitProcess(0);
}
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    RunProgram();
}
