// Starting the host when it is not running yet.
#include "messages/message_texts.h"
#include "messages/report_message.h"
#include "run/erase_run.h"

namespace {
constexpr DWORD PauseAfterStart = 2000;  // the host needs a while before it has windows
constexpr int HighestShellError = 32;
}  // namespace

StepResult LaunchHost()
{
    const std::string hostCommand = ParseCommandLine();
    HINSTANCE started =
        ShellExecuteA(nullptr, "open", hostCommand.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // The shell's result is a number dressed as a handle; only its low 32 bits count.
    const int result = static_cast<int>(reinterpret_cast<INT_PTR>(started));
    if (result > HighestShellError) {
        Sleep(PauseAfterStart);
        return true;
    }
    const std::string text = HostNotStartedText + std::to_string(result);
    ReportMessage(text.c_str(), MessageKind::Error);
    return false;
}
