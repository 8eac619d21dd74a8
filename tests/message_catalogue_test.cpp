// The message texts byte for byte, their icons, and how a box is shown.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "messages/message_texts.h"
#include "messages/report_message.h"
#include "profile/host_profile.h"
#include "run/erase_run.h"
#include "run_fixture.h"

namespace {

struct CatalogueEntry {
    const char* Id;
    const char* Text;  // as the program holds it
};

const CatalogueEntry Entries[] = {
    {"M1", HostNotStartedText},        {"M2", MainWindowNotFoundText},   {"M3", EraseMenuNotSelectedText},
    {"M4", EraseButtonNotFoundText},   {"M5", EraseButtonNotPressedText}, {"M6", EraseNotStartedText},
    {"M7", EraseTimedOutText},         {"M8", HostLostText},             {"M9", ExitCommandFailedText},
    {"M10", HostNotExitedText},
};

TEST(MessageCatalogue, EveryTextHasItsBytesAndCount)
{
    for (const CatalogueEntry& entry : Entries) {
        const ExpectedText& expected = Expected(entry.Id);
        const std::string actual = entry.Text;
        EXPECT_EQ(actual.size(), expected.Bytes) << entry.Id << ": " << HexBytes(actual);
        EXPECT_EQ(HexBytes(actual), HexBytes(expected.Text)) << entry.Id;
    }
}

TEST(MessageCatalogue, HostLostKeepsItsIdeographicSpace)
{
    const std::string text = HostLostText;
    const std::size_t at = text.find("\x81\x40");
    ASSERT_NE(at, std::string::npos) << HexBytes(text);
    EXPECT_EQ(text.substr(at + 2), std::string("終了します。"));
}

TEST(MessageCatalogue, QuotedHostNamesMatchTheProfile)
{
    const std::string button = std::string("\"") + Host.EraseButtonCaption + "\" ";
    EXPECT_EQ(std::string(EraseButtonNotFoundText).rfind(button, 0), 0u);
    EXPECT_EQ(std::string(EraseButtonNotPressedText).rfind(button, 0), 0u);
    EXPECT_STREQ(Host.EraseButtonCaption, host::EraseButtonCaption(LinkedEdition()));
    EXPECT_STREQ(Host.EraseDialogTitle, host::EraseDialogTitle(LinkedEdition()));
}

TEST(ReportMessage, ShowsOneOwnerlessBoxWithCaptionAndIcon)
{
    struct Case {
        MessageKind Kind;
        UINT Style;
    };
    for (const Case c : {Case{MessageKind::Error, 0x10}, Case{MessageKind::Info, 0x40}}) {
        sim::Reset();
        ReportMessage("text", c.Kind);
        ASSERT_EQ(sim::MessageBoxes().size(), 1u);
        const sim::MessageBoxRecord& box = sim::MessageBoxes()[0];
        EXPECT_EQ(box.Owner, nullptr);
        EXPECT_EQ(box.Text, "text");
        EXPECT_EQ(box.Caption, "Veskara");
        EXPECT_EQ(box.Style, c.Style);
    }
}

struct ShellResultCase {
    int Result;
    const char* Shown;  // nullptr: the host started, no message
};

void PrintTo(const ShellResultCase& c, std::ostream* out) { *out << "shell result " << c.Result; }

class HostStartFailure : public ::testing::TestWithParam<ShellResultCase> {};

TEST_P(HostStartFailure, ShowsTheShellResultAsASignedDecimal)
{
    const ShellResultCase& c = GetParam();
    sim::Reset();
    sim::ForceShellResult(c.Result);
    ThisRun = RunState{nullptr, nullptr, true};
    const bool started = LaunchHost();
    if (c.Shown == nullptr) {
        EXPECT_TRUE(started);
        EXPECT_TRUE(sim::MessageBoxes().empty());
        EXPECT_EQ(sim::Now(), 2000);
        return;
    }
    EXPECT_FALSE(started);
    ASSERT_EQ(sim::MessageBoxes().size(), 1u);
    EXPECT_EQ(HexBytes(sim::MessageBoxes()[0].Text), HexBytes(Expected("M1").Text + c.Shown));
    EXPECT_EQ(sim::MessageBoxes()[0].Style, 0x10u);
    EXPECT_EQ(sim::Now(), 0) << "no pause after a failed start";
}

INSTANTIATE_TEST_SUITE_P(Results, HostStartFailure,
                         ::testing::Values(ShellResultCase{2, "2"}, ShellResultCase{0, "0"},
                                           ShellResultCase{32, "32"}, ShellResultCase{31, "31"},
                                           ShellResultCase{-5, "-5"}, ShellResultCase{INT_MIN, "-2147483648"},
                                           ShellResultCase{33, nullptr}, ShellResultCase{INT_MAX, nullptr}),
                         [](const ::testing::TestParamInfo<ShellResultCase>& info) {
                             const int result = info.param.Result;
                             return (result < 0 ? "minus_" : "") + std::to_string(result < 0 ? 0u - static_cast<unsigned>(result)
                                                                                             : static_cast<unsigned>(result));
                         });

}  // namespace
