// Faults during a run, and who catches them. Two steps guard their desktop
// calls: a fault raised anywhere inside their block (inside a Win32 call, or in
// a callback that runs inside one) is caught and becomes the step's own
// message. A fault that no guard catches ends the process quietly with exit
// status 0: the run is unattended, so no error-reporting box may wait for a
// user. Which desktop answers decides what a fault is: on Windows a structured
// exception, on the simulated desktop the fault it was told to raise.
#pragma once

using GuardedBlock = void (*)(void* data);

// Runs block(data). True when the block ran to its end; false when a fault
// was raised inside it, which is then caught and over. The thread goes on
// sane: a later fault is caught or ends the process just the same.
bool RunGuardedBlock(GuardedBlock block, void* data);

// The typed form: RunGuarded<Block>(data) runs Block(data) inside a guard.
template <auto Block, class Data>
bool RunGuarded(Data& data)
{
    return RunGuardedBlock([](void* raw) { Block(*static_cast<Data*>(raw)); }, &data);
}

// Raises again the fault that the last guard caught, for a step that only
// looks at a fault on its way: no guard is left to catch it, so it ends the
// process as any unguarded fault does.
[[noreturn]] void PassFaultOn();

// Runs the whole run so that a fault escaping every guard ends the process
// with exit status 0 and nothing shown; ends the process with status 0 when
// run returns.
[[noreturn]] void RunWithLastResort(void (*run)());
