// Starting the host when it is not running yet.
#include <cstring>

#include "messages/message_texts.h"
#include "messages/report_message.h"
#include "run/erase_run.h"

namespace {
constexpr DWORD PauseAfterStart = 2000;  // the host needs a while before it has windows
constexpr int HighestShellError = 32;

// Writes number as a signed decimal, without leading zeros or spaces, at to;
// to has room for 12 bytes ("-2147483648" and its NUL).
void WriteSignedDecimal(int number, char* to)
{
    // Counted in unsigned, so that the most negative number has a magnitude too.
    unsigned magnitude = number < 0 ? 0u - static_cast<unsigned>(number) : static_cast<unsigned>(number);
    char digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (number < 0) *to++ = '-';
    while (count > 0) *to++ = digits[--count];
    *to = '\0';
}

void ReportHostNotStarted(int shellResult)
{
    char text[128];  // the text's 46 bytes, at most 11 of the number and the NUL
    std::size_t length = std::strlen(HostNotStartedText);
    if (length > sizeof text - 12) length = sizeof text - 12;
    std::memcpy(text, HostNotStartedText, length);
    WriteSignedDecimal(shellResult, text + length);
    ReportMessage(text, MessageKind::Error);
}
}  // namespace

StepResult LaunchHost()
{
    const Argument hostCommand = ParseCommandLine();
    HINSTANCE started = ShellExecuteA(nullptr, "open", hostCommand.Text, nullptr, nullptr, SW_SHOWNORMAL);
    // The shell's result is a number dressed as a handle; only its low 32 bits count.
    const int result = static_cast<int>(reinterpret_cast<INT_PTR>(started));
    if (result > HighestShellError) {
        Sleep(PauseAfterStart);
        return true;
    }
    ReportHostNotStarted(result);
    return false;
}
