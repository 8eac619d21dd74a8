// The simulated desktop's state and its answers to the Win32 operations.
#include "platform/sim/sim_desktop.h"

#include <array>
#include <cstdio>
#include <iterator>
#include <map>
#include <utility>

namespace sim {
namespace {

struct Window {
    std::string ClassName;
    std::string Title;
    WindowProc Proc;
    bool Enabled = true;
    HMENU Menu = nullptr;
    std::vector<HWND> Children;  // in the order they were made
};

struct MenuItem {
    UINT Command;
    HMENU Submenu;
};

struct Fault {
    Op Where;
    int CallNumber;
    FaultKind Kind;
};

struct Desktop {
    std::map<std::uintptr_t, Window> Windows;  // living windows only
    std::vector<HWND> TopLevel;                // newest last; searched newest first
    std::map<std::uintptr_t, std::vector<MenuItem>> Menus;
    std::uintptr_t LastHandle = 0x10000;       // handles are never reused
    Millis Clock = 0;
    std::uint64_t Sequence = 0;
    std::multimap<std::pair<Millis, std::uint64_t>, std::function<void()>> Agenda;
    std::vector<std::pair<std::string, std::function<void()>>> Programs;
    std::string CommandLine;
    std::optional<int> ShellResult;
    std::vector<Fault> Faults;
    std::array<int, OpCount> Counts{};
    std::vector<Call> Calls;
    std::vector<NoteRecord> Notes;
    std::vector<MessageBoxRecord> Boxes;
    std::vector<Millis> Beeps;
    std::optional<UINT> Exit;
};

Desktop& D()
{
    static Desktop desktop;
    return desktop;
}

template <class Handle>
Handle NewHandle()
{
    D().LastHandle += 4;
    return reinterpret_cast<Handle>(D().LastHandle);
}

std::uintptr_t Key(const void* handle) { return reinterpret_cast<std::uintptr_t>(handle); }

Window* FindLiving(HWND window)
{
    auto it = D().Windows.find(Key(window));
    return it == D().Windows.end() ? nullptr : &it->second;
}

std::vector<MenuItem>* FindMenu(HMENU menu)
{
    auto it = D().Menus.find(Key(menu));
    return it == D().Menus.end() ? nullptr : &it->second;
}

bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

unsigned char FoldCase(unsigned char byte) { return byte >= 'a' && byte <= 'z' ? byte - 32 : byte; }

// Whole-text comparison as user32 makes it for class names and titles: letter
// case is ignored, but a double-byte character of code page 932 is compared
// whole, so that its trail byte is never folded as if it were a letter.
bool SameText(const std::string& have, const char* wanted)
{
    std::size_t i = 0;
    for (; i < have.size() && wanted[i] != '\0'; ++i) {
        const auto a = static_cast<unsigned char>(have[i]);
        const auto b = static_cast<unsigned char>(wanted[i]);
        if (IsLeadByte(a)) {
            if (a != b || i + 1 >= have.size() || have[i + 1] != wanted[i + 1]) return false;
            ++i;
        } else if (FoldCase(a) != FoldCase(b)) {
            return false;
        }
    }
    return i == have.size() && wanted[i] == '\0';
}

bool Matches(const Window& window, LPCSTR className, LPCSTR title)
{
    return (className == nullptr || SameText(window.ClassName, className)) &&
           (title == nullptr || SameText(window.Title, title));
}

std::string HandleText(const void* handle)
{
    if (handle == nullptr) return "null";
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(Key(handle)));
    return text;
}

std::string Quote(LPCSTR text)
{
    if (text == nullptr) return "null";
    std::string quoted(1, '"');
    quoted.append(text).push_back('"');
    return quoted;
}

std::string Number(long long value) { return std::to_string(value); }

std::string MessageName(UINT message)
{
    switch (message) {
    case WM_CLOSE: return "WM_CLOSE";
    case WM_COMMAND: return "WM_COMMAND";
    case BM_CLICK: return "BM_CLICK";
    default: return Number(message);
    }
}

std::string MenuCommand(UINT command)
{
    return command == NoCommand ? "-1" : Number(command);
}

// Counts the call, records it, and applies an injected fault: throws for
// Raise, answers true for Refuse. The caller fills in the result afterwards.
std::size_t Enter(Op op, std::string arguments, bool& refuse)
{
    Desktop& d = D();
    const int number = ++d.Counts[static_cast<int>(op)];
    d.Calls.push_back(Call{d.Clock, op, std::move(arguments), {}});
    const std::size_t index = d.Calls.size() - 1;
    refuse = false;
    for (const Fault& fault : d.Faults) {
        if (fault.Where != op || (fault.CallNumber != 0 && fault.CallNumber != number)) continue;
        if (fault.Kind == FaultKind::Raise) {
            d.Calls[index].Result = "fault raised";
            throw DesktopFault{op};
        }
        refuse = true;
    }
    return index;
}

template <class Result, class Body, class Show>
Result Perform(Op op, std::string arguments, Result failure, Body body, Show show)
{
    bool refuse = false;
    const std::size_t index = Enter(op, std::move(arguments), refuse);
    const Result result = refuse ? failure : body();
    D().Calls[index].Result = show(result) + (refuse ? " (refused)" : "");
    return result;
}

void Deliver(HWND target, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindLiving(target);
    if (window != nullptr && window->Proc) {
        WindowProc proc = window->Proc;  // the window may be destroyed while it handles the message
        proc(target, message, wParam, lParam);
    }
}

// The search behind FindWindowA and FindWindowExA: top-level windows newest
// first, a parent's children in the order they were made.
HWND FindAmong(HWND parent, HWND childAfter, LPCSTR className, LPCSTR title)
{
    std::vector<HWND> candidates;
    if (parent == nullptr) {
        candidates.assign(D().TopLevel.rbegin(), D().TopLevel.rend());
    } else if (const Window* owner = FindLiving(parent)) {
        candidates = owner->Children;
    } else {
        return nullptr;
    }
    bool started = childAfter == nullptr;
    for (HWND candidate : candidates) {
        const Window* window = FindLiving(candidate);
        if (started && window != nullptr && Matches(*window, className, title)) return candidate;
        if (candidate == childAfter) started = true;
    }
    return nullptr;
}

std::string WithoutEnclosingQuotes(const std::string& path)
{
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') return path.substr(1, path.size() - 2);
    return path;
}

}  // namespace

