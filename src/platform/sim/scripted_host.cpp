#include "platform/sim/scripted_host.h"

namespace sim {
namespace {

constexpr char MainClass[] = "NERO_BURNING_ROM Class";
constexpr char AfxClass[] = "Afx:400000:0:10011:0:0";
constexpr int MenuCount = 5;
constexpr int EraseMenu = 3;
constexpr int EraseItem = 6;

struct Host {
    HostScript Script;
    HostRecord Record;
    HWND Afx = nullptr;
    HWND Dialog = nullptr;
    HMENU MenuBar = nullptr;
};

Host& H()
{
    static Host host;
    return host;
}

void Receive(const std::string& what)
{
    H().Record.Received.push_back(what);
    Note("host received " + what);
}

// A menu of the given length whose items are commands with a separator every
// third place, and whose item at special is the given command or a submenu.
HMENU MakeMenu(int items, int special, UINT command, bool specialIsSubmenu)
{
    HMENU menu = CreateMenu();
    for (int i = 0; i < items; ++i) {
        if (i == special) {
            if (specialIsSubmenu) {
                HMENU submenu = CreateMenu();
                AppendCommand(submenu, command);
                AppendSubmenu(menu, submenu);
            } else {
                AppendCommand(menu, command);
            }
        } else if (i % 3 == 2) {
            AppendSeparator(menu);
        } else {
            AppendCommand(menu, 0x8000 + static_cast<UINT>(16 * i));
        }
    }
    return menu;
}

HMENU MakeMenuBar()
{
    const HostScript& s = H().Script;
    HMENU bar = CreateMenu();
    for (int m = 0; m < MenuCount; ++m) {
        if (m == 0) {
            AppendSubmenu(bar, MakeMenu(s.ExitMenuItems, s.ExitMenuItems - 1, HostExitCommand, s.ExitItemIsSubmenu));
        } else if (m == EraseMenu) {
            AppendSubmenu(bar, MakeMenu(s.EraseMenuItems, EraseItem, HostEraseCommand, s.EraseItemIsSubmenu));
        } else {
            AppendSubmenu(bar, MakeMenu(4, -1, 0, false));
        }
    }
    return bar;
}

void Quit(const char* why)
{
    Host& h = H();
    Note(std::string("host exits: ") + why);
    DestroyWindow(h.Dialog);
    DestroyWindow(h.Afx);
    DestroyWindow(h.Record.MainWindow);
    h.Record.Running = false;
}

void FinishErase()
{
    if (!H().Record.Running) return;
    H().Record.EraseFinished = true;
    EnableWindow(H().Record.MainWindow, true);
    Note("host finished erasing and enabled its main window");
    if (H().Script.ChangesMenuBarAfterErase) {
        HMENU old = H().MenuBar;
        H().MenuBar = MakeMenuBar();
        SetMenu(H().Record.MainWindow, H().MenuBar);
        DestroyMenu(old);
        Note("host replaced its menu bar");
    }
}

void StartErase()
{
    Host& h = H();
    h.Record.EraseStarted = true;
    DestroyWindow(h.Dialog);
    h.Dialog = nullptr;
    // The main window stays disabled, as it was while the modal dialog was open.
    Note("host is erasing");
    if (h.Script.CrashesDuringErase) {
        After(h.Script.EraseDuration > 0 ? h.Script.EraseDuration / 2 : 5000, [] { Quit("crashed while erasing"); });
    } else if (h.Script.EraseDuration >= 0) {
        After(h.Script.EraseDuration, FinishErase);
    }
}

void OnDialogMessage(HWND, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE) {
        Receive("WM_CLOSE erase dialog");
        DestroyWindow(H().Dialog);
        H().Dialog = nullptr;
        EnableWindow(H().Record.MainWindow, true);
    }
}

void OnButtonMessage(HWND, UINT message, WPARAM, LPARAM)
{
    if (message == BM_CLICK) {
        Receive("BM_CLICK");
        StartErase();
    }
}

void OpenEraseDialog()
{
    Host& h = H();
    if (!h.Record.Running || h.Dialog != nullptr) return;
    h.Dialog = CreateWindow("#32770", HostEraseDialogTitle(h.Script.Language), nullptr, HostThread, OnDialogMessage);
    CreateWindow("Button", "Cancel", h.Dialog);
    if (h.Script.DialogHasButton) {
        CreateWindow("Button", HostEraseButtonCaption(h.Script.Language), h.Dialog, HostThread, OnButtonMessage);
    }
    // A modal dialog disables its owner.
    EnableWindow(h.Record.MainWindow, false);
    Note("host opened its erase dialog");
    if (h.Script.DialogClosesAfter >= 0) {
        HWND dialog = h.Dialog;
        After(h.Script.DialogClosesAfter, [dialog] {
            if (H().Dialog != dialog) return;
            DestroyWindow(dialog);
            H().Dialog = nullptr;
            EnableWindow(H().Record.MainWindow, true);
            Note("host closed its erase dialog by itself");
        });
    }
}

void OnMainMessage(HWND, UINT message, WPARAM wParam, LPARAM)
{
    Host& h = H();
    if (message != WM_COMMAND) {
        Receive("message " + std::to_string(message) + " to the main window");
        return;
    }
    if (wParam == HostEraseCommand) {
        Receive("WM_COMMAND erase");
        if (h.Script.OpensEraseDialog) After(h.Script.DialogDelay, OpenEraseDialog);
    } else if (wParam == HostExitCommand) {
        Receive("WM_COMMAND exit");
        h.Record.ExitedViaMenu = true;
        Quit("exit command");
    } else {
        Receive("WM_COMMAND " + std::to_string(wParam));
    }
}

void OnAfxMessage(HWND, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE) {
        Receive("WM_CLOSE Afx");
        H().Record.AfxClosed = true;
        DestroyWindow(H().Afx);
        H().Afx = nullptr;
    }
}

