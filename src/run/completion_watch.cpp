// Waiting for the end of the erase, and making the host exit afterwards.
#include "messages/message_texts.h"
#include "messages/report_message.h"
#include "platform/fault_guard.h"
#include "profile/host_profile.h"
#include "run/erase_run.h"

namespace {
constexpr DWORD PauseBeforePoll = 1000;
constexpr int MostPolls = 90;

// How the host's main window was last seen by the watch.
struct HostWindowState {
    bool Exists = true;
    bool Enabled = false;
};

StepResult ReportWatchOutcome(const HostWindowState& seen)
{
    if (seen.Enabled) return true;
    if (seen.Exists) {
        ReportMessage(EraseTimedOutText, MessageKind::Info);
    } else {
        ReportMessage(HostLostText, MessageKind::Info);
    }
    return false;
}

// The host keeps its main window disabled while it erases and enables it
// again when it has finished; that is the only sign of the end we rely on.
void PollHostWindow(HostWindowState& seen)
{
    for (int polls = 0; seen.Exists && !seen.Enabled && polls < MostPolls; ++polls) {
        Sleep(PauseBeforePoll);
        seen.Exists = IsWindow(ThisRun.HostWindow) != 0;
        seen.Enabled = IsWindowEnabled(ThisRun.HostWindow) != 0;
    }
}

void SendExitCommand(StepResult& queued)
{
    // The menu bar as InvokeEraseCommand read it; its first menu ends with Exit.
    HMENU menu = GetSubMenu(ThisRun.HostMenu, Host.ExitMenuPosition);
    const int items = GetMenuItemCount(menu);
    const UINT command = GetMenuItemID(menu, items - 1);
    if (command != NoCommand) {
        queued = SendNotifyMessageA(ThisRun.HostWindow, WM_COMMAND, command, 0) != 0;
    }
    if (!queued) ReportMessage(ExitCommandFailedText, MessageKind::Error);
}
}  // namespace

StepResult WaitForEraseEnd()
{
    HostWindowState seen;
    if (!RunGuarded<PollHostWindow>(seen)) {
        // Not a guard: the user still hears how the watch stood, and the
        // fault goes on to end the run.
        ReportWatchOutcome(seen);
        PassFaultOn();
    }
    return ReportWatchOutcome(seen);
}

StepResult ExitHostViaMenu()
{
    StepResult queued = false;
    if (RunGuarded<SendExitCommand>(queued)) return queued;
    ReportMessage(HostNotExitedText, MessageKind::Error);
    return queued;
}
