// Every way a whole run can end: what the user gets and when, what the host
// is left doing, and that nothing runs after the step that failed.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "run_fixture.h"

namespace {

using sim::FaultKind;
using sim::Millis;
using sim::Op;

enum class HostAfter { NeverStarted, Running, ExitedViaMenu, Vanished };

struct OutcomeCase {
    const char* What;
    const char* Host;  // the host's scenario
    std::string Arguments;
    std::function<void()> Faults;
    const char* Message;  // catalogue id, or nullptr for none
    bool Beep;
    Millis EndsAt;        // when the message or beep comes, and the process ends
    HostAfter After;
};

std::function<void()> Fault(Op op, int call, FaultKind kind)
{
    return [=] { sim::InjectFault(op, call, kind); };
}

// The times follow from the host's defaults: main window 3 s after the start,
// dialog 1.5 s after the erase command, erase over 25 s after the click.
const OutcomeCase Cases[] = {
    {"host already running: erased, left running", "running", "", nullptr, nullptr, true, 34000, HostAfter::Running},
    {"host already running: a path and /NoClose change nothing", "running", "C:\\missing.exe /NoClose", nullptr,
     nullptr, true, 34000, HostAfter::Running},
    {"cold start: erased, host exits through its menu", "cold", "", nullptr, nullptr, true, 37500,
     HostAfter::ExitedViaMenu},
    {"cold start with /NoClose: host left running", "cold", "/NoClose", nullptr, nullptr, true, 37000,
     HostAfter::Running},
    {"cold start with the host's own path and /NoClose", "cold",
     "\"C:\\Program Files\\Ahead\\Nero\\nero.exe\" /NoClose", nullptr, nullptr, true, 37000, HostAfter::Running},
    {"host not installed", "not-installed", "", nullptr, "M1", false, 0, HostAfter::NeverStarted},
    {"lower-case switch is taken as the host command", "cold", "/noclose", nullptr, "M1", false, 0,
     HostAfter::NeverStarted},
    {"main window never appears", "no-window", "", nullptr, "M2", false, 12500, HostAfter::Running},
    {"main window appears after the 21st look-up", "late-window", "", nullptr, "M2", false, 12500,
     HostAfter::Running},
    {"main window title only begins with the expected one", "wrong-title", "", nullptr, "M2", false, 12500,
     HostAfter::Running},
    {"main window title without its trailing space", "title-without-space", "", nullptr, "M2", false, 12500,
     HostAfter::Running},
    {"main window vanishes right after it was found", "window-vanishes", "", nullptr, "M3", false, 3500,
     HostAfter::Vanished},
    {"no Afx window: the run goes on", "no-afx", "", nullptr, nullptr, true, 37500, HostAfter::ExitedViaMenu},
    {"menu bar comes late", "late-menu", "", nullptr, nullptr, true, 39000, HostAfter::ExitedViaMenu},
    {"menu bar never comes", "no-menu", "", nullptr, "M3", false, 8500, HostAfter::Running},
    {"erase menu has only six items", "short-menu", "", nullptr, "M3", false, 3500, HostAfter::Running},
    {"erase item opens a submenu", "submenu-item", "", nullptr, "M3", false, 3500, HostAfter::Running},
    {"erase command not queued", "cold", "", Fault(Op::SendNotifyMessageA, 2, FaultKind::Refuse), "M3", false, 3500,
     HostAfter::Running},
    {"no erase dialog opens", "no-dialog", "", nullptr, "M4", false, 15000, HostAfter::Running},
    {"host of the other edition", "other-edition", "", nullptr, "M4", false, 15000, HostAfter::Running},
    {"erase dialog without its button", "no-button", "", nullptr, "M4", false, 15000, HostAfter::Running},
    {"dialog replaced by one with the button", "dialog-replaced", "", nullptr, nullptr, true, 38500,
     HostAfter::ExitedViaMenu},
    {"dialog closes between finding the button and the click", "dialog-vanishes", "", nullptr, "M5", false, 6000,
     HostAfter::Running},
    {"click not queued", "cold", "", Fault(Op::SendNotifyMessageA, 3, FaultKind::Refuse), "M5", false, 6000,
     HostAfter::Running},
    {"fault while looking for the dialog", "cold", "", Fault(Op::FindWindowExA, 2, FaultKind::Raise), "M6", false,
     5000, HostAfter::Running},
    {"erase over before the watch starts", "quick-erase", "", nullptr, nullptr, true, 37500,
     HostAfter::ExitedViaMenu},
    {"erase takes 100 s", "slow-erase", "", nullptr, nullptr, true, 107500, HostAfter::ExitedViaMenu},
    {"erase never ends", "endless-erase", "", nullptr, "M7", false, 126000, HostAfter::Running},
    {"host vanishes while erasing: seen at the first poll", "crash", "", nullptr, "M8", false, 37000,
     HostAfter::Vanished},
    {"first menu is empty", "no-exit-item", "", nullptr, "M9", false, 37500, HostAfter::Running},
    {"last item of the first menu is a submenu", "exit-submenu", "", nullptr, "M9", false, 37500,
     HostAfter::Running},
    {"menu bar replaced after the erase", "menu-replaced", "", nullptr, "M9", false, 37500, HostAfter::Running},
    {"menu bar replaced, but /NoClose", "menu-replaced", "/NoClose", nullptr, nullptr, true, 37000,
     HostAfter::Running},
    {"exit command not queued", "cold", "", Fault(Op::SendNotifyMessageA, 4, FaultKind::Refuse), "M9", false, 37500,
     HostAfter::Running},
    {"fault while reading the first menu", "cold", "", Fault(Op::GetMenuItemCount, 1, FaultKind::Raise), "M10",
     false, 37500, HostAfter::Running},
    {"fault escaping an unguarded step ends the run quietly", "cold", "", Fault(Op::GetMenu, 1, FaultKind::Raise),
     nullptr, false, 3000, HostAfter::Running},
    {"a box that cannot be shown still ends the run", "not-installed", "",
     Fault(Op::MessageBoxA, 0, FaultKind::Refuse), nullptr, false, 0, HostAfter::NeverStarted},
};

void PrintTo(const OutcomeCase& c, std::ostream* out) { *out << c.What; }

class RunOutcome : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(RunOutcome, EndsAsExpected)
{
    const OutcomeCase& c = GetParam();
    RunWholeProgram(Scenario(c.Host), c.Arguments, c.Faults);