void ShowMainWindow()
{
    Host& h = H();
    if (!h.Record.Running || h.Record.MainWindow != nullptr) return;
    h.Record.MainWindow = CreateWindow(MainClass, h.Script.MainWindowTitle, nullptr, HostThread, OnMainMessage);
    Note("host showed its main window");
    auto attachMenuBar = [] {
        if (!H().Record.Running) return;
        H().MenuBar = MakeMenuBar();
        SetMenu(H().Record.MainWindow, H().MenuBar);
        Note("host attached its menu bar");
    };
    if (h.Script.MenuBarDelay > 0) {
        After(h.Script.MenuBarDelay, attachMenuBar);
    } else {
        attachMenuBar();
    }
    if (h.Script.MainWindowVanishesAfter >= 0) {
        After(h.Script.MainWindowVanishesAfter, [] { Quit("its main window vanished"); });
    }
}

void Start()
{
    Host& h = H();
    ++h.Record.Starts;
    if (h.Record.Running) return;
    h.Record.Running = true;
    Note("host started");
    if (h.Script.AfxWindow) h.Afx = CreateWindow(AfxClass, "", nullptr, HostThread, OnAfxMessage);
    if (h.Script.MainWindowDelay == 0) {
        ShowMainWindow();
    } else if (h.Script.MainWindowDelay > 0) {
        After(h.Script.MainWindowDelay, ShowMainWindow);
    }
}

}  // namespace

const char* HostEraseDialogTitle(Edition edition) { return edition == Edition::West ? "Erase CD-RW" : "CD-RWの消去"; }

const char* HostEraseButtonCaption(Edition edition) { return edition == Edition::West ? "Erase" : "消去"; }

void InstallScriptedHost(const HostScript& script)
{
    H() = Host{};
    H().Script = script;
    if (script.Installed) InstallProgram(HostProgramPath, Start);
    if (script.AlreadyRunning) {
        H().Script.MainWindowDelay = 0;
        Start();
        H().Record.Starts = 0;  // started by the user, not by the run
    }
}

const HostRecord& ScriptedHost() { return H().Record; }

}  // namespace sim