const char* OpName(Op op)
{
#define VESKARA_OPERATION_NAME(Result, Name, Parameters) #Name,
    static const char* const names[] = {VESKARA_DESKTOP_OPERATIONS(VESKARA_OPERATION_NAME)};
#undef VESKARA_OPERATION_NAME
    static_assert(std::size(names) == OpCount, "one name for every operation");
    return names[static_cast<int>(op)];
}

std::optional<Op> OpFromName(const std::string& name)
{
    for (int i = 0; i < OpCount; ++i) {
        if (name == OpName(static_cast<Op>(i))) return static_cast<Op>(i);
    }
    return std::nullopt;
}

void Reset()
{
    D() = Desktop{};
    D().CommandLine = "veskara.exe";
}

HWND CreateWindow(const std::string& className, const std::string& title, HWND parent, WindowProc proc)
{
    HWND handle = NewHandle<HWND>();
    Window window;
    window.ClassName = className;
    window.Title = title;
    window.Proc = std::move(proc);
    D().Windows[Key(handle)] = std::move(window);
    if (Window* owner = FindLiving(parent)) {
        owner->Children.push_back(handle);
    } else {
        D().TopLevel.push_back(handle);
    }
    return handle;
}

void DestroyWindow(HWND window)
{
    Window* living = FindLiving(window);
    if (living == nullptr) return;
    const std::vector<HWND> children = living->Children;
    const HMENU menu = living->Menu;
    for (HWND child : children) DestroyWindow(child);
    D().Windows.erase(Key(window));
    DestroyMenu(menu);  // a window's menu bar goes with it
}

void EnableWindow(HWND window, bool enabled)
{
    if (Window* living = FindLiving(window)) living->Enabled = enabled;
}

void SetMenu(HWND window, HMENU menu)
{
    if (Window* living = FindLiving(window)) living->Menu = menu;
}

HMENU CreateMenu()
{
    HMENU menu = NewHandle<HMENU>();
    D().Menus[Key(menu)] = {};
    return menu;
}

void AppendCommand(HMENU menu, UINT command)
{
    if (auto* items = FindMenu(menu)) items->push_back(MenuItem{command, nullptr});
}

void AppendSeparator(HMENU menu) { AppendCommand(menu, 0); }

