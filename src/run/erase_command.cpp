// Starting the erase inside the host: its menu command, then its dialog's button.
#include "messages/message_texts.h"
#include "messages/report_message.h"
#include "platform/fault_guard.h"
#include "profile/host_profile.h"
#include "run/erase_run.h"

namespace {
constexpr DWORD PauseAfterMenuReading = 500;
constexpr int MostMenuReadings = 11;
constexpr DWORD PauseBeforeDialogLookUp = 500;
constexpr int MostDialogLookUps = 21;
constexpr DWORD PauseBeforeClick = 500;

HWND FindEraseButton()
{
    HWND button = nullptr;
    for (int tries = 0; button == nullptr && tries < MostDialogLookUps; ++tries) {
        Sleep(PauseBeforeDialogLookUp);
        // Dialog and button are looked up anew each time: the host may replace them.
        HWND dialog = FindWindowExA(nullptr, nullptr, Host.EraseDialogClass, Host.EraseDialogTitle);
        if (dialog != nullptr) {
            button = FindWindowExA(dialog, nullptr, Host.EraseButtonClass, Host.EraseButtonCaption);
        }
    }
    return button;
}

void ClickEraseButton(StepResult& pressed)
{
    HWND button = FindEraseButton();
    if (button == nullptr) {
        ReportMessage(EraseButtonNotFoundText, MessageKind::Error);
        return;
    }
    Sleep(PauseBeforeClick);
    pressed = SendNotifyMessageA(button, BM_CLICK, 0, 0) != 0;
    if (!pressed) ReportMessage(EraseButtonNotPressedText, MessageKind::Error);
}
}  // namespace

StepResult InvokeEraseCommand()
{
    HMENU eraseMenu = nullptr;
    for (int readings = 0; eraseMenu == nullptr && readings < MostMenuReadings; ++readings) {
        ThisRun.HostMenu = GetMenu(ThisRun.HostWindow);
        eraseMenu = GetSubMenu(ThisRun.HostMenu, Host.EraseMenuPosition);
        Sleep(PauseAfterMenuReading);  // also after the reading that succeeds
    }
    const UINT command = GetMenuItemID(eraseMenu, Host.EraseItemPosition);
    const bool queued =
        command != NoCommand && SendNotifyMessageA(ThisRun.HostWindow, WM_COMMAND, command, 0) != 0;
    if (!queued) ReportMessage(EraseMenuNotSelectedText, MessageKind::Error);
    return queued;
}

StepResult PressEraseButton()
{
    StepResult pressed = false;
    if (RunGuarded<ClickEraseButton>(pressed)) return pressed;
    ReportMessage(EraseNotStartedText, MessageKind::Error);
    return false;
}
