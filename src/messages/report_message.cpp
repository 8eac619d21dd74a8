#include "messages/report_message.h"

#include "platform/desktop.h"

const char ProgramCaption[] = "Veskara";

void ReportMessage(const char* text, MessageKind kind)
{
    const UINT icon = kind == MessageKind::Info ? MB_ICONASTERISK : MB_ICONHAND;
    // A box that cannot be shown changes nothing: the failing step still ends the run.
    MessageBoxA(nullptr, text, ProgramCaption, MB_OK | icon);
}
