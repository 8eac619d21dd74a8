// Every way a whole run can end: what the user gets, what the host is left
// doing, and that nothing runs after the step that failed.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "run_fixture.h"

namespace {

using sim::FaultKind;
using sim::HostScript;
using sim::Op;

enum class HostAfter { NeverStarted, Running, ExitedViaMenu, Vanished };

struct OutcomeCase {
    const char* What;
    std::function<void(HostScript&)> Script;
    std::string Arguments;
    std::function<void()> Faults;
    const char* Message;  // catalogue id, or nullptr for none
    bool Beep;
    HostAfter Host;
};

void Nothing(HostScript&) {}

std::function<void()> Fault(Op op, int call, FaultKind kind)
{
    return [=] { sim::InjectFault(op, call, kind); };
}

const OutcomeCase Cases[] = {
    {"host already running: erased, left running", [](HostScript& s) { s.AlreadyRunning = true; }, "", nullptr,
     nullptr, true, HostAfter::Running},
    {"host already running: a path and /NoClose change nothing", [](HostScript& s) { s.AlreadyRunning = true; },
     "C:\\missing.exe /NoClose", nullptr, nullptr, true, HostAfter::Running},
    {"cold start: erased, host exits through its menu", Nothing, "", nullptr, nullptr, true, HostAfter::ExitedViaMenu},
    {"cold start with /NoClose: host left running", Nothing, "/NoClose", nullptr, nullptr, true, HostAfter::Running},
    {"cold start with the host's own path and /NoClose",
     Nothing, "\"C:\\Program Files\\Ahead\\Nero\\nero.exe\" /NoClose", nullptr, nullptr, true, HostAfter::Running},
    {"host not installed", [](HostScript& s) { s.Installed = false; }, "", nullptr, "M1", false,
     HostAfter::NeverStarted},
    {"lower-case switch is taken as the host command", Nothing, "/noclose", nullptr, "M1", false,
     HostAfter::NeverStarted},
    {"main window never appears", [](HostScript& s) { s.MainWindowDelay = -1; }, "", nullptr, "M2", false,
     HostAfter::Running},
    {"main window title only begins with the expected one",
     [](HostScript& s) { s.MainWindowTitle = "Nero - Burning Rom - Untitled"; }, "", nullptr, "M2", false,
     HostAfter::Running},
    {"main window title without its trailing space", [](HostScript& s) { s.MainWindowTitle = "Nero - Burning Rom -"; },
     "", nullptr, "M2", false, HostAfter::Running},
    {"main window vanishes right after it was found", [](HostScript& s) { s.MainWindowVanishesAfter = 100; }, "",
     nullptr, "M3", false, HostAfter::Vanished},
    {"no Afx window: the run goes on", [](HostScript& s) { s.AfxWindow = false; }, "", nullptr, nullptr, true,
     HostAfter::ExitedViaMenu},
    {"menu bar comes late", [](HostScript& s) { s.MenuBarDelay = 1200; }, "", nullptr, nullptr, true,
     HostAfter::ExitedViaMenu},
    {"menu bar never comes", [](HostScript& s) { s.MenuBarDelay = 600000; }, "", nullptr, "M3", false,
     HostAfter::Running},
    {"erase menu has only six items", [](HostScript& s) { s.EraseMenuItems = 6; }, "", nullptr, "M3", false,
     HostAfter::Running},
    {"erase item opens a submenu", [](HostScript& s) { s.EraseItemIsSubmenu = true; }, "", nullptr, "M3", false,
     HostAfter::Running},
    {"erase command not queued", Nothing, "", Fault(Op::SendNotifyMessageA, 2, FaultKind::Refuse), "M3", false,
     HostAfter::Running},
    {"no erase dialog opens", [](HostScript& s) { s.OpensEraseDialog = false; }, "", nullptr, "M4", false,
     HostAfter::Running},
    {"host of the other edition",
     [](HostScript& s) { s.Language = s.Language == sim::Edition::West ? sim::Edition::East : sim::Edition::West; },
     "", nullptr, "M4", false, HostAfter::Running},
    {"erase dialog without its button", [](HostScript& s) { s.DialogHasButton = false; }, "", nullptr, "M4", false,
     HostAfter::Running},
    {"dialog closes between finding the button and the click", [](HostScript& s) { s.DialogClosesAfter = 600; }, "",
     nullptr, "M5", false, HostAfter::Running},
    {"click not queued", Nothing, "", Fault(Op::SendNotifyMessageA, 3, FaultKind::Refuse), "M5", false,
     HostAfter::Running},
    {"fault while looking for the dialog", Nothing, "", Fault(Op::FindWindowExA, 2, FaultKind::Raise), "M6", false,
     HostAfter::Running},
    {"erase over before the watch starts", [](HostScript& s) { s.EraseDuration = 5000; }, "", nullptr, nullptr, true,
     HostAfter::ExitedViaMenu},
    {"erase takes 100 s", [](HostScript& s) { s.EraseDuration = 100000; }, "", nullptr, nullptr, true,
     HostAfter::ExitedViaMenu},
    {"erase never ends", [](HostScript& s) { s.EraseDuration = -1; }, "", nullptr, "M7", false, HostAfter::Running},
    {"host vanishes while erasing", [](HostScript& s) { s.CrashesDuringErase = true; }, "", nullptr, "M8", false,
     HostAfter::Vanished},
    {"first menu is empty", [](HostScript& s) { s.ExitMenuItems = 0; }, "", nullptr, "M9", false, HostAfter::Running},
    {"last item of the first menu is a submenu", [](HostScript& s) { s.ExitItemIsSubmenu = true; }, "", nullptr, "M9",
     false, HostAfter::Running},
    {"menu bar replaced after the erase", [](HostScript& s) { s.ChangesMenuBarAfterErase = true; }, "", nullptr, "M9",
     false, HostAfter::Running},
    {"menu bar replaced, but /NoClose", [](HostScript& s) { s.ChangesMenuBarAfterErase = true; }, "/NoClose", nullptr,
     nullptr, true, HostAfter::Running},
    {"exit command not queued", Nothing, "", Fault(Op::SendNotifyMessageA, 4, FaultKind::Refuse), "M9", false,
     HostAfter::Running},
    {"fault while reading the first menu", Nothing, "", Fault(Op::GetMenuItemCount, 1, FaultKind::Raise), "M10",
     false, HostAfter::Running},
    {"fault escaping an unguarded step ends the run quietly", Nothing, "", Fault(Op::GetMenu, 1, FaultKind::Raise),
     nullptr, false, HostAfter::Running},
    {"a box that cannot be shown still ends the run", [](HostScript& s) { s.Installed = false; }, "",
     Fault(Op::MessageBoxA, 0, FaultKind::Refuse), nullptr, false, HostAfter::NeverStarted},
};

void PrintTo(const OutcomeCase& c, std::ostream* out) { *out << c.What; }

class RunOutcome : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(RunOutcome, EndsAsExpected)
{
    const OutcomeCase& c = GetParam();
    HostScript script = ScriptForLinkedEdition();
    c.Script(script);
    RunWholeProgram(script, c.Arguments, c.Faults);
    SCOPED_TRACE(c.What);

