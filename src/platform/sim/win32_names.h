// The Win32 types, constants and operations the erase run uses, declared for
// native builds so that the same source links against the simulated desktop.
// Types keep their Win32 meaning: handles are opaque pointers, BOOL is an int
// where nonzero means yes, and GetMenuItemID answers (UINT)-1 for "no command".
#pragma once

#include <cstdint>

typedef struct HWND__* HWND;
typedef struct HMENU__* HMENU;
typedef struct HINSTANCE__* HINSTANCE;
typedef int BOOL;
typedef int INT;
typedef unsigned int UINT;
typedef unsigned long DWORD;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t INT_PTR;
typedef const char* LPCSTR;
typedef char* LPSTR;

constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT BM_CLICK = 0x00F5;
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONASTERISK = 0x00000040;
constexpr INT SW_SHOWNORMAL = 1;

HWND FindWindowA(LPCSTR className, LPCSTR windowName);
HWND FindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName);
BOOL IsWindow(HWND window);
BOOL IsWindowEnabled(HWND window);
HMENU GetMenu(HWND window);
HMENU GetSubMenu(HMENU menu, int position);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);
BOOL SendNotifyMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL SetForegroundWindow(HWND window);
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
BOOL MessageBeep(UINT type);
HINSTANCE ShellExecuteA(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                        LPCSTR directory, INT showCommand);
void Sleep(DWORD milliseconds);
LPSTR GetCommandLineA();
[[noreturn]] void ExitProcess(UINT exitCode);