void AppendSubmenu(HMENU menu, HMENU submenu)
{
    if (auto* items = FindMenu(menu)) items->push_back(MenuItem{NoCommand, submenu});
}

void DestroyMenu(HMENU menu)
{
    auto* items = FindMenu(menu);
    if (items == nullptr) return;
    const std::vector<MenuItem> doomed = *items;
    D().Menus.erase(Key(menu));
    for (const MenuItem& item : doomed) {
        if (item.Submenu != nullptr) DestroyMenu(item.Submenu);
    }
}

Millis Now() { return D().Clock; }

void AdvanceClock(Millis duration)
{
    Desktop& d = D();
    const Millis until = d.Clock + duration;
    while (!d.Agenda.empty() && d.Agenda.begin()->first.first <= until) {
        auto next = d.Agenda.begin();
        d.Clock = next->first.first;
        std::function<void()> action = std::move(next->second);
        d.Agenda.erase(next);
        action();
    }
    d.Clock = until;
}

void After(Millis delay, std::function<void()> action)
{
    Desktop& d = D();
    d.Agenda.emplace(std::make_pair(d.Clock + delay, d.Sequence++), std::move(action));
}

void InstallProgram(const std::string& path, std::function<void()> onStart)
{
    D().Programs.emplace_back(path, std::move(onStart));
}

void ForceShellResult(int result) { D().ShellResult = result; }

void SetCommandLine(const std::string& line) { D().CommandLine = line; }

void InjectFault(Op op, int callNumber, FaultKind kind) { D().Faults.push_back(Fault{op, callNumber, kind}); }

void Note(const std::string& text) { D().Notes.push_back(NoteRecord{D().Clock, D().Calls.size(), text}); }

const std::vector<Call>& Calls() { return D().Calls; }
const std::vector<NoteRecord>& Notes() { return D().Notes; }
const std::vector<MessageBoxRecord>& MessageBoxes() { return D().Boxes; }
const std::vector<Millis>& Beeps() { return D().Beeps; }
std::optional<UINT> ExitCode() { return D().Exit; }
int CallCount(Op op) { return D().Counts[static_cast<int>(op)]; }
bool WasCalled(Op op) { return CallCount(op) > 0; }

}  // namespace sim

using sim::D;
using sim::HandleText;
using sim::Number;
using sim::Op;
using sim::Perform;
using sim::Quote;

HWND FindWindowA(LPCSTR className, LPCSTR windowName)
{
    return Perform<HWND>(
        Op::FindWindowA, Quote(className) + ", " + Quote(windowName), nullptr,
        [&] { return sim::FindAmong(nullptr, nullptr, className, windowName); }, HandleText);
}

HWND FindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName)
{
    return Perform<HWND>(
        Op::FindWindowExA, HandleText(parent) + ", " + HandleText(childAfter) + ", " + Quote(className) + ", " + Quote(windowName),
        nullptr, [&] { return sim::FindAmong(parent, childAfter, className, windowName); }, HandleText);
}

BOOL IsWindow(HWND window)
{
    return Perform<BOOL>(
        Op::IsWindow, HandleText(window), 0, [&] { return sim::FindLiving(window) != nullptr ? 1 : 0; }, Number);
}

BOOL IsWindowEnabled(HWND window)
{
    return Perform<BOOL>(
        Op::IsWindowEnabled, HandleText(window), 0,
        [&] {
            const sim::Window* living = sim::FindLiving(window);
            return living != nullptr && living->Enabled ? 1 : 0;
        },
        Number);
}

HMENU GetMenu(HWND window)
{
    return Perform<HMENU>(
        Op::GetMenu, HandleText(window), nullptr,
        [&]() -> HMENU {
            const sim::Window* living = sim::FindLiving(window);
            return living != nullptr ? living->Menu : nullptr;
        },
        HandleText);
}

namespace {
const sim::MenuItem* ItemAt(HMENU menu, int position)
{
    const auto* items = sim::FindMenu(menu);
    if (items == nullptr || position < 0 || static_cast<std::size_t>(position) >= items->size()) return nullptr;
    return &(*items)[static_cast<std::size_t>(position)];
}
}  // namespace

HMENU GetSubMenu(HMENU menu, int position)
{
    return Perform<HMENU>(
        Op::GetSubMenu, HandleText(menu) + ", " + Number(position), nullptr,
        [&]() -> HMENU {
            const sim::MenuItem* item = ItemAt(menu, position);
            return item != nullptr && sim::FindMenu(item->Submenu) != nullptr ? item->Submenu : nullptr;
        },
        HandleText);
}

