// The texts of every message the run can show. They are Japanese in both
// programs; only the quoted names of the host's elements differ by edition.
// Sources are UTF-8; the build stores them as code page 932 bytes.
#pragma once

extern const char HostNotStartedText[];  // followed by the shell's result as a decimal number
extern const char MainWindowNotFoundText[];
extern const char EraseMenuNotSelectedText[];   // edition-specific
extern const char EraseButtonNotFoundText[];    // edition-specific
extern const char EraseButtonNotPressedText[];  // edition-specific
extern const char EraseNotStartedText[];
extern const char EraseTimedOutText[];
extern const char HostLostText[];
extern const char ExitCommandFailedText[];
extern const char HostNotExitedText[];
