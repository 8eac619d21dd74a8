// Conformance fixture on the simulated desktop.
#include <algorithm>

#include "desktop_fixture.h"
#include "platform/sim/sim_desktop.h"

namespace {
int Handled;
}

void BeginCase()
{
    sim::Reset();
    Handled = 0;
}

void EndCase() {}

HWND MakeWindow(const char* className, const char* title, HWND parent)
{
    return sim::CreateWindow(className, title, parent);
}

void DestroyTestWindow(HWND window) { sim::DestroyWindow(window); }

void SetTestWindowEnabled(HWND window, bool enabled) { sim::EnableWindow(window, enabled); }

HMENU AttachMenuBar(HWND window)
{
    HMENU bar = sim::CreateMenu();
    HMENU first = sim::CreateMenu();
    sim::AppendCommand(first, 100);
    sim::AppendSeparator(first);
    sim::AppendCommand(first, 102);
    HMENU inner = sim::CreateMenu();
    sim::AppendCommand(inner, 200);
    HMENU second = sim::CreateMenu();
    sim::AppendSubmenu(second, inner);
    sim::AppendCommand(second, 111);
    sim::AppendSubmenu(bar, first);
    sim::AppendSubmenu(bar, second);
    sim::AppendSubmenu(bar, sim::CreateMenu());
    sim::SetMenu(window, bar);
    return bar;
}

HWND MakeBusyWindowOnOtherThread(DWORD busyMs)
{
    // The other thread is not reading messages until busyMs have passed.
    const sim::Millis readyAt = sim::Now() + busyMs;
    return sim::CreateWindow("Veskara Busy Class", "busy", nullptr,
                             [readyAt](HWND, UINT message, WPARAM, LPARAM) {
                                 if (message != WM_COMMAND) return;
                                 // Handled once the thread reads its messages again.
                                 sim::After(std::max<sim::Millis>(readyAt - sim::Now(), 0), [] { ++Handled; });
                             });
}

HWND MakeWindowDestroyedByOtherThread()
{
    HWND window = sim::CreateWindow("Button", "Erase", nullptr);
    sim::DestroyWindow(window);
    return window;
}

int MessagesHandled() { return Handled; }

unsigned long NowMs() { return static_cast<unsigned long>(sim::Now()); }
