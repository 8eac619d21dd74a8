// A host application for the simulated desktop. It behaves as the erase run
// expects of the real host (main window, Afx window, menu bar, erase dialog,
// main window disabled while erasing, exit command) and can be told to
// misbehave in each way a real host might.
#pragma once

#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"

namespace sim {

enum class Edition { West, East };

constexpr char HostProgramPath[] = "C:\\Program Files\\Ahead\\Nero\\nero.exe";
constexpr UINT HostEraseCommand = 0x8045;
constexpr UINT HostExitCommand = 0xE141;

struct HostScript {
    Edition Language = Edition::West;
    bool AlreadyRunning = false;           // its windows exist before the run starts
    bool Installed = true;                 // the shell finds it at HostProgramPath
    Millis MainWindowDelay = 3000;         // from start to main window; negative: never
    std::string MainWindowTitle = "Nero - Burning Rom - ";
    Millis MainWindowVanishesAfter = -1;   // from its appearance to its disappearance; negative: stays
    bool AfxWindow = true;
    Millis MenuBarDelay = 0;               // from main window to menu bar
    int EraseMenuItems = 9;                // items of menu 3; the erase command stands at 6
    bool EraseItemIsSubmenu = false;
    bool OpensEraseDialog = true;
    Millis DialogDelay = 1500;             // from the erase command to the dialog
    bool DialogHasButton = true;
    Millis DialogClosesAfter = -1;         // the dialog goes away by itself; negative: it stays
    Millis EraseDuration = 25000;          // from the click to the end; negative: never ends
    bool CrashesDuringErase = false;       // all its windows vanish halfway through the erase
    int ExitMenuItems = 6;                 // items of menu 0; the last is Exit
    bool ExitItemIsSubmenu = false;
    bool ChangesMenuBarAfterErase = false; // a new menu bar replaces the one the run read
};

struct HostRecord {
    int Starts = 0;
    bool Running = false;
    bool EraseStarted = false;
    bool EraseFinished = false;
    bool ExitedViaMenu = false;
    bool AfxClosed = false;
    HWND MainWindow = nullptr;
    std::vector<std::string> Received;  // "WM_CLOSE Afx", "WM_COMMAND erase", ...
};

// Puts the host on the desktop (after sim::Reset): installed for the shell, and
// running already when the script says so.
void InstallScriptedHost(const HostScript& script);
const HostRecord& ScriptedHost();

// The dialog title and button caption the host shows in its edition.
const char* HostEraseDialogTitle(Edition edition);
const char* HostEraseButtonCaption(Edition edition);

}  // namespace sim
