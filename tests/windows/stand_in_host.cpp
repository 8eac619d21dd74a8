#include "stand_in_host.h"

#include <cstdio>

namespace {

constexpr UINT_PTR ShowWindowTimer = 1;
constexpr UINT_PTR EraseTimer = 2;
constexpr UINT_PTR CrashTimer = 3;
constexpr UINT_PTR QuitTimer = 4;
constexpr int EraseButtonId = 1001;

host::HostSettings Settings;
HWND MainWindow;
HWND AfxWindow;
HWND Dialog;

void Report(const char* line)
{
    if (Settings.Report.empty()) return;
    if (FILE* file = std::fopen(Settings.Report.c_str(), "ab")) {
        std::fprintf(file, "%s\n", line);
        std::fclose(file);
    }
}

HMENU MakePopup(int items, int special, UINT command)
{
    HMENU popup = CreatePopupMenu();
    for (int i = 0; i < items; ++i) {
        if (i == special) {
            AppendMenuA(popup, MF_STRING, command, "*");
        } else if (host::IsSeparator(i)) {
            AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(popup, MF_STRING, host::OtherCommand(i), "item");
        }
    }
    return popup;
}

HMENU MakeMenuBar()
{
    HMENU bar = CreateMenu();
    const char* names[host::MenuCount] = {"File", "Edit", "View", "Recorder", "Extras"};
    for (int m = 0; m < host::MenuCount; ++m) {
        HMENU popup = m == host::ExitMenu    ? MakePopup(Settings.ExitMenuItems, Settings.ExitMenuItems - 1, host::ExitCommand)
                      : m == host::EraseMenu ? MakePopup(9, host::EraseItem, host::EraseCommand)
                                             : MakePopup(4, -1, 0);
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), names[m]);
    }
    return bar;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == EraseButtonId) {
        Report("click");
        DestroyWindow(dialog);
        Dialog = nullptr;
        const long long duration = Settings.EraseDuration;
        if (Settings.CrashesDuringErase) {
            // Halfway through the erase, as the simulated host does.
            SetTimer(MainWindow, CrashTimer, duration > 0 ? static_cast<UINT>(duration / 2) : 5000, nullptr);
        } else if (duration != host::Never) {
            SetTimer(MainWindow, EraseTimer, static_cast<UINT>(duration), nullptr);
        }
        return TRUE;
    }
    return FALSE;
}

void OpenEraseDialog()
{
    // An empty dialog template: the title and the buttons, in the edition's
    // texts, are added once the dialog exists.
    static const WORD Template[] = {
        LOWORD(WS_POPUP | WS_CAPTION | WS_VISIBLE), HIWORD(WS_POPUP | WS_CAPTION | WS_VISIBLE), 0, 0,
        0, 10, 10, 200, 80, 0, 0, 0, 0};
    Dialog = CreateDialogIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(Template), MainWindow, DialogProc, 0);
    SetWindowTextA(Dialog, host::EraseDialogTitle(Settings.Language));
    CreateWindowExA(0, host::ButtonClass, "Cancel", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, Dialog,
                    reinterpret_cast<HMENU>(IDCANCEL), nullptr, nullptr);
    CreateWindowExA(0, host::ButtonClass, host::EraseButtonCaption(Settings.Language), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                    100, 10, 80, 24, Dialog, reinterpret_cast<HMENU>(EraseButtonId), nullptr, nullptr);
    EnableWindow(MainWindow, FALSE);  // as a modal dialog does
    Report("dialog opened");
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (wParam == host::EraseCommand) {
            Report("erase command");
            if (Settings.OpensEraseDialog) OpenEraseDialog();
        } else if (wParam == host::ExitCommand) {
            Report("exit command");
            DestroyWindow(window);
        } else {
            char line[64];
            std::snprintf(line, sizeof line, "command %u", static_cast<unsigned>(wParam));
            Report(line);
        }
        return 0;
    case WM_TIMER:
        KillTimer(window, wParam);
        if (wParam == EraseTimer) {
            EnableWindow(window, TRUE);
            Report("erase finished");
        } else if (wParam == CrashTimer) {
            Report("vanishes while erasing");
            DestroyWindow(window);
        }
        return 0;
    case WM_CLOSE:
        Report("main window closed");
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        if (AfxWindow) DestroyWindow(AfxWindow);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK AfxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        Report("afx closed");
        DestroyWindow(window);
        AfxWindow = nullptr;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void ShowMainWindow()
{
    MainWindow = CreateWindowExA(0, host::MainWindowClass, Settings.MainWindowTitleShown.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 300,
                                 nullptr, MakeMenuBar(), nullptr, nullptr);
    Report("main window shown");
}

void RegisterClass(const char* name, WNDPROC proc)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&windowClass);
}

}  // namespace

host::HostSettings ParseStandInSettings(const char* text)
{
    host::HostSettings settings;
    std::string problem;
    if (!host::ApplySettings(text != nullptr ? text : "", settings, &problem)) {
        // Said where the test will look (the report, once its word was read).
        std::fprintf(stderr, "stand-in host: %s\n", problem.c_str());
        if (!settings.Report.empty()) {
            if (FILE* file = std::fopen(settings.Report.c_str(), "ab")) {
                std::fprintf(file, "%s\n", problem.c_str());
                std::fclose(file);
            }
        }
    }
    return settings;
}

void RunStandInHost(const host::HostSettings& settings)
{
    Settings = settings;
    RegisterClass(host::MainWindowClass, MainProc);
    RegisterClass(host::AfxWindowClass, AfxProc);
    Report("started");
    if (Settings.AfxWindow) {
        AfxWindow = CreateWindowExA(0, host::AfxWindowClass, host::AfxWindowTitle, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    // A hidden helper window carries the start-up timer until the main window exists.
    HWND helper = CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (Settings.QuitAfter != host::Never) SetTimer(helper, QuitTimer, static_cast<UINT>(Settings.QuitAfter), nullptr);
    if (Settings.AlreadyRunning || Settings.MainWindowDelay == 0) {
        ShowMainWindow();
    } else if (Settings.MainWindowDelay != host::Never) {
        SetTimer(helper, ShowWindowTimer, static_cast<UINT>(Settings.MainWindowDelay), nullptr);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == helper) {
            KillTimer(helper, message.wParam);
            if (message.wParam == QuitTimer) break;
            ShowMainWindow();
            continue;
        }
        if (Dialog != nullptr && IsDialogMessageA(Dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroyWindow(helper);
    if (MainWindow != nullptr && IsWindow(MainWindow)) DestroyWindow(MainWindow);
    if (AfxWindow != nullptr) DestroyWindow(AfxWindow);
    Report("exited");
}
