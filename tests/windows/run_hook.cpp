// A hook DLL for the shipped programs under Wine. The end-to-end driver puts
// a copy of a program beside this DLL named shell32.dll and has Wine prefer
// it to its own, so the program loads it with its other DLLs, before its own
// code runs (shell_stand_in.cpp answers the program's one shell call). It
//   - runs the stand-in host on a thread of that process, when VESKARA_STAND_IN
//     gives its settings (Wine cannot read another process's menus, so this is
//     how the menu, dialog, watch and exit steps meet a host on a real user32);
//   - raises real structured exceptions inside the program's Win32 calls, as a
//     faulty hook or shell extension would: VESKARA_FAULTS lists them as
//     OPERATION:CALL:KIND[:after], CALL counting that operation's calls from 1,
//     :after once the real call has returned, and KIND one of null-write,
//     raise (an application-defined code), noncontinuable (raised as a C++
//     exception of another compiler is: code 0xE06D7363, not continuable) or
//     callback (a null-pointer write in a callback that EnumWindows calls, so
//     that the fault leaves through frames of user32's own);
//   - lets the host thread handle what the run sent last before the process
//     ends, and writes "run ended with status N" to the host's report.
// It hooks the program's import table: the program's bytes stay as shipped.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "stand_in_host.h"

