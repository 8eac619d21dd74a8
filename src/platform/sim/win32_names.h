// The Win32 types, constants and operations the erase run uses, declared for
// native builds so that the same source links against the simulated desktop.
// Types keep their Win32 meaning and width: handles are opaque pointers, BOOL
// is an int where nonzero means yes, DWORD and UINT are 32 bits, and
// GetMenuItemID answers (UINT)-1 for "no command".
#pragma once

#include <cstdint>

#include "platform/desktop_operations.h"

typedef struct HWND__* HWND;
typedef struct HMENU__* HMENU;
typedef struct HINSTANCE__* HINSTANCE;
typedef int BOOL;
typedef int INT;
typedef unsigned int UINT;
typedef std::uint32_t DWORD;
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

// The first declaration carries what the list cannot say: ExitProcess does not return.
[[noreturn]] void ExitProcess(UINT exitCode);

#define VESKARA_DECLARE_OPERATION(Result, Name, Parameters) Result Name Parameters;
VESKARA_DESKTOP_OPERATIONS(VESKARA_DECLARE_OPERATION)
#undef VESKARA_DECLARE_OPERATION
