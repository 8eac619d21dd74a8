// Guards on the simulated desktop: a fault is the DesktopFault that an
// operation was told to raise. The process's end (ProcessExit) is not a fault
// and passes through every guard.
#include "platform/fault_guard.h"

#include "platform/sim/sim_desktop.h"

namespace {
sim::DesktopFault CaughtFault{};
}  // namespace

bool RunGuardedBlock(GuardedBlock block, void* data)
{
    try {
        block(data);
        return true;
    } catch (const sim::DesktopFault& fault) {
        CaughtFault = fault;
        return false;
    }
}

void PassFaultOn()
{
    throw CaughtFault;
}

void RunWithLastResort(void (*run)())
{
    try {
        run();
    } catch (const sim::DesktopFault&) {
        // Escaped every guard: the process ends quietly, as on Windows.
    }
    ExitProcess(0);
}
