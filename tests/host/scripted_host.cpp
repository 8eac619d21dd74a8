#include "scripted_host.h"

namespace sim {
namespace {

struct ScriptedHostState {
    host::HostSettings Settings;
    HostRecord Record;
    HWND Afx = nullptr;
    HWND Dialog = nullptr;
    HMENU MenuBar = nullptr;
};

ScriptedHostState& H()
{
    static ScriptedHostState state;
    return state;
}

void Receive(const std::string& what)
{
    H().Record.Received.push_back(what);
    Note("host received " + what);
}

// A menu of the given length whose item at special is the given command or a
// submenu holding it.
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
        } else if (host::IsSeparator(i)) {
            AppendSeparator(menu);
        } else {
            AppendCommand(menu, host::OtherCommand(i));
        }
    }
    return menu;
}

HMENU MakeMenuBar()
{
    const host::HostSettings& s = H().Settings;
    HMENU bar = CreateMenu();
    for (int m = 0; m < host::MenuCount; ++m) {
        if (m == host::ExitMenu) {
            AppendSubmenu(bar, MakeMenu(s.ExitMenuItems, s.ExitMenuItems - 1, host::ExitCommand, s.ExitItemIsSubmenu));
        } else if (m == host::EraseMenu) {
            AppendSubmenu(bar, MakeMenu(s.EraseMenuItems, host::EraseItem, host::EraseCommand, s.EraseItemIsSubmenu));
        } else {
            AppendSubmenu(bar, MakeMenu(4, -1, 0, false));
        }
    }
    return bar;
}

void Quit(const char* why)
{
    ScriptedHostState& h = H();
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
    if (H().Settings.ChangesMenuBarAfterErase) {
        HMENU old = H().MenuBar;
        H().MenuBar = MakeMenuBar();
        SetMenu(H().Record.MainWindow, H().MenuBar);
        DestroyMenu(old);
        Note("host replaced its menu bar");
    }
}

void StartErase()
{
    ScriptedHostState& h = H();
    h.Record.EraseStarted = true;
    DestroyWindow(h.Dialog);
    h.Dialog = nullptr;
    // The main window stays disabled, as it was while the modal dialog was open.
    Note("host is erasing");
    const long long duration = h.Settings.EraseDuration;
    if (h.Settings.CrashesDuringErase) {
        After(duration > 0 ? duration / 2 : 5000, [] { Quit("crashed while erasing"); });
    } else if (duration != host::Never) {
        After(duration, FinishErase);
    }
}

void OnButtonMessage(HWND, UINT message, WPARAM, LPARAM)
{
    if (message == BM_CLICK) {
        Receive("BM_CLICK");
        StartErase();
    }
}

void CloseDialog(const char* why)
{
    DestroyWindow(H().Dialog);
    H().Dialog = nullptr;
    EnableWindow(H().Record.MainWindow, true);
    Note(why);
}

// The erase dialog: a Cancel button, and the erase button unless told otherwise.
void ShowDialog(bool withEraseButton)
{
    ScriptedHostState& h = H();
    h.Dialog = CreateWindow(host::EraseDialogClass, host::EraseDialogTitle(h.Settings.Language), nullptr);
    CreateWindow(host::ButtonClass, "Cancel", h.Dialog);
    if (withEraseButton) {
        CreateWindow(host::ButtonClass, host::EraseButtonCaption(h.Settings.Language), h.Dialog, OnButtonMessage);
    }
}

void OpenEraseDialog()
{
    ScriptedHostState& h = H();
    if (!h.Record.Running || h.Dialog != nullptr) return;
    const bool replacedLater = h.Settings.DialogReplacedAfter != host::Never;
    ShowDialog(h.Settings.DialogHasButton && !replacedLater);
    // A modal dialog disables its owner.
    EnableWindow(h.Record.MainWindow, false);
    Note("host opened its erase dialog");
    if (replacedLater) {
        After(h.Settings.DialogReplacedAfter, [] {
            if (H().Dialog == nullptr) return;
            DestroyWindow(H().Dialog);
            ShowDialog(true);
            Note("host replaced its erase dialog by one with the erase button");
        });
    }
    if (h.Settings.DialogClosesAfter != host::Never) {
        HWND dialog = h.Dialog;
        After(h.Settings.DialogClosesAfter, [dialog] {
            if (H().Dialog == dialog) CloseDialog("host closed its erase dialog by itself");
        });
    }
}

void OnMainMessage(HWND, UINT message, WPARAM wParam, LPARAM)
{
    ScriptedHostState& h = H();
    if (message != WM_COMMAND) {
        Receive("message " + std::to_string(message) + " to the main window");
        return;
    }
    if (wParam == host::EraseCommand) {
        Receive("WM_COMMAND erase");
        if (h.Settings.OpensEraseDialog) After(h.Settings.DialogDelay, OpenEraseDialog);
    } else if (wParam == host::ExitCommand) {
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
    ScriptedHostState& h = H();
    if (!h.Record.Running || h.Record.MainWindow != nullptr) return;
    h.Record.MainWindow = CreateWindow(host::MainWindowClass, h.Settings.MainWindowTitleShown, nullptr, OnMainMessage);
    Note("host showed its main window");
    auto attachMenuBar = [] {
        if (!H().Record.Running) return;
        H().MenuBar = MakeMenuBar();
        SetMenu(H().Record.MainWindow, H().MenuBar);
        Note("host attached its menu bar");
    };
    if (h.Settings.MenuBarDelay > 0) {
        After(h.Settings.MenuBarDelay, attachMenuBar);
    } else {
        attachMenuBar();
    }
    if (h.Settings.MainWindowVanishesAfter != host::Never) {
        After(h.Settings.MainWindowVanishesAfter, [] { Quit("its main window vanished"); });
    }
}

void Start()
{
    ScriptedHostState& h = H();
    ++h.Record.Starts;
    if (h.Record.Running) return;
    h.Record.Running = true;
    Note("host started");
    if (h.Settings.AfxWindow) h.Afx = CreateWindow(host::AfxWindowClass, host::AfxWindowTitle, nullptr, OnAfxMessage);
    if (h.Settings.MainWindowDelay == 0) {
        ShowMainWindow();
    } else if (h.Settings.MainWindowDelay != host::Never) {
        After(h.Settings.MainWindowDelay, ShowMainWindow);
    }
}

}  // namespace

void InstallScriptedHost(const host::HostSettings& settings)
{
    H() = ScriptedHostState{};
    H().Settings = settings;
    if (settings.Installed) InstallProgram(host::ProgramPath, Start);
    if (settings.AlreadyRunning) {
        H().Settings.MainWindowDelay = 0;
        Start();
        H().Record.Starts = 0;  // started by the user, not by the run
    }
}

const HostRecord& ScriptedHost() { return H().Record; }

}  // namespace sim
