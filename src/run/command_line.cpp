// The command line: [NeroPath] [/NoClose], either order.
#include <cstring>

#include "profile/host_profile.h"
#include "run/erase_run.h"

const char NoCloseSwitch[] = "/NoClose";

namespace {
bool IsSeparator(char c)
{
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte >= 1 && byte <= 32;
}

// Skips separators and pairs of adjacent double quotes that stand before an argument.
const char* SkipToArgument(const char* p)
{
    for (;;) {
        if (IsSeparator(*p)) {
            ++p;
        } else if (p[0] == '"' && p[1] == '"') {
            p += 2;
        } else {
            return p;
        }
    }
}

// Reads one argument starting at p into argument (its first MaxArgumentBytes
// bytes; the rest is read past) and returns where the argument ends. Quoted
// stretches may hold separators and end at the next quote or the end of the
// line; their quote characters are dropped. Code page 932 needs no special
// care: its trail bytes are never a quote, a separator or NUL.
const char* ReadArgument(const char* p, Argument& argument)
{
    std::size_t kept = 0;
    bool quoted = false;
    for (; *p != '\0' && (quoted || !IsSeparator(*p)); ++p) {
        if (*p == '"') {
            quoted = !quoted;
        } else if (kept < MaxArgumentBytes) {
            argument.Text[kept++] = *p;
        }
    }
    argument.Text[kept] = '\0';
    return p;
}

bool IsNoCloseSwitch(const Argument& argument) { return std::strcmp(argument.Text, NoCloseSwitch) == 0; }

Argument DefaultHostCommand()
{
    Argument command;
    std::strcpy(command.Text, Host.DefaultHostCommand);
    return command;
}
}  // namespace

CommandLineArguments SplitCommandLine(const char* line)
{
    CommandLineArguments arguments;
    arguments.Count = 0;
    arguments.First.Text[0] = '\0';
    arguments.Second.Text[0] = '\0';
    Argument ignored;
    const char* p = ReadArgument(SkipToArgument(line), ignored);  // the program's own name
    for (p = SkipToArgument(p); *p != '\0'; p = SkipToArgument(p)) {
        ++arguments.Count;
        Argument& argument = arguments.Count == 1   ? arguments.First
                             : arguments.Count == 2 ? arguments.Second
                                                    : ignored;
        p = ReadArgument(p, argument);
    }
    return arguments;
}

Argument ParseCommandLine()
{
    const CommandLineArguments arguments = SplitCommandLine(GetCommandLineA());
    if (arguments.Count == 0) return DefaultHostCommand();
    if (arguments.Count == 1) {
        if (!IsNoCloseSwitch(arguments.First)) return arguments.First;
        ThisRun.CloseHostAfterErase = false;
        return DefaultHostCommand();
    }
    // Two or more: a second argument that begins with a slash is a switch
    // beside the path; otherwise the second argument is the path.
    if (arguments.Second.Text[0] == '/') {
        if (IsNoCloseSwitch(arguments.Second)) ThisRun.CloseHostAfterErase = false;
        return arguments.First;
    }
    if (IsNoCloseSwitch(arguments.First)) ThisRun.CloseHostAfterErase = false;
    return arguments.Second;
}
