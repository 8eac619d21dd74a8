// Fuzzes the command line: whatever bytes a user or a shortcut passes, the
// split and the choice of the host command must not crash or read or write
// out of bounds, and must agree with a plain reference reading of the rules
// written here on its own (growing strings, no limits but the kept length).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "profile/host_profile.h"
#include "run/erase_run.h"

namespace {

bool IsSeparator(char c) { return static_cast<unsigned char>(c) >= 1 && static_cast<unsigned char>(c) <= 32; }

std::vector<std::string> ReferenceSplit(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && (IsSeparator(line[i]) || line.compare(i, 2, "\"\"") == 0)) {
            i += IsSeparator(line[i]) ? 1 : 2;
        }
        if (i >= line.size()) return words;
        std::string word;
        bool quoted = false;
        for (; i < line.size() && (quoted || !IsSeparator(line[i])); ++i) {
            if (line[i] == '"') {
                quoted = !quoted;
            } else {
                word += line[i];
            }
        }
        words.push_back(word);
    }
}

std::string Kept(const std::string& word) { return word.substr(0, MaxArgumentBytes); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A command line ends at its first NUL, as Windows hands it over.
    const std::string line(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    const std::vector<std::string> words = ReferenceSplit(line);
    const int count = words.empty() ? 0 : static_cast<int>(words.size()) - 1;
    const std::string first = count >= 1 ? Kept(words[1]) : "";
    const std::string second = count >= 2 ? Kept(words[2]) : "";

    const CommandLineArguments arguments = SplitCommandLine(line.c_str());
    if (arguments.Count != count || first != arguments.First.Text || second != arguments.Second.Text) __builtin_trap();

    // The choice of the host command and the switch, as the usage states it.
    std::string wantedCommand = Host.DefaultHostCommand;
    bool wantedClose = true;
    if (count == 1) {
        if (first == NoCloseSwitch) {
            wantedClose = false;
        } else {
            wantedCommand = first;
        }
    } else if (count >= 2) {
        const bool secondIsSwitch = !second.empty() && second[0] == '/';
        wantedCommand = secondIsSwitch ? first : second;
        wantedClose = (secondIsSwitch ? second : first) != NoCloseSwitch;
    }
    sim::Reset();
    sim::SetCommandLine(line);
    ThisRun = RunState{nullptr, nullptr, true};
    const std::string hostCommand = ParseCommandLine().Text;
    if (hostCommand != wantedCommand || ThisRun.CloseHostAfterErase != wantedClose) __builtin_trap();
    return 0;
}
