// Guards on Windows: a fault is a structured exception. The C++ runtime is not
// in the programs (and its catch would not see one anyway), so the guard
// works with the system's own last step of exception handling: the
// unhandled-exception filter, which Windows calls on the faulting thread when
// no handler inside the Win32 calls took the exception for itself. While a
// guard is open, the filter resumes the thread at a landing point of the
// guard; otherwise it ends the process with status 0.
//
// What this catches: access violations, RaiseException codes (continuable or
// not), and any other exception that the code inside the guarded calls does
// not handle itself, also when raised in a callback inside a call (a window
// procedure, a hook).
// What it does not catch:
//   - exceptions that Windows raises and handles inside a call: they never
//     leave it, and the run is not disturbed by them;
//   - a stack overflow: the stack has lost its guard page, so resuming the run
//     would risk a second, silent overflow. The filter ends the process with
//     status 0 where Windows still lets it run (32-bit); where it does not,
//     the system ends the process;
//   - faults on any thread but the one that opened the guard;
//   - anything while a debugger is attached: the debugger sees the fault first.
#include <windows.h>

#include "platform/fault_guard.h"

namespace {

struct Guard {
    void* Landing[5];   // __builtin_setjmp's buffer: frame, landing address, stack
    void* HandlerList;  // the thread's exception handler list when the guard opened
    DWORD Thread;
    Guard* Outer;
};

Guard* volatile OpenGuard;
EXCEPTION_RECORD CaughtFault;

// The thread's information block, as NtCurrentTeb reads it (whose inline form
// trips GCC's array-bounds warning on the constant segment offset).
NT_TIB* ThreadInformation()
{
    NT_TIB* block;
#if defined(_WIN64)
    asm("movq %%gs:0x30, %0" : "=r"(block));
#else
    asm("movl %%fs:0x18, %0" : "=r"(block));
#endif
    return block;
}

// Where a caught fault resumes: on the faulting thread, below the frames the
// fault left behind. The handler records that those frames pushed onto the
// thread's handler list die with them, so the list is put back as the guard
// found it before the jump, or the next fault would be dispatched through
// dead frames.
[[noreturn]] __attribute__((noinline)) void LandInOpenGuard()
{
    Guard* guard = OpenGuard;
    ThreadInformation()->ExceptionList = static_cast<EXCEPTION_REGISTRATION_RECORD*>(guard->HandlerList);
    __builtin_longjmp(guard->Landing, 1);
}

// Makes the thread continue in LandInOpenGuard as if it had been called
// there: a fresh, aligned stack area below the faulting frame.
void ResumeInLanding(CONTEXT& context)
{
#if defined(_WIN64)
    context.Rsp = ((context.Rsp - 256) & ~static_cast<DWORD64>(15)) - 8;
    context.Rip = reinterpret_cast<DWORD64>(&LandInOpenGuard);
#else
    context.Esp = ((context.Esp - 256) & ~static_cast<DWORD>(15)) - 4;
    context.Eip = reinterpret_cast<DWORD>(&LandInOpenGuard);
#endif
}

LONG WINAPI OnUnhandledFault(EXCEPTION_POINTERS* fault)
{
    Guard* guard = OpenGuard;
    const bool catchable = guard != nullptr && guard->Thread == GetCurrentThreadId() &&
                           fault->ExceptionRecord->ExceptionCode != EXCEPTION_STACK_OVERFLOW;
    if (!catchable) ExitProcess(0);  // the last resort: quietly, status 0
    CaughtFault = *fault->ExceptionRecord;
    // An exception raised as not continuable (another compiler's C++ throw
    // is) may not be resumed: Windows would raise a new one for every try.
    // The landing is then jumped to from here, leaving the dispatch behind.
    if ((fault->ExceptionRecord->ExceptionFlags & EXCEPTION_NONCONTINUABLE) != 0) LandInOpenGuard();
    ResumeInLanding(*fault->ContextRecord);
    return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

bool RunGuardedBlock(GuardedBlock block, void* data)
{
    Guard guard;
    guard.HandlerList = ThreadInformation()->ExceptionList;
    guard.Thread = GetCurrentThreadId();
    guard.Outer = OpenGuard;
    if (__builtin_setjmp(guard.Landing) != 0) {
        OpenGuard = guard.Outer;
        return false;
    }
    OpenGuard = &guard;
    block(data);
    OpenGuard = guard.Outer;
    return true;
}

void PassFaultOn()
{
    RaiseException(CaughtFault.ExceptionCode, EXCEPTION_NONCONTINUABLE, CaughtFault.NumberParameters,
                   CaughtFault.ExceptionInformation);
    ExitProcess(0);  // not reached: no guard is open, so the filter ends the process
}

void RunWithLastResort(void (*run)())
{
    // Replaces the C runtime's filter, which would let Windows show its
    // error-reporting box. The filter is this process's own: the host that
    // the run starts inherits nothing of it.
    SetUnhandledExceptionFilter(OnUnhandledFault);
    run();
    ExitProcess(0);
}
