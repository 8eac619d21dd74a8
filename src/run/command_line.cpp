// The command line: [NeroPath] [/NoClose], either order.
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
const char* ReadArgument(const char* p, std::string& argument)
{
    argument.clear();
    bool quoted = false;
    for (; *p != '\0' && (quoted || !IsSeparator(*p)); ++p) {
        if (*p == '"') {
            quoted = !quoted;
        } else if (argument.size() < MaxArgumentBytes) {
            argument += *p;
        }
    }
    return p;
}

bool StartsWithSlash(const std::string& argument) { return !argument.empty() && argument[0] == '/'; }
}  // namespace

CommandLineArguments SplitCommandLine(const char* line)
{
    CommandLineArguments arguments{0, {}, {}};
    std::string programName;
    const char* p = ReadArgument(SkipToArgument(line), programName);
    for (p = SkipToArgument(p); *p != '\0'; p = SkipToArgument(p)) {
        ++arguments.Count;
        std::string ignored;
        std::string& argument = arguments.Count == 1   ? arguments.First
                                : arguments.Count == 2 ? arguments.Second
                                                       : ignored;
        p = ReadArgument(p, argument);
    }
    return arguments;
}

std::string ParseCommandLine()
{
    const CommandLineArguments arguments = SplitCommandLine(GetCommandLineA());
    if (arguments.Count == 0) return Host.DefaultHostCommand;
    if (arguments.Count == 1) {
        if (arguments.First != NoCloseSwitch) return arguments.First;
        ThisRun.CloseHostAfterErase = false;
        return Host.DefaultHostCommand;
    }
    // Two or more: a second argument that begins with a slash is a switch
    // beside the path; otherwise the second argument is the path.
    if (StartsWithSlash(arguments.Second)) {
        if (arguments.Second == NoCloseSwitch) ThisRun.CloseHostAfterErase = false;
        return arguments.First;
    }
    if (arguments.First == NoCloseSwitch) ThisRun.CloseHostAfterErase = false;
    return arguments.Second;
}
