// Fuzzes the command line: whatever bytes a user or a shortcut passes, the
// split and the choice of the host command must not crash, read out of
// bounds or break what the rest of the run relies on.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/sim/sim_desktop.h"
#include "profile/host_profile.h"
#include "run/erase_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A command line ends at its first NUL, as Windows hands it over.
    const std::string line(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    sim::Reset();
    sim::SetCommandLine(line);
    ThisRun = RunState{nullptr, nullptr, true};
    const std::string hostCommand = ParseCommandLine();

    const bool isDefault = hostCommand == Host.DefaultHostCommand;
    // An argument never keeps a quote and never outgrows its limit.
    if (!isDefault && hostCommand.find('"') != std::string::npos) __builtin_trap();
    if (hostCommand.size() > MaxArgumentBytes && !isDefault) __builtin_trap();
    // The switch is only ever recognised when it is on the line, once the
    // quote characters (which join stretches of an argument) are taken out.
    std::string unquoted = line;
    unquoted.erase(std::remove(unquoted.begin(), unquoted.end(), '"'), unquoted.end());
    if (!ThisRun.CloseHostAfterErase && unquoted.find(NoCloseSwitch) == std::string::npos) __builtin_trap();
    // The host command is text taken from the line, or the default.
    if (!isDefault && !hostCommand.empty() && hostCommand.find('\0') != std::string::npos) __builtin_trap();
    const CommandLineArguments arguments = SplitCommandLine(line.c_str());
    if (arguments.Count < 0 || arguments.First.size() > MaxArgumentBytes ||
        arguments.Second.size() > MaxArgumentBytes) {
        __builtin_trap();
    }
    return 0;
}
