// The host on the simulated desktop: it behaves as the erase run expects of
// the real host (main window, Afx window, menu bar, erase dialog, main window
// disabled while erasing, exit command) and misbehaves as its settings say.
#pragma once

#include <string>
#include <vector>

#include "host_description.h"
#include "platform/sim/sim_desktop.h"

namespace sim {

struct HostRecord {
    int Starts = 0;
    bool Running = false;
    bool EraseStarted = false;
    bool EraseFinished = false;
    bool ExitedViaMenu = false;
    bool AfxClosed = false;
    HWND MainWindow = nullptr;
    std::vector<std::string> Received;  // "WM_CLOSE Afx", "WM_COMMAND erase", ...
};

// Puts the host on the desktop (after sim::Reset): installed for the shell, and
// running already when the settings say so.
void InstallScriptedHost(const host::HostSettings& settings);
const HostRecord& ScriptedHost();

}  // namespace sim
