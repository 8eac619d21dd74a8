// Runs one erase on the simulated desktop and prints its timeline: what the
// real program would do, call by call, against a host that behaves as chosen.
//
//   veskara_sim_<edition> [--host=SCENARIO] [--host-settings=TEXT]
//                         [--fault=OPERATION:CALL[:refuse]] [--command-line=TEXT]
//                         [--] [NeroPath] [/NoClose]
#include <cstdio>
#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/timeline.h"
#include "profile/host_edition.h"
#include "run/erase_run.h"
#include "scripted_host.h"

namespace {

void Usage(FILE* to)
{
    std::fprintf(to,
                 "usage: veskara_sim_%s [--host=SCENARIO] [--host-settings=TEXT]\n"
                 "                      [--fault=OPERATION:CALL[:refuse]]... [--command-line=TEXT]\n"
                 "                      [--] [NeroPath] [/NoClose]\n\n"
                 "Runs veskara_%s.exe on a simulated desktop and prints every desktop call it makes.\n"
                 "CALL counts that operation's calls from 1 (0: every call); a fault raises unless\n"
                 "':refuse' makes the call answer its failure value instead. --host-settings changes\n"
                 "the scenario's host further with name=value words parted by ';' (the names are in\n"
                 "tests/host/host_description.h). Through scripts/simulate.sh, --edition=west|east\n"
                 "chooses the program.\n\nHost scenarios:\n",
                 EditionName, EditionName);
    for (const host::Scenario* s = host::Scenarios(); s->Name != nullptr; ++s) {
        std::fprintf(to, "  %-19s %s\n", s->Name, s->Description);
    }
}

// The program's arguments as Windows would pass them: quoted where they hold a separator.
std::string CommandLineOf(const std::vector<std::string>& arguments)
{
    std::string line = std::string("veskara_") + EditionName + ".exe";
    for (const std::string& argument : arguments) {
        const bool needsQuotes = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
        line += needsQuotes ? " \"" + argument + "\"" : " " + argument;
    }
    return line;
}

bool ParseFault(const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) return false;
    const auto op = sim::OpFromName(text.substr(0, colon));
    if (!op) return false;
    std::string rest = text.substr(colon + 1);
    sim::FaultKind kind = sim::FaultKind::Raise;
    const std::size_t second = rest.find(':');
    if (second != std::string::npos) {
        if (rest.substr(second + 1) != "refuse") return false;
        kind = sim::FaultKind::Refuse;
        rest = rest.substr(0, second);
    }
    char* end = nullptr;
    const long call = std::strtol(rest.c_str(), &end, 10);
    if (rest.empty() || *end != '\0' || call < 0) return false;
    sim::InjectFault(*op, static_cast<int>(call), kind);
    return true;
}

const char* KindOf(UINT style) { return (style & 0xF0) == MB_ICONASTERISK ? "information" : "error"; }

}  // namespace

int main(int argc, char** argv)
{
    sim::Reset();
    std::string scenarioName = "cold";
    std::string settingsText;
    std::vector<std::string> faults;
    std::vector<std::string> programArguments;
    std::string rawCommandLine;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (options && argument == "--") {
            options = false;
        } else if (options && (argument == "--help" || argument == "-h")) {
            Usage(stdout);
            return 0;
        } else if (options && argument.rfind("--host=", 0) == 0) {
            scenarioName = argument.substr(7);
        } else if (options && argument.rfind("--host-settings=", 0) == 0) {
            settingsText = argument.substr(16);
        } else if (options && argument.rfind("--fault=", 0) == 0) {
            faults.push_back(argument.substr(8));
        } else if (options && argument.rfind("--command-line=", 0) == 0) {
            rawCommandLine = argument.substr(15);
        } else if (options && argument.rfind("--", 0) == 0) {
            std::fprintf(stderr, "unknown option %s\n\n", argument.c_str());
            Usage(stderr);
            return 2;
        } else {
            programArguments.push_back(argument);
        }
    }
    const host::Scenario* scenario = host::FindScenario(scenarioName);
    if (scenario == nullptr) {
        std::fprintf(stderr, "unknown host scenario '%s'\n\n", scenarioName.c_str());
        Usage(stderr);
        return 2;
    }
    host::HostSettings settings = host::ScenarioSettings(*scenario, host::EditionNamed(EditionName));
    std::string problem;
    if (!host::ApplySettings(settingsText, settings, &problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 2;
    }
    sim::InstallScriptedHost(settings);
    sim::SetCommandLine(rawCommandLine.empty() ? CommandLineOf(programArguments) : rawCommandLine);
    for (const std::string& fault : faults) {
        if (!ParseFault(fault)) {
            std::fprintf(stderr, "bad --fault '%s': want OPERATION:CALL[:refuse]\n", fault.c_str());
            return 2;
        }
    }

    std::printf("veskara_%s on a simulated desktop; host: %s (%s)\n\n", EditionName, scenario->Name,
                scenario->Description);
    try {
        RunProgram();
    } catch (const sim::ProcessExit&) {
    }
    std::fputs(sim::Timeline().c_str(), stdout);

    std::printf("\nWhat the user gets:\n");
    for (const auto& box : sim::MessageBoxes()) {
        std::printf("  message box at %.3f s, caption \"%s\", %s icon (style 0x%02X):\n", box.Time / 1000.0,
                    box.Caption.c_str(), KindOf(box.Style), box.Style);
        std::string text = sim::Utf8FromCp932(box.Text);
        for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;) text.replace(at, 2, "\n    ");
        std::printf("    %s\n", text.c_str());
    }
    for (sim::Millis beep : sim::Beeps()) std::printf("  one beep at %.3f s\n", beep / 1000.0);
    if (sim::MessageBoxes().empty() && sim::Beeps().empty()) std::printf("  nothing: no box, no beep\n");
    std::printf("  exit status %u at %.3f s\n", sim::ExitCode().value_or(0), sim::Now() / 1000.0);

    sim::AdvanceClock(5000);  // the host goes on handling what it was sent
    const sim::HostRecord& host = sim::ScriptedHost();
    std::printf("\nThe host afterwards: %s%s%s\n",
                host.Starts > 0 ? "started by the run, " : (settings.AlreadyRunning ? "started by the user, " : "never started, "),
                host.EraseFinished ? "erase finished, " : (host.EraseStarted ? "erase started but not finished, " : "no erase, "),
                host.Running ? "still running" : (host.ExitedViaMenu ? "exited through its menu" : "not running"));
    return 0;
}
