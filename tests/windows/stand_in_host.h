// A stand-in for the host application, for tests under Wine: a real Win32
// program (or thread) with the windows, menus and erase dialog that the erase
// run looks for, which reports every message it receives to a file.
#pragma once

#include <windows.h>

#include <string>

struct StandInOptions {
    bool East = false;            // Japanese edition texts in the erase dialog
    std::string TitleSuffix;      // appended to the main window's title
    DWORD WindowDelay = 0;        // ms before the main window appears
    bool NoWindow = false;        // never show the main window
    bool NoAfx = false;           // no Afx window
    bool NoDialog = false;        // the erase command opens nothing
    DWORD EraseMs = 3000;         // how long the main window stays disabled after the click
    bool EraseNever = false;
    DWORD CrashMs = 0;            // nonzero: vanishes this long after the click instead of finishing
    bool EmptyExitMenu = false;   // the first menu has no items
    DWORD QuitAfterMs = 0;        // nonzero: exits by itself this long after starting
    std::string Report;           // file the host appends its lines to
};

// Reads options written as words: east, title-suffix=TEXT, window-delay=MS,
// no-window, no-afx, no-dialog, erase-ms=MS, erase-never, crash-ms=MS,
// empty-exit-menu, quit-after=MS, report=PATH.
StandInOptions ParseStandInOptions(const char* words);

// Runs the host on the calling thread until it exits (exit command or WM_QUIT).
void RunStandInHost(const StandInOptions& options);

constexpr UINT StandInEraseCommand = 0x8045;
constexpr UINT StandInExitCommand = 0xE141;
