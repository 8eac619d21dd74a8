// The Nero that the tests play: one description for both test hosts, the
// scripted host of the simulated desktop and the stand-in host that runs
// under Wine. It is written here on its own, apart from the programs' host
// profile, so that a wrong constant in the programs makes the tests fail
// instead of agreeing with it.
#pragma once

#include <string>

namespace host {

// What every edition of the host shows.
constexpr char MainWindowClass[] = "NERO_BURNING_ROM Class";
constexpr char MainWindowTitle[] = "Nero - Burning Rom - ";  // 21 characters, the last a space
constexpr char AfxWindowClass[] = "Afx:400000:0:10011:0:0";
constexpr char AfxWindowTitle[] = "Nero";                    // a real Afx window has a title
constexpr char ProgramPath[] = "C:\\Program Files\\Ahead\\Nero\\nero.exe";
constexpr char EraseDialogClass[] = "#32770";
constexpr char ButtonClass[] = "Button";

// The menu bar: five menus; the erase command stands at item 6 of menu 3, the
// exit command is the last item of menu 0; every third other item is a
// separator.
constexpr int MenuCount = 5;
constexpr int EraseMenu = 3;
constexpr int EraseItem = 6;
constexpr int ExitMenu = 0;
constexpr unsigned EraseCommand = 0x8045;
constexpr unsigned ExitCommand = 0xE141;
// Any other item's command.
constexpr unsigned OtherCommand(int item) { return 0x8000 + 16 * static_cast<unsigned>(item); }
constexpr bool IsSeparator(int item) { return item % 3 == 2; }

enum class Edition { West, East };
// The erase dialog's title and its erase button's caption, UTF-8 in the
// source and code page 932 in the test programs, as in the host.
const char* EraseDialogTitle(Edition edition);
const char* EraseButtonCaption(Edition edition);
// "west" or "east", as the programs' edition names are spelt.
Edition EditionNamed(const char* name);
Edition OtherEdition(Edition edition);

constexpr long long Never = -1;

// How the host behaves. Both hosts take the same settings under the same
// names, written in a settings text as name=value words parted by ';' (the
// word for each field is beside it). The simulated host plays every one; the
// stand-in host plays those marked [stand-in] too.
struct HostSettings {
    Edition Language = Edition::West;          // edition=west|east [stand-in]
    bool AlreadyRunning = false;               // already-running: its windows exist before the run [stand-in]
    bool Installed = true;                     // installed=no: the shell does not find ProgramPath
    long long MainWindowDelay = 3000;          // main-window-delay=MS|never: start to main window [stand-in]
    std::string MainWindowTitleShown = MainWindowTitle;  // main-window-title=TEXT [stand-in]
    long long MainWindowVanishesAfter = Never; // main-window-vanishes-after=MS: from its appearance
    bool AfxWindow = true;                     // afx-window=no [stand-in]
    long long MenuBarDelay = 0;                // menu-bar-delay=MS: from the main window
    int EraseMenuItems = 9;                    // erase-menu-items=N
    bool EraseItemIsSubmenu = false;           // erase-item-is-submenu
    bool OpensEraseDialog = true;              // opens-erase-dialog=no [stand-in]
    long long DialogDelay = 1500;              // dialog-delay=MS: erase command to dialog
    bool DialogHasButton = true;               // dialog-has-button=no
    long long DialogReplacedAfter = Never;     // dialog-replaced-after=MS: a dialog without the erase
                                               //   button first, replaced by the full one
    long long DialogClosesAfter = Never;       // dialog-closes-after=MS: it goes away by itself
    long long EraseDuration = 25000;           // erase-duration=MS|never: click to end [stand-in]
    bool CrashesDuringErase = false;           // crashes-during-erase: all its windows vanish halfway [stand-in]
    int ExitMenuItems = 6;                     // exit-menu-items=N [stand-in]
    bool ExitItemIsSubmenu = false;            // exit-item-is-submenu
    bool ChangesMenuBarAfterErase = false;     // changes-menu-bar-after-erase
    long long QuitAfter = Never;               // quit-after=MS: exits by itself [stand-in only]
    std::string Report;                        // report=PATH: where it writes what it did [stand-in only]
};

// Applies a settings text; false (and a reason) for a word it does not know.
bool ApplySettings(const std::string& text, HostSettings& settings, std::string* problem = nullptr);

// The host's misbehaviours by name: the same names in the simulator, the
// tests, the end-to-end runs and the README.
struct Scenario {
    const char* Name;
    const char* Description;
    const char* Settings;  // a settings text; "other-edition" also swaps the edition
};
const Scenario* Scenarios();  // ends with a null Name
const Scenario* FindScenario(const std::string& name);
// The settings of a scenario, for a program of the given edition.
HostSettings ScenarioSettings(const Scenario& scenario, Edition programEdition);

}  // namespace host
