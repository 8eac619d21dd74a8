// The desktop operations the erase run calls, under their Win32 names and in
// their 8-bit (A) variants. Which implementation answers them is chosen when a
// program is linked: Windows builds take the system's own user32, kernel32 and
// shell32; native builds link the simulated desktop in src/platform/sim/.
#pragma once

#if defined(_WIN32)
#include <windows.h>
#include <shellapi.h>
#else
#include "sim/win32_names.h"
#endif

// What GetMenuItemID answers for a position without a command.
constexpr UINT NoCommand = static_cast<UINT>(-1);
