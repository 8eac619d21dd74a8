// What a conformance case needs to set up a desktop: windows, menus and a
// window of another thread. One implementation builds them on the simulated
// desktop, the other with the real user32 (run under Wine); the cases then
// ask the same questions of both through the operations the run uses.
#pragma once

#include "platform/desktop.h"

// Starts a case on an empty desktop (as far as the case can tell).
void BeginCase();
// Removes what the case made.
void EndCase();

HWND MakeWindow(const char* className, const char* title, HWND parent = nullptr);
void DestroyTestWindow(HWND window);
void SetTestWindowEnabled(HWND window, bool enabled);

// Gives the window a menu bar of this shape and returns it:
//   0: popup [command 100, separator, command 102]
//   1: popup [popup [command 200], command 111]
//   2: popup []
HMENU AttachMenuBar(HWND window);

// A window owned by another thread that is busy (not reading its messages)
// for busyMs after it was made. MessagesHandled counts the WM_COMMAND
// messages it has handled since.
HWND MakeBusyWindowOnOtherThread(DWORD busyMs);
int MessagesHandled();

// A window that another thread made and has destroyed again; its handle.
HWND MakeWindowDestroyedByOtherThread();

// Milliseconds on the clock the operations run by.
unsigned long NowMs();
