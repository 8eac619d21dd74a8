// The stand-in host as a program of its own: options are its command line.
#include "stand_in_host.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    RunStandInHost(ParseStandInOptions(commandLine));
    return 0;
}
