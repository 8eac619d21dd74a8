// Every desktop operation the erase run calls, once: result, Win32 name and
// parameters. The simulated desktop's declarations, its operation names and
// their count are made from this list; on Windows a compile-time check holds
// the list to the system's own declarations.
#pragma once

#define VESKARA_DESKTOP_OPERATIONS(X)                                                                          \
    X(HWND, FindWindowA, (LPCSTR className, LPCSTR windowName))                                               \
    X(HWND, FindWindowExA, (HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName))               \
    X(BOOL, IsWindow, (HWND window))                                                                          \
    X(BOOL, IsWindowEnabled, (HWND window))                                                                   \
    X(HMENU, GetMenu, (HWND window))                                                                          \
    X(HMENU, GetSubMenu, (HMENU menu, int position))                                                          \
    X(int, GetMenuItemCount, (HMENU menu))                                                                    \
    X(UINT, GetMenuItemID, (HMENU menu, int position))                                                        \
    X(BOOL, SendNotifyMessageA, (HWND window, UINT message, WPARAM wParam, LPARAM lParam))                    \
    X(BOOL, SetForegroundWindow, (HWND window))                                                               \
    X(int, MessageBoxA, (HWND owner, LPCSTR text, LPCSTR caption, UINT type))                                 \
    X(BOOL, MessageBeep, (UINT type))                                                                         \
    X(HINSTANCE, ShellExecuteA,                                                                               \
      (HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT showCommand))      \
    X(void, Sleep, (DWORD milliseconds))                                                                      \
    X(LPSTR, GetCommandLineA, ())                                                                             \
    X(void, ExitProcess, (UINT exitCode))