int GetMenuItemCount(HMENU menu)
{
    return Perform<int>(
        Op::GetMenuItemCount, HandleText(menu), -1,
        [&] {
            const auto* items = sim::FindMenu(menu);
            return items == nullptr ? -1 : static_cast<int>(items->size());
        },
        Number);
}

UINT GetMenuItemID(HMENU menu, int position)
{
    return Perform<UINT>(
        Op::GetMenuItemID, HandleText(menu) + ", " + Number(position), NoCommand,
        [&] {
            const sim::MenuItem* item = ItemAt(menu, position);
            return item == nullptr || item->Submenu != nullptr ? NoCommand : item->Command;
        },
        sim::MenuCommand);
}

BOOL SendNotifyMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return Perform<BOOL>(
        Op::SendNotifyMessageA,
        HandleText(window) + ", " + sim::MessageName(message) + ", " + Number(static_cast<long long>(wParam)) + ", " +
            Number(lParam),
        0,
        [&] {
            if (sim::FindLiving(window) == nullptr) return 0;
            sim::After(sim::DeliveryDelay, [=] { sim::Deliver(window, message, wParam, lParam); });
            return 1;
        },
        Number);
}

BOOL SetForegroundWindow(HWND window)
{
    return Perform<BOOL>(
        Op::SetForegroundWindow, HandleText(window), 0, [&] { return sim::FindLiving(window) != nullptr ? 1 : 0; },
        Number);
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    char style[16];
    std::snprintf(style, sizeof style, "0x%02X", type);
    return Perform<int>(
        Op::MessageBoxA, HandleText(owner) + ", " + Quote(text) + ", " + Quote(caption) + ", " + style, 0,
        [&] {
            // The simulated user reads the box and presses OK at once.
            D().Boxes.push_back(sim::MessageBoxRecord{D().Clock, owner, text != nullptr ? text : "",
                                                      caption != nullptr ? caption : "", type});
            return 1;  // IDOK
        },
        Number);
}

BOOL MessageBeep(UINT type)
{
    return Perform<BOOL>(
        Op::MessageBeep, Number(type), 0,
        [&] {
            D().Beeps.push_back(D().Clock);
            return 1;
        },
        Number);
}

HINSTANCE ShellExecuteA(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                        INT showCommand)
{
    const auto asHandle = [](int result) { return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(result)); };
    return Perform<HINSTANCE>(
        Op::ShellExecuteA,
        HandleText(owner) + ", " + Quote(operation) + ", " + Quote(file) + ", " + Quote(parameters) + ", " +
            Quote(directory) + ", " + Number(showCommand),
        asHandle(sim::ShellFileNotFound),
        [&] {
            if (D().ShellResult) return asHandle(*D().ShellResult);
            const std::string path = sim::WithoutEnclosingQuotes(file != nullptr ? file : "");
            for (const auto& [program, onStart] : D().Programs) {
                if (!path.empty() && sim::SameText(program, path.c_str())) {
                    onStart();
                    return asHandle(sim::ShellStarted);
                }
            }
            return asHandle(sim::ShellFileNotFound);
        },
        [](HINSTANCE result) { return Number(static_cast<int>(reinterpret_cast<INT_PTR>(result))); });
}

void Sleep(DWORD milliseconds)
{
    Perform<int>(
        Op::Sleep, Number(milliseconds), 0,
        [&] {
            sim::AdvanceClock(static_cast<sim::Millis>(milliseconds));
            return 0;
        },
        [](int) { return std::string(); });
}

LPSTR GetCommandLineA()
{
    return Perform<LPSTR>(
        Op::GetCommandLineA, "", D().CommandLine.data(), [] { return D().CommandLine.data(); },
        [](LPSTR line) { return Quote(line); });
}

void ExitProcess(UINT exitCode)
{
    // Only the first call ends the process; in the simulation ending is an
    // unwinding, which a last-resort handler may catch and end again.
    if (D().Exit) throw sim::ProcessExit{*D().Exit};
    bool refuse = false;
    const std::size_t index = sim::Enter(Op::ExitProcess, Number(exitCode), refuse);
    D().Calls[index].Result = "process ended";
    D().Exit = exitCode;
    throw sim::ProcessExit{exitCode};
}