    ASSERT_FALSE(sim::Calls().empty());
    EXPECT_EQ(sim::Calls().back().Operation, Op::ExitProcess);
    EXPECT_EQ(sim::Calls().back().Time, c.EndsAt) << "when the run ended";
    EXPECT_EQ(sim::ExitCode(), std::optional<UINT>(0));
    if (c.Message != nullptr) {
        ASSERT_EQ(sim::MessageBoxes().size(), 1u);
        const ExpectedText& expected = Expected(c.Message);
        const std::string wanted = expected.Text + (std::string(c.Message) == "M1" ? "2" : "");
        EXPECT_EQ(HexBytes(sim::MessageBoxes()[0].Text), HexBytes(wanted));
        EXPECT_EQ(sim::MessageBoxes()[0].Style, expected.Icon);
        EXPECT_TRUE(EndedRightAfter(Op::MessageBoxA));
    } else {
        EXPECT_TRUE(sim::MessageBoxes().empty());
    }
    EXPECT_EQ(sim::Beeps().size(), c.Beep ? 1u : 0u);
    if (c.Beep) {
        EXPECT_TRUE(EndedRightAfter(Op::MessageBeep));
    }

    const sim::HostRecord& host = sim::ScriptedHost();
    switch (c.After) {
    case HostAfter::NeverStarted: EXPECT_EQ(host.Starts, 0); break;
    case HostAfter::Running: EXPECT_TRUE(host.Running); break;
    case HostAfter::ExitedViaMenu: EXPECT_TRUE(host.ExitedViaMenu && !host.Running); break;
    case HostAfter::Vanished: EXPECT_FALSE(host.Running || host.ExitedViaMenu); break;
    }
    if (c.Beep) {
        EXPECT_TRUE(host.EraseFinished);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RunOutcome, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<OutcomeCase>& info) { return TestName(info.param.What); });

// Every desktop call of a run, in order, with its time, arguments and result;
// handles are shown as "h" (their values are the desktop's own business).
std::vector<std::string> Transcript()
{
    static const std::regex handle("0x[0-9a-f]+");
    std::vector<std::string> lines;
    for (const sim::Call& call : sim::Calls()) {
        std::string line = std::to_string(call.Time) + " " + sim::OpName(call.Operation) + "(" + call.Arguments + ")";
        if (!call.Result.empty()) line += " -> " + call.Result;
        lines.push_back(std::regex_replace(line, handle, "h"));
    }
    return lines;
}

// The byte texts of the linked edition, as the calls show them.
std::string DialogLookUp()
{
    return std::string("FindWindowExA(null, null, \"#32770\", \"") + host::EraseDialogTitle(LinkedEdition()) + "\")";
}
std::string ButtonLookUp()
{
    return std::string("FindWindowExA(h, null, \"Button\", \"") + host::EraseButtonCaption(LinkedEdition()) + "\")";
}

std::string At(Millis time, const std::string& call) { return std::to_string(time) + " " + call; }

const std::string MainWindowLookUp = "FindWindowA(\"NERO_BURNING_ROM Class\", \"Nero - Burning Rom - \")";

// From the moment the host's main window is known to the first poll that sees
// the erase over: the same calls at the same distances, whoever started the host.
std::vector<std::string> FromHostWindowToEraseEnd(Millis known)
{
    return {
        At(known, "FindWindowExA(null, null, \"Afx:400000:0:10011:0:0\", null) -> h"),
        At(known, "SendNotifyMessageA(h, WM_CLOSE, 0, 0) -> 1"),
        At(known, "SetForegroundWindow(h) -> 1"),
        At(known, "GetMenu(h) -> h"),
        At(known, "GetSubMenu(h, 3) -> h"),
        At(known, "Sleep(500)"),
        At(known + 500, "GetMenuItemID(h, 6) -> 32837"),
        At(known + 500, "SendNotifyMessageA(h, WM_COMMAND, 32837, 0) -> 1"),
        At(known + 500, "Sleep(1000)"),
        At(known + 1500, "Sleep(500)"),
        At(known + 2000, DialogLookUp() + " -> null"),  // the dialog opens 1.5 s after the command
        At(known + 2000, "Sleep(500)"),
        At(known + 2500, DialogLookUp() + " -> h"),
        At(known + 2500, ButtonLookUp() + " -> h"),
        At(known + 2500, "Sleep(500)"),
        At(known + 3000, "SendNotifyMessageA(h, BM_CLICK, 0, 0) -> 1"),
        At(known + 3000, "Sleep(30000)"),
        At(known + 33000, "Sleep(1000)"),
        At(known + 34000, "IsWindow(h) -> 1"),
        At(known + 34000, "IsWindowEnabled(h) -> 1"),
    };
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> lines;
    for (const auto& part : parts) lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

TEST(RunTranscript, ColdStartCallByCall)
{
    RunWholeProgram(Scenario("cold"));
    const std::string program = std::string("veskara_") + (LinkedEdition() == host::Edition::West ? "west" : "east");
    const std::vector<std::string> wanted = Joined({
        {
            At(0, MainWindowLookUp + " -> null"),
            At(0, "GetCommandLineA() -> \"\"C:\\Tools\\" + program + ".exe\"\""),
            At(0, "ShellExecuteA(null, \"open\", \"\"C:\\Program Files\\Ahead\\Nero\\nero.exe\"\", null, null, 1) -> 42"),
            At(0, "Sleep(2000)"),
            At(2000, "Sleep(500)"),
            At(2500, MainWindowLookUp + " -> null"),  // the main window comes 3 s after the start
            At(2500, "Sleep(500)"),
            At(3000, MainWindowLookUp + " -> h"),
        },
        FromHostWindowToEraseEnd(3000),
        {
            At(37000, "Sleep(500)"),
            At(37500, "GetSubMenu(h, 0) -> h"),
            At(37500, "GetMenuItemCount(h) -> 6"),
            At(37500, "GetMenuItemID(h, 5) -> 57665"),
            At(37500, "SendNotifyMessageA(h, WM_COMMAND, 57665, 0) -> 1"),
            At(37500, "MessageBeep(0) -> 1"),
            At(37500, "ExitProcess(0) -> process ended"),
        },
    });
    EXPECT_EQ(Transcript(), wanted);
}

TEST(RunTranscript, RunningHostIsUsedAsItIsAndLeftRunning)
{
    RunWholeProgram(Scenario("running"), "C:\\missing.exe");
    const std::vector<std::string> wanted = Joined({
        {At(0, MainWindowLookUp + " -> h")},
        FromHostWindowToEraseEnd(0),
        {At(34000, "MessageBeep(0) -> 1"), At(34000, "ExitProcess(0) -> process ended")},
    });
    EXPECT_EQ(Transcript(), wanted);
    EXPECT_EQ(sim::ScriptedHost().Starts, 0);
    EXPECT_EQ(sim::ScriptedHost().Received,
              (std::vector<std::string>{"WM_CLOSE Afx", "WM_COMMAND erase", "BM_CLICK"}));
}

TEST(RunTranscript, FailedMenuSendsNothingToTheHostButTheAfxClose)
{
    RunWholeProgram(Scenario("short-menu"));
    EXPECT_EQ(sim::ScriptedHost().Received, (std::vector<std::string>{"WM_CLOSE Afx"}));
}

}  // namespace
