// The stand-in host, for tests under Wine: a real Win32 program (or thread)
// with the windows, menus and erase dialog that the erase run looks for, as
// tests/host/host_description.h describes them, which appends every thing it
// does and every message it receives to a report file.
#pragma once

#include <windows.h>

#include "host_description.h"

// Reads the host's settings text (name=value words parted by ';').
host::HostSettings ParseStandInSettings(const char* text);

// Runs the host on the calling thread until it exits (exit command, WM_QUIT
// or quit-after).
void RunStandInHost(const host::HostSettings& settings);
