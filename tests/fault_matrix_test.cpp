// A fault raised at each desktop call of a whole run, one call at a time: the
// two guarded steps turn it into their message, the watch reports how it
// stood, and anywhere else the run ends quietly with status 0. Nothing runs
// after the message of the step that failed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_fixture.h"

namespace {

using sim::Op;

struct Phases {
    std::size_t PressBegin, PressEnd;  // PressEraseButton's calls
    std::size_t WatchBegin, WatchEnd;  // WaitForEraseEnd's calls
    std::size_t ExitBegin, ExitEnd;    // ExitHostViaMenu's calls
};

std::size_t IndexOf(const std::vector<sim::Call>& calls, Op op, const std::string& arguments, std::size_t from = 0)
{
    for (std::size_t i = from; i < calls.size(); ++i) {
        if (calls[i].Operation == op && (arguments.empty() || calls[i].Arguments == arguments)) return i;
    }
    return calls.size();
}

// Where each guarded step's calls stand in a run, told by the run's fixed pauses.
Phases PhasesOf(const std::vector<sim::Call>& calls)
{
    Phases p{};
    const std::size_t none = calls.size();
    p.PressBegin = IndexOf(calls, Op::Sleep, "1000") + 1;
    p.PressEnd = IndexOf(calls, Op::Sleep, "30000");
    if (p.PressEnd == none) p.PressEnd = none - 1;  // the step ended the run
    p.WatchBegin = p.PressEnd + 1;
    p.WatchEnd = p.WatchBegin;
    for (std::size_t i = p.WatchBegin; i < none; ++i) {
        if (calls[i].Operation == Op::IsWindowEnabled) p.WatchEnd = i + 1;
    }
    p.ExitBegin = p.WatchEnd + 1;  // after the pause before the exit command
    p.ExitEnd = IndexOf(calls, Op::MessageBeep, "", p.ExitBegin);
    if (p.ExitEnd == none) p.ExitBegin = p.ExitEnd = none;
    return p;
}

bool Within(std::size_t i, std::size_t begin, std::size_t end) { return i >= begin && i < end; }

void CheckEveryCall(const host::HostSettings& script)
{
    RunWholeProgram(script);
    const std::vector<sim::Call> baseline = sim::Calls();
    const Phases phases = PhasesOf(baseline);
    ASSERT_LT(phases.PressBegin, phases.PressEnd);

    std::vector<int> ordinal(sim::OpCount, 0);
    for (std::size_t k = 0; k + 1 < baseline.size(); ++k) {
        const Op op = baseline[k].Operation;
        const int call = ++ordinal[static_cast<int>(op)];
        RunWholeProgram(script, "", [&] { sim::InjectFault(op, call, sim::FaultKind::Raise); });
        SCOPED_TRACE("fault at call " + std::to_string(k) + ": " + sim::OpName(op) + " #" + std::to_string(call));

        const char* message = nullptr;
        if (Within(k, phases.PressBegin, phases.PressEnd)) message = "M6";
        if (Within(k, phases.WatchBegin, phases.WatchEnd)) message = "M7";
        if (Within(k, phases.ExitBegin, phases.ExitEnd)) message = "M10";

        EXPECT_EQ(sim::ExitCode(), std::optional<UINT>(0));
        EXPECT_TRUE(sim::Beeps().empty());
        const auto& calls = sim::Calls();
        ASSERT_GT(calls.size(), k);
        EXPECT_EQ(calls[k].Result, "fault raised");
        if (message == nullptr) {
            EXPECT_TRUE(sim::MessageBoxes().empty()) << "no runtime error box, no message";
            EXPECT_EQ(calls.size(), k + 2) << "only ExitProcess after the fault";
        } else {
            ASSERT_EQ(sim::MessageBoxes().size(), 1u);
            EXPECT_EQ(HexBytes(sim::MessageBoxes()[0].Text), HexBytes(Expected(message).Text));
            EXPECT_TRUE(EndedRightAfter(Op::MessageBoxA));
        }
    }
}

TEST(FaultMatrix, EveryCallOfAColdStartRun)
{
    CheckEveryCall(Scenario("cold"));
}

TEST(FaultMatrix, EveryCallOfARunWhoseDialogNeverOpens)
{
    host::HostSettings script = Scenario("no-dialog");
    script.MainWindowDelay = 2000;
    CheckEveryCall(script);
}

}  // namespace
