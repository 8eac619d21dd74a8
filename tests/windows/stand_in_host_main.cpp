// The stand-in host as a program of its own. Its settings are its command line
// or, when it has none (as when the run has the shell start it), the
// environment variable VESKARA_STAND_IN.
#include <cstdlib>

#include "stand_in_host.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    const bool hasOptions = commandLine != nullptr && commandLine[0] != '\0';
    RunStandInHost(ParseStandInSettings(hasOptions ? commandLine : std::getenv("VESKARA_STAND_IN")));
    return 0;
}
