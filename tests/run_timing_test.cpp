// The run's pauses and tries, read off the virtual clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_fixture.h"

namespace {

using host::HostSettings;
using sim::Millis;
using sim::Op;

// Times of the calls of op whose arguments contain the given text.
std::vector<Millis> TimesOf(Op op, const std::string& containing = "")
{
    std::vector<Millis> times;
    for (const sim::Call& call : sim::Calls()) {
        if (call.Operation == op && call.Arguments.find(containing) != std::string::npos) times.push_back(call.Time);
    }
    return times;
}

std::vector<std::string> SleepsBefore(Op op)
{
    std::vector<std::string> sleeps;
    for (const sim::Call& call : sim::Calls()) {
        if (call.Operation == op) break;
        if (call.Operation == Op::Sleep) sleeps.push_back(call.Arguments);
    }
    return sleeps;
}

Millis ClickTime()
{
    const auto clicks = TimesOf(Op::SendNotifyMessageA, "BM_CLICK");
    return clicks.empty() ? -1 : clicks.front();
}

Millis BoxTime() { return sim::MessageBoxes().empty() ? -1 : sim::MessageBoxes().front().Time; }

TEST(RunTiming, ColdStartFromShellToBeep)
{
    RunWholeProgram(Scenario("cold"));  // main window 3 s after the start, erase 25 s
    // 2 s after the start, then look-ups every 500 ms: the window is found at the second.
    EXPECT_EQ(TimesOf(Op::FindWindowA), (std::vector<Millis>{0, 2500, 3000}));
    // One menu reading and its pause, 1 s, then the dialog (opened 1.5 s after the
    // command) is found on the second look-up and clicked 500 ms later.
    EXPECT_EQ(TimesOf(Op::FindWindowExA, "#32770"), (std::vector<Millis>{5000, 5500}));
    EXPECT_EQ(ClickTime(), 6000);
    // The erase was over before the 30 s pause ended: one poll, 31 s after the click.
    EXPECT_EQ(TimesOf(Op::IsWindowEnabled), (std::vector<Millis>{37000}));
    EXPECT_EQ(TimesOf(Op::SendNotifyMessageA, "WM_COMMAND").back(), 37500);
    ASSERT_EQ(sim::Beeps().size(), 1u);
    EXPECT_EQ(sim::Beeps()[0], 37500);
}

TEST(RunTiming, RunningHostIsUsedWithoutWaiting)
{
    RunWholeProgram(Scenario("running"));
    EXPECT_EQ(TimesOf(Op::FindWindowA), (std::vector<Millis>{0}));
    EXPECT_TRUE(SleepsBefore(Op::GetMenu).empty());
}

struct WindowDelayCase {
    Millis MainWindowDelay;  // after the shell started the host
    bool Found;
    int LookUps;             // including the first one, before the start
};

void PrintTo(const WindowDelayCase& c, std::ostream* out) { *out << "main window after " << c.MainWindowDelay << " ms"; }

class MainWindowWait : public ::testing::TestWithParam<WindowDelayCase> {};

TEST_P(MainWindowWait, LooksUpEvery500msAtMost21Times)
{
    HostSettings script = Scenario("cold");
    script.MainWindowDelay = GetParam().MainWindowDelay;
    RunWholeProgram(script);
    EXPECT_EQ(static_cast<int>(TimesOf(Op::FindWindowA).size()), GetParam().LookUps);
    const std::vector<std::string> pauses = SleepsBefore(Op::FindWindowExA);
    ASSERT_FALSE(pauses.empty());
    EXPECT_EQ(pauses.front(), "2000");
    for (std::size_t i = 1; i < pauses.size(); ++i) EXPECT_EQ(pauses[i], "500");
    if (GetParam().Found) {
        EXPECT_TRUE(sim::MessageBoxes().empty());
    } else {
        EXPECT_EQ(BoxTime(), 2000 + 21 * 500);
        EXPECT_EQ(sim::MessageBoxes()[0].Text, Expected("M2").Text);
    }
}

INSTANTIATE_TEST_SUITE_P(Delays, MainWindowWait,
                         ::testing::Values(WindowDelayCase{2000, true, 1 + 1},   // there at the first look-up
                                           WindowDelayCase{12500, true, 1 + 21},  // at the 21st
                                           WindowDelayCase{12501, false, 1 + 21},
                                           WindowDelayCase{host::Never, false, 1 + 21}),
                         [](const ::testing::TestParamInfo<WindowDelayCase>& info) {
                             const Millis delay = info.param.MainWindowDelay;
                             return delay == host::Never ? std::string("never") : "after_" + std::to_string(delay) + "ms";
                         });

TEST(RunTiming, MenuBarReadUpTo11TimesWithAPauseAfterEach)
{
    struct Case {
        Millis MenuBarDelay;
        int Readings;
        bool Found;
    };
    for (const Case c : {Case{0, 1, true}, Case{1500, 3, true}, Case{5500, 11, true}, Case{5501, 11, false}}) {
        HostSettings script = Scenario("cold");
        script.MainWindowDelay = 2000;  // found at the first look-up, at 2.5 s
        script.MenuBarDelay = c.MenuBarDelay;
        RunWholeProgram(script);
        SCOPED_TRACE("menu bar after " + std::to_string(c.MenuBarDelay) + " ms");
        const std::vector<Millis> readings = TimesOf(Op::GetMenu);
        ASSERT_EQ(static_cast<int>(readings.size()), c.Readings);
        for (int i = 0; i < c.Readings; ++i) EXPECT_EQ(readings[i], 2500 + 500 * i);
        if (c.Found) {
            EXPECT_EQ(TimesOf(Op::SendNotifyMessageA, "WM_COMMAND").front(), 2500 + 500 * c.Readings);
        } else {
            EXPECT_EQ(BoxTime(), 2500 + 11 * 500);
            EXPECT_EQ(sim::MessageBoxes()[0].Text, Expected("M3").Text);
        }
    }
}

TEST(RunTiming, ButtonSearchedEvery500msAtMost21TimesThenM4)
{
    RunWholeProgram(Scenario("no-dialog"));
    const Millis command = TimesOf(Op::SendNotifyMessageA, "WM_COMMAND").front();
    const std::vector<Millis> lookUps = TimesOf(Op::FindWindowExA, "#32770");
    ASSERT_EQ(lookUps.size(), 21u);
    for (std::size_t i = 0; i < lookUps.size(); ++i) EXPECT_EQ(lookUps[i], command + 1000 + 500 * (i + 1));
    // No dialog, so no button was looked for.
    EXPECT_TRUE(TimesOf(Op::FindWindowExA, "\"Button\"").empty());
    EXPECT_EQ(BoxTime(), command + 1000 + 21 * 500);
}

TEST(RunTiming, WatchPollsEverySecondAfter30sAndGivesUpAfter90Polls)
{
    RunWholeProgram(Scenario("endless-erase"));
    const Millis click = ClickTime();
    const std::vector<Millis> polls = TimesOf(Op::IsWindowEnabled);
    ASSERT_EQ(polls.size(), 90u);
    EXPECT_EQ(polls.front(), click + 31000);
    EXPECT_EQ(polls.back(), click + 120000);
    EXPECT_EQ(BoxTime(), click + 120000);
    EXPECT_EQ(sim::MessageBoxes()[0].Style, 0x40u);
}

TEST(RunTiming, WatchEndsAtTheFirstPollThatSeesTheWindowEnabled)
{
    RunWholeProgram(Scenario("slow-erase"));  // ends 100.001 s after the click
    const Millis click = ClickTime();
    EXPECT_EQ(TimesOf(Op::IsWindowEnabled).back(), click + 101000);
    ASSERT_EQ(sim::Beeps().size(), 1u);
    EXPECT_EQ(sim::Beeps()[0], click + 101500);
}

}  // namespace
