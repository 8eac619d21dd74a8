// Entry of the Windows programs: no window, no message loop, just the run.
#include "run/erase_run.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    RunProgram();
}