namespace {

constexpr DWORD HookRaisedCode = 0xE0484F4B;  // an application-defined code, as a hook DLL's own
constexpr DWORD ForeignCxxExceptionCode = 0xE06D7363;

enum class FaultKind { NullWrite, Raise, Noncontinuable, Callback };

struct Fault {
    char Operation[32];
    int Call;
    FaultKind Kind;
    bool After;
};

host::HostSettings HostSettings;
bool HostRuns;
Fault Faults[8];
int FaultCount;

struct Counter {
    const char* Operation;
    int Calls;
};
Counter Counters[16];

void ReadFaults(const char* text)
{
    for (const char* p = text; p != nullptr && *p != '\0' && FaultCount < 8;) {
        while (*p == ' ') ++p;
        Fault& fault = Faults[FaultCount];
        char kind[16] = "";
        char after[8] = "";
        if (std::sscanf(p, "%31[^:]:%d:%15[^: ]:%7[^ ]", fault.Operation, &fault.Call, kind, after) >= 3) {
            fault.Kind = std::strcmp(kind, "null-write") == 0 ? FaultKind::NullWrite
                         : std::strcmp(kind, "callback") == 0       ? FaultKind::Callback
                         : std::strcmp(kind, "noncontinuable") == 0 ? FaultKind::Noncontinuable
                                                                    : FaultKind::Raise;
            fault.After = std::strcmp(after, "after") == 0;
            ++FaultCount;
        }
        p = std::strchr(p, ' ');
    }
}

int CountCall(const char* operation)
{
    for (Counter& counter : Counters) {
        if (counter.Operation == nullptr) counter.Operation = operation;
        if (counter.Operation == operation) return ++counter.Calls;
    }
    return 0;
}

BOOL CALLBACK WriteThroughNull(HWND, LPARAM)
{
    *static_cast<volatile int*>(nullptr) = 1;
    return FALSE;
}

void RaiseIfChosen(const char* operation, int call, bool after)
{
    for (int i = 0; i < FaultCount; ++i) {
        const Fault& fault = Faults[i];
        if (fault.Call != call || fault.After != after || std::strcmp(fault.Operation, operation) != 0) continue;
        switch (fault.Kind) {
        case FaultKind::NullWrite: *static_cast<volatile int*>(nullptr) = 1; break;
        case FaultKind::Raise: RaiseException(HookRaisedCode, 0, 0, nullptr); break;
        case FaultKind::Noncontinuable: RaiseException(ForeignCxxExceptionCode, EXCEPTION_NONCONTINUABLE, 0, nullptr); break;
        case FaultKind::Callback: EnumWindows(WriteThroughNull, 0); break;
        }
    }
}

// The operations hooked the plain way: counted, faulted where chosen,
// otherwise the real call. (FindWindowA and ExitProcess have hooks of their own.)
#define VESKARA_PLAIN_HOOKS(X)                                                                \
    X(HWND, FindWindowExA, (HWND a, HWND b, LPCSTR c, LPCSTR d), (a, b, c, d))                \
    X(HMENU, GetMenu, (HWND a), (a))                                                          \
    X(HMENU, GetSubMenu, (HMENU a, int b), (a, b))                                            \
    X(int, GetMenuItemCount, (HMENU a), (a))                                                  \
    X(UINT, GetMenuItemID, (HMENU a, int b), (a, b))                                          \
    X(BOOL, IsWindow, (HWND a), (a))                                                          \
    X(BOOL, IsWindowEnabled, (HWND a), (a))                                                   \
    X(BOOL, SendNotifyMessageA, (HWND a, UINT b, WPARAM c, LPARAM d), (a, b, c, d))           \
    X(int, MessageBoxA, (HWND a, LPCSTR b, LPCSTR c, UINT d), (a, b, c, d))                   \
    X(BOOL, SetForegroundWindow, (HWND a), (a))

#define VESKARA_DEFINE_HOOK(Result, Name, Parameters, Arguments) \
    Result(WINAPI* Real##Name) Parameters;                        \
    Result WINAPI Hooked##Name Parameters                         \
    {                                                             \
        const int call = CountCall(#Name);                        \
        RaiseIfChosen(#Name, call, false);                        \
        Result result = Real##Name Arguments;                     \
        RaiseIfChosen(#Name, call, true);                         \
        return result;                                            \
    }
VESKARA_PLAIN_HOOKS(VESKARA_DEFINE_HOOK)
#undef VESKARA_DEFINE_HOOK

HWND(WINAPI* RealFindWindowA)(LPCSTR, LPCSTR);
HWND WINAPI HookedFindWindowA(LPCSTR className, LPCSTR title)
{
    const int call = CountCall("FindWindowA");
    if (call == 1 && HostRuns && (HostSettings.AlreadyRunning || HostSettings.MainWindowDelay == 0)) {
        // A host that is already running when the run starts: its thread is
        // given the moment it needs to show its main window.
        for (int i = 0; i < 100 && RealFindWindowA(className, nullptr) == nullptr; ++i) Sleep(50);
    }
    RaiseIfChosen("FindWindowA", call, false);
    HWND result = RealFindWindowA(className, title);
    RaiseIfChosen("FindWindowA", call, true);
    return result;
}

void(WINAPI* RealExitProcess)(UINT);
void WINAPI HookedExitProcess(UINT status)
{
    if (HostRuns) Sleep(1500);  // the host thread handles what it was sent last
    if (!HostSettings.Report.empty()) {
        if (FILE* file = std::fopen(HostSettings.Report.c_str(), "ab")) {
            std::fprintf(file, "run ended with status %u\n", status);
            std::fclose(file);
        }
    }
    RealExitProcess(status);
}

// Points the program's import of name at replacement; keeps the real one.
template <class Function>
void Hook(const char* name, Function replacement, Function& real)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress); module->Name != 0;
         ++module) {
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), name) != 0) continue;
            DWORD protection;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
            real = reinterpret_cast<Function>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
        }
    }
}

DWORD WINAPI HostThread(LPVOID)
{
    RunStandInHost(HostSettings);
    return 0;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    const char* host = std::getenv("VESKARA_STAND_IN");
    HostRuns = host != nullptr && host[0] != '\0';
    if (HostRuns) HostSettings = ParseStandInSettings(host);
    ReadFaults(std::getenv("VESKARA_FAULTS"));
    Hook("FindWindowA", HookedFindWindowA, RealFindWindowA);
    Hook("ExitProcess", HookedExitProcess, RealExitProcess);
#define VESKARA_INSTALL_HOOK(Result, Name, Parameters, Arguments) Hook(#Name, Hooked##Name, Real##Name);
    VESKARA_PLAIN_HOOKS(VESKARA_INSTALL_HOOK)
#undef VESKARA_INSTALL_HOOK
    // The thread starts once the loader has finished; the run's first look-up
    // waits for its main window (HookedFindWindowA).
    if (HostRuns) CreateThread(nullptr, 0, HostThread, nullptr, 0, nullptr);
    return TRUE;
}
