// Every failure of the run is told to the user in a message box, at the place
// where it is detected.
#pragma once

enum class MessageKind : char { Error = 'e', Info = 'i' };

extern const char ProgramCaption[];

// Shows text in a box captioned ProgramCaption with the kind's icon and an OK
// button, and returns once the user has dismissed it.
void ReportMessage(const char* text, MessageKind kind);
