// Runs one erase on the simulated desktop and prints its timeline: what the
// real program would do, call by call, against a host that behaves as chosen.
//
//   veskara_sim_<edition> [--host=SCENARIO] [--fault=OPERATION:CALL[:refuse]]
//                         [--command-line=TEXT] [--] [NeroPath] [/NoClose]
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/sim/scripted_host.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/timeline.h"
#include "profile/host_edition.h"
#include "run/erase_run.h"

namespace {

struct Scenario {
    const char* Name;
    const char* Description;
    std::function<void(sim::HostScript&)> Apply;
};

const std::vector<Scenario>& Scenarios()
{
    using sim::HostScript;
    static const std::vector<Scenario> scenarios = {
        {"cold", "the host is installed but not running; it erases in 25 s", [](HostScript&) {}},
        {"running", "the host is already running", [](HostScript& s) { s.AlreadyRunning = true; }},
        {"not-installed", "there is no host program where the shell looks", [](HostScript& s) { s.Installed = false; }},
        {"no-window", "the host starts but never shows its main window", [](HostScript& s) { s.MainWindowDelay = -1; }},
        {"late-window", "the main window appears 13 s after the start", [](HostScript& s) { s.MainWindowDelay = 13000; }},
        {"wrong-title", "the main window's title only begins with the expected one",
         [](HostScript& s) { s.MainWindowTitle = "Nero - Burning Rom - Untitled"; }},
        {"window-vanishes", "the main window vanishes right after it was found",
         [](HostScript& s) { s.MainWindowVanishesAfter = 100; }},
        {"no-afx", "the host has no Afx window", [](HostScript& s) { s.AfxWindow = false; }},
        {"late-menu", "the menu bar appears 1.2 s after the main window", [](HostScript& s) { s.MenuBarDelay = 1200; }},
        {"no-menu", "the main window never gets a menu bar", [](HostScript& s) { s.MenuBarDelay = 600000; }},
        {"short-menu", "the erase menu has only six items", [](HostScript& s) { s.EraseMenuItems = 6; }},
        {"submenu-item", "the erase item opens a submenu", [](HostScript& s) { s.EraseItemIsSubmenu = true; }},
        {"no-dialog", "the erase command opens no dialog", [](HostScript& s) { s.OpensEraseDialog = false; }},
        {"other-edition", "the host is of the other language edition",
         [](HostScript& s) {
             s.Language = std::strcmp(EditionName, "west") == 0 ? sim::Edition::East : sim::Edition::West;
         }},
        {"no-button", "the erase dialog has no erase button", [](HostScript& s) { s.DialogHasButton = false; }},
        {"dialog-vanishes", "the dialog closes between finding the button and the click",
         [](HostScript& s) { s.DialogClosesAfter = 600; }},
        {"quick-erase", "the erase is over after 5 s", [](HostScript& s) { s.EraseDuration = 5000; }},
        {"slow-erase", "the erase takes 100 s", [](HostScript& s) { s.EraseDuration = 100000; }},
        {"endless-erase", "the erase never ends", [](HostScript& s) { s.EraseDuration = -1; }},
        {"crash", "the host vanishes in the middle of the erase", [](HostScript& s) { s.CrashesDuringErase = true; }},
        {"no-exit-item", "the host's first menu is empty", [](HostScript& s) { s.ExitMenuItems = 0; }},
        {"exit-submenu", "the last item of the first menu opens a submenu",
         [](HostScript& s) { s.ExitItemIsSubmenu = true; }},
        {"menu-replaced", "the host replaces its menu bar when the erase is over",
         [](HostScript& s) { s.ChangesMenuBarAfterErase = true; }},
    };
    return scenarios;
}

void Usage(FILE* to)
{
    std::fprintf(to,
                 "usage: veskara_sim_%s [--host=SCENARIO] [--fault=OPERATION:CALL[:refuse]]...\n"
                 "                      [--command-line=TEXT] [--] [NeroPath] [/NoClose]\n\n"
                 "Runs veskara_%s.exe on a simulated desktop and prints every desktop call it makes.\n"
                 "CALL counts that operation's calls from 1 (0: every call); a fault raises unless\n"
                 "':refuse' makes the call answer its failure value instead. Through\n"
                 "scripts/simulate.sh, --edition=west|east chooses the program.\n\nHost scenarios:\n",
                 EditionName, EditionName);
    for (const Scenario& s : Scenarios()) std::fprintf(to, "  %-16s %s\n", s.Name, s.Description);
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
    sim::HostScript script;
    std::string scenarioName = "cold";
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
    const Scenario* scenario = nullptr;
    for (const Scenario& s : Scenarios()) {
        if (scenarioName == s.Name) scenario = &s;
    }
    if (scenario == nullptr) {
        std::fprintf(stderr, "unknown host scenario '%s'\n\n", scenarioName.c_str());
        Usage(stderr);
        return 2;
    }
    script.Language = std::strcmp(EditionName, "west") == 0 ? sim::Edition::West : sim::Edition::East;
    scenario->Apply(script);
    sim::InstallScriptedHost(script);
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
                host.Starts > 0 ? "started by the run, " : (script.AlreadyRunning ? "started by the user, " : "never started, "),
                host.EraseFinished ? "erase finished, " : (host.EraseStarted ? "erase started but not finished, " : "no erase, "),
                host.Running ? "still running" : (host.ExitedViaMenu ? "exited through its menu" : "not running"));
    return 0;
}
