#include "run_fixture.h"

#include <cstdio>
#include <map>

#include "profile/host_edition.h"
#include "run/erase_run.h"

host::Edition LinkedEdition() { return host::EditionNamed(EditionName); }

host::HostSettings Scenario(const char* name)
{
    const host::Scenario* scenario = host::FindScenario(name);
    if (scenario == nullptr) {
        ADD_FAILURE() << "no host scenario " << name;
        return host::HostSettings{};
    }
    return host::ScenarioSettings(*scenario, LinkedEdition());
}

void RunWholeProgram(const host::HostSettings& settings, const std::string& arguments,
                     const std::function<void()>& beforeRun)
{
    sim::Reset();
    sim::InstallScriptedHost(settings);
    const std::string program = std::string("\"C:\\Tools\\veskara_") + EditionName + ".exe\"";
    sim::SetCommandLine(arguments.empty() ? program : program + " " + arguments);
    if (beforeRun) beforeRun();
    try {
        RunProgram();
    } catch (const sim::ProcessExit&) {
    }
    sim::AdvanceClock(5000);
}

::testing::AssertionResult EndedRightAfter(sim::Op last)
{
    const auto& calls = sim::Calls();
    const std::size_t n = calls.size();
    if (n >= 2 && calls[n - 1].Operation == sim::Op::ExitProcess && calls[n - 2].Operation == last) {
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << "wanted the run to end with " << sim::OpName(last) << ", ExitProcess; it ended with";
    for (std::size_t i = n >= 3 ? n - 3 : 0; i < n; ++i) failure << " " << sim::OpName(calls[i].Operation);
    return failure;
}

std::string TestName(const std::string& description)
{
    std::string name;
    for (char c : description) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (plain) {
            name += c;
        } else if (!name.empty() && name.back() != '_') {
            name += '_';
        }
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    return name;
}

std::string HexBytes(const std::string& bytes)
{
    std::string shown;
    for (unsigned char byte : bytes) {
        char two[4];
        std::snprintf(two, sizeof two, "%02X ", byte);
        shown += two;
    }
    return shown;
}

namespace {
// Quotes are 0x22, CR LF 0x0D 0x0A, the ideographic space 0x81 0x40.
std::map<std::string, ExpectedText> Catalogue(bool west)
{
    const std::string command = west ? "\"Erase ReWritable...\"" : "\"メディアの消去...\"";
    const std::string button = west ? "\"Erase\"" : "\"消去\"";
    return {
        {"M1", {"M1", "Nero を起動できませんでした。\x0D\x0A" "エラーコード： ", 46, 0x10}},
        {"M2", {"M2", "メインウィンドウの取得に失敗しました。", 38, 0x10}},
        {"M3", {"M3", command + " メニューを選択できませんでした。", west ? 54u : 52u, 0x10}},
        {"M4", {"M4", button + " ボタンを見つけられませんでした。", west ? 40u : 39u, 0x10}},
        {"M5", {"M5", button + " ボタンを押せませんでした。", west ? 34u : 33u, 0x10}},
        {"M6", {"M6", "メディアの消去を開始できませんでした。", 38, 0x10}},
        {"M7", {"M7", "タイムアウト。\x0D\x0A" "手動で Nero を終了させて下さい。", 48, 0x40}},
        {"M8", {"M8", "Nero を見失いました。\x81\x40" "終了します。", 35, 0x40}},
        {"M9", {"M9", "メニューから \"終了\" を実行できませんでした。", 44, 0x10}},
        {"M10", {"M10", "Nero を終了させられませんでした。", 33, 0x10}},
    };
}
}  // namespace

const ExpectedText& Expected(const std::string& name)
{
    static const std::map<std::string, ExpectedText> catalogue = Catalogue(LinkedEdition() == host::Edition::West);
    return catalogue.at(name);
}
