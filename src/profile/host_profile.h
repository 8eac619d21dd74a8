// What identifies the host's windows, menus and controls. Every program has
// the one profile Host; its edition texts come from the edition file that the
// program is linked with (west_edition.cpp or east_edition.cpp).
#pragma once

struct HostProfile {
    const char* MainWindowClass;
    const char* MainWindowTitle;     // the whole title, trailing space included
    const char* DefaultHostCommand;  // started when no host path is given; quotes belong to it
    const char* AfxWindowClass;      // a further host window, closed once the main window is found
    int EraseMenuPosition;           // menu positions are zero-based and count separators
    int EraseItemPosition;
    const char* EraseDialogClass;
    const char* EraseDialogTitle;
    const char* EraseButtonClass;
    const char* EraseButtonCaption;
    int ExitMenuPosition;            // the last item of this menu is the host's exit command
};

extern const HostProfile Host;
