// Getting hold of the host's main window, and closing its Afx window.
#include "messages/message_texts.h"
#include "messages/report_message.h"
#include "profile/host_profile.h"
#include "run/erase_run.h"

namespace {
constexpr DWORD PauseBeforeLookUp = 500;
constexpr int MostLookUps = 21;
}  // namespace

StepResult FindRunningHost()
{
    ThisRun.HostWindow = FindWindowA(Host.MainWindowClass, Host.MainWindowTitle);
    if (ThisRun.HostWindow == nullptr) return false;  // a cold start: not a failure to report
    // The user started this host; it stays running after the erase.
    ThisRun.CloseHostAfterErase = false;
    return true;
}

StepResult WaitForHostWindow()
{
    for (int lookUps = 0; ThisRun.HostWindow == nullptr && lookUps < MostLookUps; ++lookUps) {
        Sleep(PauseBeforeLookUp);
        ThisRun.HostWindow = FindWindowA(Host.MainWindowClass, Host.MainWindowTitle);
    }
    if (ThisRun.HostWindow != nullptr) return true;
    ReportMessage(MainWindowNotFoundText, MessageKind::Error);
    return false;
}

void CloseHostAfxWindow()
{
    // Found by class alone, whatever its title; a missing window or a refused
    // close request changes nothing for the run.
    HWND afx = FindWindowExA(nullptr, nullptr, Host.AfxWindowClass, nullptr);
    if (afx != nullptr) SendNotifyMessageA(afx, WM_CLOSE, 0, 0);
}
