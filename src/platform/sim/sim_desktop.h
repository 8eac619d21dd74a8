// The simulated desktop: a small, deterministic stand-in for the parts of
// user32, kernel32 and shell32 that the erase run calls. It keeps top-level
// and child windows, menus, per-thread message delivery and a virtual clock
// that only Sleep advances, and it records every call so that tests and the
// simulator can show what a run did. Any operation can be made to raise a
// fault or to refuse (answer its failure value) at a chosen call.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace sim {

using Millis = std::int64_t;

// The run has no window of its own: every window belongs to another thread,
// so a notifying send queues the message, and the window's thread handles it
// this long afterwards.
constexpr Millis DeliveryDelay = 1;

// The desktop operations, made from their one list.
#define VESKARA_OPERATION_ENUMERATOR(Result, Name, Parameters) Name,
enum class Op { VESKARA_DESKTOP_OPERATIONS(VESKARA_OPERATION_ENUMERATOR) };
#undef VESKARA_OPERATION_ENUMERATOR
#define VESKARA_COUNT_OPERATION(Result, Name, Parameters) +1
constexpr int OpCount = 0 VESKARA_DESKTOP_OPERATIONS(VESKARA_COUNT_OPERATION);
#undef VESKARA_COUNT_OPERATION
const char* OpName(Op op);
std::optional<Op> OpFromName(const std::string& name);

// Thrown by ExitProcess: the simulated process has ended with this status.
struct ProcessExit {
    UINT Code;
};

// Thrown by an operation that was told to raise a fault.
struct DesktopFault {
    Op Where;
};

enum class FaultKind { Raise, Refuse };

struct Call {
    Millis Time;  // when the call was made
    Op Operation;
    std::string Arguments;  // as the caller passed them, texts in the caller's bytes
    std::string Result;
};

struct MessageBoxRecord {
    Millis Time;
    HWND Owner;
    std::string Text;
    std::string Caption;
    UINT Style;
};

using WindowProc = std::function<void(HWND, UINT, WPARAM, LPARAM)>;

// Empties the desktop and every record, sets the clock to 0 and the command
// line to the program's bare name.
void Reset();

// Windows. Top-level windows are searched newest first, children in the order
// they were made, as on Windows.
HWND CreateWindow(const std::string& className, const std::string& title, HWND parent = nullptr,
                  WindowProc proc = nullptr);
void DestroyWindow(HWND window);  // with its children and its menu bar
void EnableWindow(HWND window, bool enabled);
void SetMenu(HWND window, HMENU menu);

// Menus. Items count from 0, separators included; a separator's command is 0.
HMENU CreateMenu();
void AppendCommand(HMENU menu, UINT command);
void AppendSeparator(HMENU menu);
void AppendSubmenu(HMENU menu, HMENU submenu);
void DestroyMenu(HMENU menu);  // with its submenus

// The virtual clock and things scheduled on it.
Millis Now();
// Lets time pass as Sleep does, without a call of the run's: the host goes on
// handling what it was sent after the run has ended.
void AdvanceClock(Millis duration);
void After(Millis delay, std::function<void()> action);

// The shell: programs that exist, and what starting one does. Paths compare
// without regard to letter case; one pair of enclosing quotes is dropped.
constexpr int ShellFileNotFound = 2;
constexpr int ShellStarted = 42;
void InstallProgram(const std::string& path, std::function<void()> onStart);
// Makes every later ShellExecuteA answer this number, whatever the file.
void ForceShellResult(int result);

void SetCommandLine(const std::string& line);

// Makes the given call of op (counting from 1; 0: every call) raise or refuse.
void InjectFault(Op op, int callNumber, FaultKind kind);

// A line of the host's own, shown among the calls in the simulator's timeline.
struct NoteRecord {
    Millis Time;
    std::size_t CallsBefore;  // how many calls had been made when it was written
    std::string Text;
};
void Note(const std::string& text);

// What the run did.
const std::vector<Call>& Calls();
const std::vector<NoteRecord>& Notes();
const std::vector<MessageBoxRecord>& MessageBoxes();
const std::vector<Millis>& Beeps();
std::optional<UINT> ExitCode();
int CallCount(Op op);
bool WasCalled(Op op);

}  // namespace sim