    EXPECT_EQ(sim::ExitCode(), std::optional<UINT>(0));
    const bool boxWasRefused = c.Message == nullptr && sim::WasCalled(Op::MessageBoxA);
    if (c.Message != nullptr) {
        ASSERT_EQ(sim::MessageBoxes().size(), 1u);
        const ExpectedText& expected = Expected(c.Message);
        const std::string wanted = expected.Text + (std::string(c.Message) == "M1" ? "2" : "");
        EXPECT_EQ(Hex(sim::MessageBoxes()[0].Text), Hex(wanted));
        EXPECT_EQ(sim::MessageBoxes()[0].Style, expected.Icon);
        EXPECT_TRUE(EndedRightAfter(Op::MessageBoxA));
    } else if (!boxWasRefused) {
        EXPECT_TRUE(sim::MessageBoxes().empty());
    }
    EXPECT_EQ(sim::Beeps().size(), c.Beep ? 1u : 0u);
    if (c.Beep) {
        EXPECT_TRUE(EndedRightAfter(Op::MessageBeep));
    }

    const sim::HostRecord& host = sim::ScriptedHost();
    switch (c.Host) {
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
                         [](const ::testing::TestParamInfo<OutcomeCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(RunOutcomeDetail, RunningHostIsNeitherStartedNorClosedAndCommandLineIsNotRead)
{
    HostScript script = ScriptForLinkedEdition();
    script.AlreadyRunning = true;
    RunWholeProgram(script, "C:\\missing.exe");
    EXPECT_FALSE(sim::WasCalled(Op::GetCommandLineA));
    EXPECT_FALSE(sim::WasCalled(Op::ShellExecuteA));
    EXPECT_EQ(sim::ScriptedHost().Starts, 0);
    EXPECT_TRUE(sim::ScriptedHost().AfxClosed);
    EXPECT_EQ(sim::ScriptedHost().Received,
              (std::vector<std::string>{"WM_CLOSE Afx", "WM_COMMAND erase", "BM_CLICK"}));
}

TEST(RunOutcomeDetail, ColdStartSendsExactlyTheExpectedMessagesToTheHost)
{
    RunWholeProgram(ScriptForLinkedEdition());
    EXPECT_EQ(sim::ScriptedHost().Received,
              (std::vector<std::string>{"WM_CLOSE Afx", "WM_COMMAND erase", "BM_CLICK", "WM_COMMAND exit"}));
    EXPECT_EQ(sim::CallCount(Op::ShellExecuteA), 1);
    const sim::Call& shell = *std::find_if(sim::Calls().begin(), sim::Calls().end(),
                                           [](const sim::Call& call) { return call.Operation == Op::ShellExecuteA; });
    EXPECT_EQ(shell.Arguments, "null, \"open\", \"\"C:\\Program Files\\Ahead\\Nero\\nero.exe\"\", null, null, 1");
    EXPECT_EQ(sim::CallCount(Op::SetForegroundWindow), 1);
}

TEST(RunOutcomeDetail, FailedMenuSendsNothingToTheHost)
{
    HostScript script = ScriptForLinkedEdition();
    script.EraseMenuItems = 6;
    RunWholeProgram(script);
    EXPECT_EQ(sim::ScriptedHost().Received, (std::vector<std::string>{"WM_CLOSE Afx"}));
}

}  // namespace
