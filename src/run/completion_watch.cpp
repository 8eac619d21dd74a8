// Waiting for the end of the erase, and making the host exit afterwards.
#include "messages/message_texts.h"
#include "messages/report_message.h"
#include "profile/host_profile.h"
#include "run/erase_run.h"

namespace {
constexpr DWORD PauseBeforePoll = 1000;
constexpr int MostPolls = 90;
constexpr UINT NoCommand = static_cast<UINT>(-1);

StepResult ReportWatchOutcome(bool exists, bool enabled)
{
    if (enabled) return true;
    if (exists) {
        ReportMessage(EraseTimedOutText, MessageKind::Info);
    } else {
        ReportMessage(HostLostText, MessageKind::Info);
    }
    return false;
}

StepResult SendExitCommand(bool& queued)
{
    // The menu bar as InvokeEraseCommand read it; its first menu ends with Exit.
    HMENU menu = GetSubMenu(ThisRun.HostMenu, Host.ExitMenuPosition);
    const int items = GetMenuItemCount(menu);
    const UINT command = GetMenuItemID(menu, items - 1);
    if (command != NoCommand) {
        queued = SendNotifyMessageA(ThisRun.HostWindow, WM_COMMAND, command, 0) != 0;
    }
    if (!queued) ReportMessage(ExitCommandFailedText, MessageKind::Error);
    return queued;
}
}  // namespace

StepResult WaitForEraseEnd()
{
    // The host keeps its main window disabled while it erases and enables it
    // again when it has finished; that is the only sign of the end we rely on.
    bool exists = true;
    bool enabled = false;
    try {
        for (int polls = 0; exists && !enabled && polls < MostPolls; ++polls) {
            Sleep(PauseBeforePoll);
            exists = IsWindow(ThisRun.HostWindow) != 0;
            enabled = IsWindowEnabled(ThisRun.HostWindow) != 0;
        }
    } catch (...) {
        // Not a guard: the user still hears how the watch stood, and the
        // fault goes on to end the run.
        ReportWatchOutcome(exists, enabled);
        throw;
    }
    return ReportWatchOutcome(exists, enabled);
}

StepResult ExitHostViaMenu()
{
    bool queued = false;
    try {
        return SendExitCommand(queued);
    } catch (...) {
        ReportMessage(HostNotExitedText, MessageKind::Error);
        return queued;
    }
}
