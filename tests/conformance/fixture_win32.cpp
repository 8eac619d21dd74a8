// Conformance fixture on the real user32.
#include <vector>

#include "desktop_fixture.h"

namespace {

std::vector<HWND> Made;
volatile LONG Handled;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) InterlockedIncrement(&Handled);
    return DefWindowProcA(window, message, wParam, lParam);
}

void Register(const char* className)
{
    WNDCLASSA windowClass = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), className, &windowClass)) return;
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
}

struct BusyWindow {
    DWORD BusyMs;
    HWND Window;
    HANDLE Ready;
};

DWORD WINAPI BusyThread(LPVOID parameter)
{
    auto* busy = static_cast<BusyWindow*>(parameter);
    Register("Veskara Busy Class");
    busy->Window = CreateWindowExA(0, "Veskara Busy Class", "busy", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
    SetEvent(busy->Ready);
    Sleep(busy->BusyMs);
    MSG message;
    const DWORD until = GetTickCount() + 3000;
    while (GetTickCount() < until) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(10);
    }
    DestroyWindow(busy->Window);
    return 0;
}

}  // namespace

void BeginCase() { Handled = 0; }

void EndCase()
{
    for (auto it = Made.rbegin(); it != Made.rend(); ++it) {
        if (IsWindow(*it)) DestroyWindow(*it);
    }
    Made.clear();
}

HWND MakeWindow(const char* className, const char* title, HWND parent)
{
    Register(className);
    const DWORD style = parent != nullptr ? WS_CHILD : WS_OVERLAPPED;
    HWND window = CreateWindowExA(0, className, title, style, 0, 0, 50, 20, parent, nullptr, nullptr, nullptr);
    Made.push_back(window);
    return window;
}

void DestroyTestWindow(HWND window) { DestroyWindow(window); }

void SetTestWindowEnabled(HWND window, bool enabled) { EnableWindow(window, enabled ? TRUE : FALSE); }

HMENU AttachMenuBar(HWND window)
{
    HMENU bar = CreateMenu();
    HMENU first = CreatePopupMenu();
    AppendMenuA(first, MF_STRING, 100, "a");
    AppendMenuA(first, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(first, MF_STRING, 102, "c");
    HMENU inner = CreatePopupMenu();
    AppendMenuA(inner, MF_STRING, 200, "inner");
    HMENU second = CreatePopupMenu();
    AppendMenuA(second, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "sub");
    AppendMenuA(second, MF_STRING, 111, "d");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(first), "First");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(second), "Second");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), "Third");
    SetMenu(window, bar);
    return bar;
}

HWND MakeBusyWindowOnOtherThread(DWORD busyMs)
{
    static BusyWindow busy;
    busy = BusyWindow{busyMs, nullptr, CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    CreateThread(nullptr, 0, BusyThread, &busy, 0, nullptr);
    WaitForSingleObject(busy.Ready, 5000);
    CloseHandle(busy.Ready);
    return busy.Window;
}

namespace {
DWORD WINAPI MakeAndDestroy(LPVOID result)
{
    HWND window = CreateWindowExA(0, "Button", "Erase", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(window);
    *static_cast<HWND*>(result) = window;
    return 0;
}
}  // namespace

HWND MakeWindowDestroyedByOtherThread()
{
    static HWND window;
    HANDLE thread = CreateThread(nullptr, 0, MakeAndDestroy, &window, 0, nullptr);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    return window;
}

int MessagesHandled() { return static_cast<int>(Handled); }

unsigned long NowMs() { return GetTickCount(); }
