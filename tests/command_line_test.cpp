// How the command line chooses the host command and the /NoClose switch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "profile/host_profile.h"
#include "run/erase_run.h"
#include "run_fixture.h"

namespace {

const std::string Default = "\"C:\\Program Files\\Ahead\\Nero\\nero.exe\"";

struct CommandLineCase {
    const char* What;
    std::string Line;          // the whole command line, program name first
    std::string HostCommand;   // what the shell is asked to open
    bool CloseHostAfterErase;
};

std::string Repeated(char c, std::size_t n) { return std::string(n, c); }

const CommandLineCase Cases[] = {
    {"no arguments", "veskara.exe", Default, true},
    {"only separators after the name", "veskara.exe \t \x01\x1F ", Default, true},
    {"switch alone", "veskara.exe /NoClose", Default, false},
    {"path alone", "veskara.exe C:\\Nero\\nero.exe", "C:\\Nero\\nero.exe", true},
    {"path then switch", "veskara.exe C:\\n.exe /NoClose", "C:\\n.exe", false},
    {"switch then path", "veskara.exe /NoClose C:\\n.exe", "C:\\n.exe", false},
    {"switch in lower case alone is a path", "veskara.exe /noclose", "/noclose", true},
    {"switch in lower case after a path is ignored", "veskara.exe C:\\n.exe /noclose", "C:\\n.exe", true},
    {"unknown switch first beside a path", "veskara.exe /Quiet C:\\n.exe", "C:\\n.exe", true},
    {"switch with trailing text is not the switch", "veskara.exe C:\\n.exe /NoClose2", "C:\\n.exe", true},
    {"a longer word that begins with the switch, alone, is a path", "veskara.exe /NoCloseX", "/NoCloseX", true},
    {"a longer word that begins with the switch, before a path", "veskara.exe /NoCloseX C:\\n.exe", "C:\\n.exe",
     true},
    {"two paths: the second is opened", "veskara.exe C:\\a.exe C:\\b.exe", "C:\\b.exe", true},
    {"switch twice: the first becomes the host command", "veskara.exe /NoClose /NoClose", "/NoClose", false},
    {"arguments after the second are ignored", "veskara.exe C:\\a.exe /NoClose C:\\c.exe", "C:\\a.exe", false},
    {"quoted path with a space arrives whole, without quotes",
     "veskara.exe \"C:\\Program Files\\Nero\\nero.exe\" /NoClose", "C:\\Program Files\\Nero\\nero.exe", false},
    {"quoted program name with a space", "\"C:\\My Tools\\veskara.exe\" C:\\n.exe", "C:\\n.exe", true},
    {"quoted and unquoted stretches join", "veskara.exe a\"b c\"d", "ab cd", true},
    {"a switch split by a quote is still the switch", "veskara.exe C:\\n.exe /NoClo\"se", "C:\\n.exe", false},
    {"a quote left open runs to the end of the line", "veskara.exe \"C:\\x y\\n.exe /NoClose",
     "C:\\x y\\n.exe /NoClose", true},
    {"empty quote pairs before an argument are skipped", "veskara.exe \"\" \"\"/NoClose", Default, false},
    {"empty quote pairs alone are no argument", "veskara.exe \"\"  \"\"", Default, true},
    {"three quotes: a pair, then an empty quoted argument", "veskara.exe \"\"\"", "", true},
    {"a byte above 32 does not separate", "veskara.exe C:\\a\x7F" "b.exe", "C:\\a\x7F" "b.exe", true},
    {"code page 932 path whose trail byte is a backslash",
     "veskara.exe C:\\\x95\x5C\\\x83\x5C\\nero.exe /NoClose", "C:\\\x95\x5C\\\x83\x5C\\nero.exe", false},
    {"a 5000-byte path keeps its first 4096 bytes", "veskara.exe " + Repeated('p', 5000) + " /NoClose",
     Repeated('p', 4096), false},
    {"a 5000-byte argument before a path is read past", "veskara.exe /" + Repeated('x', 5000) + " C:\\n.exe",
     "C:\\n.exe", true},
    {"a 100000-byte quoted argument", "veskara.exe \"" + Repeated('q', 100000) + "\"", Repeated('q', 4096), true},
};

void PrintTo(const CommandLineCase& c, std::ostream* out) { *out << c.What; }

class CommandLineTable : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTable, ChoosesHostCommandAndSwitch)
{
    const CommandLineCase& c = GetParam();
    sim::Reset();
    sim::SetCommandLine(c.Line);
    ThisRun = RunState{nullptr, nullptr, true};
    const std::string hostCommand = ParseCommandLine().Text;
    EXPECT_EQ(hostCommand, c.HostCommand) << c.What;
    EXPECT_EQ(ThisRun.CloseHostAfterErase, c.CloseHostAfterErase) << c.What;
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineTable, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<CommandLineCase>& info) { return TestName(info.param.What); });

// The switch is compared byte for byte: a word that differs from it in any
// one byte, or is one byte shorter, is not the switch, wherever it stands.
TEST(CommandLine, SwitchMustMatchEveryByte)
{
    const std::string exact = "/NoClose";  // written out here, not taken from the program
    std::vector<std::string> nearMisses = {exact.substr(0, exact.size() - 1)};
    for (std::size_t i = 0; i < exact.size(); ++i) {
        std::string word = exact;
        word[i] = static_cast<char>(word[i] + 1);  // "0NoClose", "/OoClose", ... "/NoClosf"
        nearMisses.push_back(word);
    }
    for (const std::string& word : nearMisses) {
        for (const std::string& line : {"v.exe " + word, "v.exe " + word + " C:\\n.exe", "v.exe C:\\n.exe " + word}) {
            sim::Reset();
            sim::SetCommandLine(line);
            ThisRun = RunState{nullptr, nullptr, true};
            ParseCommandLine();
            EXPECT_TRUE(ThisRun.CloseHostAfterErase) << line;
        }
    }
}

TEST(CommandLine, DefaultHostCommandKeepsItsQuotes)
{
    EXPECT_EQ(std::string(Host.DefaultHostCommand), Default);
    EXPECT_EQ(std::string(Host.DefaultHostCommand).size(), 38u);
}

TEST(CommandLine, EveryByteFrom1To32Separates)
{
    for (int separator = 1; separator <= 32; ++separator) {
        const std::string s(1, static_cast<char>(separator));
        sim::Reset();
        sim::SetCommandLine("veskara.exe" + s + "C:\\a.exe" + s + s + "/NoClose" + s);
        ThisRun = RunState{nullptr, nullptr, true};
        EXPECT_EQ(std::string(ParseCommandLine().Text), "C:\\a.exe") << "separator " << separator;
        EXPECT_FALSE(ThisRun.CloseHostAfterErase) << "separator " << separator;
    }
}

TEST(CommandLine, SplittingCountsEveryArgument)
{
    const CommandLineArguments arguments = SplitCommandLine("v.exe a \"b c\" d e");
    EXPECT_EQ(arguments.Count, 4);
    EXPECT_STREQ(arguments.First.Text, "a");
    EXPECT_STREQ(arguments.Second.Text, "b c");
}

}  // namespace
